#include "shell/help_window.h"

#include "widgets/handler.h"
#include "widgets/window_setup.h"

namespace zentaro::shell {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeDialogWindow(this, Command1);
    widgets::ConnectClick(Command1, this, &HelpWindow::Command1_Click);
}

void HelpWindow::Command1_Click()
{
    hide();
}

} // namespace zentaro::shell
