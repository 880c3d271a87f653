#include "ui/roman_window.h"

#include "numbers/roman.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "ui/window_setup.h"

namespace zentaro::ui {

RomanWindow::RomanWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectHandler(arabic, &QLineEdit::textChanged, this, &RomanWindow::arabic_Change);
}

void RomanWindow::arabic_Change()
{
    if (const auto numeral = numbers::romanfor(arabic->text().toStdString())) {
        roman->setText(QString::fromStdString(*numeral));
        return;
    }
    // Emptying the input runs this handler again at once, which empties the
    // numeral; the question marks then replace that.
    arabic->clear();
    roman->setText(QString::fromUtf8(numbers::kUnknownNumeral.data(), numbers::kUnknownNumeral.size()));
    shell::MessageBox(this, QString::fromUtf8(numbers::kBelow4000.data(), numbers::kBelow4000.size()));
}

} // namespace zentaro::ui
