#include "ui/reciprocal_window.h"

#include "largenum/reciprocal.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"

namespace zentaro::ui {

ReciprocalWindow::ReciprocalWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(cmdrecicalc, this, &ReciprocalWindow::cmdrecicalc_Click);
}

void ReciprocalWindow::cmdrecicalc_Click()
{
    recians->clear();
    const std::string text = largenum::recipdigits(
        widgets::ToUtf8(num->text()), widgets::ToUtf8(digits->text()), widgets::MessageCallback(this),
        [this](std::string_view answer) { recians->setPlainText(widgets::FromUtf8(answer)); });
    recians->setPlainText(widgets::FromUtf8(text));
}

} // namespace zentaro::ui
