#pragma once

#include "ui_about_window.h"

#include <QWidget>

namespace zentaro::shell {

// frmAbout: fixed texts; OK discards the window, System Info starts the
// platform's information program.
class AboutWindow : public QWidget, private Ui::frmAbout {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
};

} // namespace zentaro::shell
