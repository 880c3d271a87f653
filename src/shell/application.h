#pragma once

#include "shell/window_registry.h"

#include <functional>

namespace zentaro::shell {

// Knows every window of the application by its form name and opens the first.
// `exitApplication` is what Exit on the start-up window does after every window
// has been discarded (in the program: leave the event loop).
class Application {
public:
    explicit Application(std::function<void()> exitApplication);

    // Shows the start-up window.
    void start();
    WindowRegistry& windows() { return registry_; }

private:
    WindowRegistry registry_;
};

} // namespace zentaro::shell
