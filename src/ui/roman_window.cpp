#include "ui/roman_window.h"

#include "numbers/roman.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"

namespace zentaro::ui {

RomanWindow::RomanWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectHandler(arabic, &QLineEdit::textChanged, this, &RomanWindow::arabic_Change);
}

void RomanWindow::arabic_Change()
{
    if (const auto numeral = numbers::romanfor(widgets::ToUtf8(arabic->text()))) {
        roman->setText(widgets::FromUtf8(*numeral));
        return;
    }
    // The typed text stays, so that one Backspace mends a digit too many.
    roman->setText(widgets::FromUtf8(numbers::kUnknownNumeral));
    widgets::MessageBox(this, widgets::FromUtf8(numbers::kBelow4000));
}

} // namespace zentaro::ui
