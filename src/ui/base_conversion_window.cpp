#include "ui/base_conversion_window.h"

#include "numbers/base_conversion.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

namespace zentaro::ui {

BaseConversionWindow::BaseConversionWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(convertbases, this, &BaseConversionWindow::convertbases_Click);
    widgets::WorkingLogOf(this)->setHint(QStringLiteral(
        "Type a number and the two bases, then press Convert!: the working of the conversion shows here."));
}

// The answer keeps its old text when a base is refused or the value is too large.
void BaseConversionWindow::convertbases_Click()
{
    const auto answer = numbers::convertbases(widgets::ToUtf8(num1txt->text()), widgets::ToUtf8(base1txt->text()),
                                              widgets::ToUtf8(base2txt->text()), widgets::MessageCallback(this),
                                              widgets::RecordWorking(this));
    if (answer)
        ansbase->setText(widgets::FromUtf8(*answer));
}

} // namespace zentaro::ui
