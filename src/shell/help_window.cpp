#include "shell/help_window.h"

#include "widgets/handler.h"
#include "widgets/window_setup.h"

#include <QAction>

namespace zentaro::shell {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    // It computes nothing, so it has no working to show.
    delete widgets::ShowWorkingAction(this);
    widgets::ConnectClick(Command1, this, &HelpWindow::Command1_Click);
}

void HelpWindow::Command1_Click()
{
    hide();
}

} // namespace zentaro::shell
