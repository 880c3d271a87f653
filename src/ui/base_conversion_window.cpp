#include "ui/base_conversion_window.h"

#include "numbers/base_conversion.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "ui/window_setup.h"

namespace zentaro::ui {

BaseConversionWindow::BaseConversionWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(convertbases, this, &BaseConversionWindow::convertbases_Click);
}

// The answer keeps its old text when a base is refused or the value is too large.
void BaseConversionWindow::convertbases_Click()
{
    const auto answer = numbers::convertbases(num1txt->text().toStdString(), base1txt->text().toStdString(),
                                              base2txt->text().toStdString(), shell::MessageCallback(this));
    if (answer)
        ansbase->setText(QString::fromStdString(*answer));
}

} // namespace zentaro::ui
