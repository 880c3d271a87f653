#include "shell/about_window.h"

#include "shell/artwork.h"
#include "shell/system_info.h"
#include "widgets/handler.h"
#include "widgets/window_setup.h"

namespace zentaro::shell {

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeDialogWindow(this, cmdOK);
    picIcon->setPixmap(DrawIcon(picIcon->width()));
    // The package, the start-up picture and this window show one version, set once in the build.
    lblVersion->setText(QStringLiteral("v" ZENTARO_VERSION));
    widgets::ConnectClick(cmdOK, this, &AboutWindow::cmdOK_Click);
    widgets::ConnectClick(cmdSysInfo, this, &AboutWindow::cmdSysInfo_Click);
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
