#include "ui/random_window.h"

#include "numbers/random_list.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "ui/window_setup.h"

namespace zentaro::ui {

RandomWindow::RandomWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(randgencmd, this, &RandomWindow::randgencmd_Click);
}

// The seed shows before the count is read, so a count too large for 16 bits
// leaves just the seed.
void RandomWindow::randgencmd_Click()
{
    randtext->setPlainText(QString::fromUtf8(numbers::kRandomSeedText.data(), numbers::kRandomSeedText.size()));
    const std::int16_t count = numbers::randomcount(nrand->text().toStdString(), shell::MessageCallback(this));
    randtext->setPlainText(QString::fromStdString(numbers::randomlist(count)));
}

} // namespace zentaro::ui
