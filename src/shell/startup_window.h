#pragma once

#include "ui_startup_window.h"

#include <QWidget>

#include <functional>

namespace zentaro::shell {

class WindowRegistry;

// startupfrm: the borderless window the application opens with.
class StartupWindow : public QWidget, private Ui::startupfrm {
    Q_OBJECT

public:
    // `exitApplication` ends everything at once, with no close handling.
    StartupWindow(WindowRegistry& registry, std::function<void()> exitApplication, QWidget* parent = nullptr);

private:
    void okcmd_Click();
    void aboutcmd_Click();
    void helpcmd_Click();
    void exitcmd_Click();

    WindowRegistry& registry_;
    std::function<void()> exitApplication_;
};

} // namespace zentaro::shell
