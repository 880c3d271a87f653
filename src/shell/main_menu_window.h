#pragma once

#include "ui_main_menu_window.h"

#include <QWidget>

namespace zentaro::shell {

class WindowRegistry;

// mainmenufrm: one button per calculator window.
class MainMenuWindow : public QWidget, private Ui::mainmenufrm {
    Q_OBJECT

public:
    explicit MainMenuWindow(WindowRegistry& registry, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();

    WindowRegistry& registry_;
};

} // namespace zentaro::shell
