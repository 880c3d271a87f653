#include "ui/addsub_window.h"

#include "largenum/addsub.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "ui/window_setup.h"

namespace zentaro::ui {

AddSubWindow::AddSubWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(addab, this, &AddSubWindow::addab_Click);
    shell::ConnectClick(subab, this, &AddSubWindow::subab_Click);
}

// Refused input empties both inputs of the half after the message; the answer
// keeps its text then, as it does after a run-time error.
void AddSubWindow::addab_Click()
{
    const auto sum =
        largenum::bigadd(adda->text().toStdString(), addb->text().toStdString(), shell::MessageCallback(this));
    if (!sum) {
        adda->clear();
        addb->clear();
        return;
    }
    addans->setPlainText(QString::fromStdString(*sum));
}

void AddSubWindow::subab_Click()
{
    const auto difference =
        largenum::bigsub(suba->text().toStdString(), subb->text().toStdString(), shell::MessageCallback(this));
    if (!difference) {
        suba->clear();
        subb->clear();
        return;
    }
    subans->setPlainText(QString::fromStdString(*difference));
}

} // namespace zentaro::ui
