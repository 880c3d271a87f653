#include "ui/add_sub_window.h"

#include "largenum/addsub.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

namespace zentaro::ui {

AddSubWindow::AddSubWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(addab, this, &AddSubWindow::addab_Click);
    widgets::ConnectClick(subab, this, &AddSubWindow::subab_Click);
    widgets::WorkingLogOf(this)->setHint(QStringLiteral(
        "Type two whole numbers into the Adder or the Subtractor and press its \"=\": the columns of the sum or "
        "the difference show here."));
}

// Refused input empties both inputs of the half after the message; the answer
// keeps its text then, as it does after a run-time error.
void AddSubWindow::addab_Click()
{
    const auto sum = largenum::bigadd(widgets::ToUtf8(adda->text()), widgets::ToUtf8(addb->text()),
                                      widgets::MessageCallback(this), widgets::RecordWorking(this));
    if (!sum) {
        adda->clear();
        addb->clear();
        return;
    }
    addans->setPlainText(widgets::FromUtf8(*sum));
}

void AddSubWindow::subab_Click()
{
    const auto difference = largenum::bigsub(widgets::ToUtf8(suba->text()), widgets::ToUtf8(subb->text()),
                                             widgets::MessageCallback(this), widgets::RecordWorking(this));
    if (!difference) {
        suba->clear();
        subb->clear();
        return;
    }
    subans->setPlainText(widgets::FromUtf8(*difference));
}

} // namespace zentaro::ui
