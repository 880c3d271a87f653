#include "ui/reciprocal_window.h"

#include "largenum/reciprocal.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "ui/window_setup.h"

namespace zentaro::ui {

ReciprocalWindow::ReciprocalWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(cmdrecicalc, this, &ReciprocalWindow::cmdrecicalc_Click);
}

void ReciprocalWindow::cmdrecicalc_Click()
{
    recians->clear();
    const std::string text = largenum::recipdigits(num->text().toStdString(), digits->text().toStdString(),
                                                   shell::MessageCallback(this));
    recians->setPlainText(QString::fromStdString(text));
}

} // namespace zentaro::ui
