#include "shell/about_window.h"

#include "shell/artwork.h"
#include "shell/handler.h"
#include "shell/system_info.h"
#include "ui/window_setup.h"

namespace zentaro::shell {

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    ui::MakeCalculatorWindow(this);
    picIcon->setPixmap(DrawIcon(picIcon->width()));
    ConnectClick(cmdOK, this, &AboutWindow::cmdOK_Click);
    ConnectClick(cmdSysInfo, this, &AboutWindow::cmdSysInfo_Click);
}

void AboutWindow::cmdOK_Click()
{
    close();
}

void AboutWindow::cmdSysInfo_Click()
{
    StartSysInfo(this);
}

} // namespace zentaro::shell
