#pragma once

#include "shell/window_registry.h"

#include <QPointer>
#include <QWidget>

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

    // Opens the Working window (beside `calculator` when it is new) on the working of `calculator`.
    void showWorking(QWidget* calculator);

private:
    QWidget* makeCalculator(QWidget* (*make)());

    WindowRegistry registry_;
    // The calculator a Working window being made is for.
    QPointer<QWidget> workingFor_;
};

} // namespace zentaro::shell
