#include "shell/help_window.h"

#include "shell/handler.h"
#include "ui/window_setup.h"

namespace zentaro::shell {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    ui::MakeCalculatorWindow(this);
    ConnectClick(Command1, this, &HelpWindow::Command1_Click);
}

void HelpWindow::Command1_Click()
{
    hide();
}

} // namespace zentaro::shell
