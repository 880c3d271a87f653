#include "ui/random_window.h"

#include "numbers/random_list.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"

namespace zentaro::ui {

RandomWindow::RandomWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(randgencmd, this, &RandomWindow::randgencmd_Click);
}

// The seed shows before the count is read, so a count too large for 16 bits
// leaves just the seed.
void RandomWindow::randgencmd_Click()
{
    randtext->setPlainText(widgets::FromUtf8(numbers::kRandomSeedText));
    const std::int16_t count = numbers::randomcount(widgets::ToUtf8(nrand->text()), widgets::MessageCallback(this));
    randtext->setPlainText(widgets::FromUtf8(numbers::randomlist(count)));
}

} // namespace zentaro::ui
