#include "ui/reciprocal_window.h"

#include "largenum/reciprocal.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

namespace zentaro::ui {

ReciprocalWindow::ReciprocalWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(cmdrecicalc, this, &ReciprocalWindow::cmdrecicalc_Click);
    widgets::WorkingLogOf(this)->setHint(QStringLiteral(
        "Type a whole number and a number of digits, then press Compute Reciprocal: the long division and where "
        "its digits repeat show here."));
}

void ReciprocalWindow::cmdrecicalc_Click()
{
    recians->clear();
    const std::string text = largenum::recipdigits(
        widgets::ToUtf8(num->text()), widgets::ToUtf8(digits->text()), widgets::MessageCallback(this),
        [this](std::string_view answer) { recians->setPlainText(widgets::FromUtf8(answer)); },
        widgets::RecordWorking(this));
    recians->setPlainText(widgets::FromUtf8(text));
}

} // namespace zentaro::ui
