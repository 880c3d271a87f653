#include "support/dialog_auto_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>

namespace zentaro::testing {

DialogAutoAnswer::DialogAutoAnswer(QStringList replies, int maxInputs)
    : replies_(std::move(replies)), maxInputs_(maxInputs)
{
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &DialogAutoAnswer::poll);
    timer_.start();
}

void DialogAutoAnswer::reset()
{
    inputs_ = 0;
}

QStringList DialogAutoAnswer::takeMessages()
{
    QStringList taken;
    taken.swap(messages_);
    return taken;
}

void DialogAutoAnswer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages_ << box->text();
        const QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.isEmpty())
            box->reject();
        else
            buttons.last()->click();
        return;
    }
    if (auto* box = qobject_cast<QInputDialog*>(modal)) {
        if (inputs_ >= maxInputs_ || replies_.isEmpty()) {
            box->reject();
            return;
        }
        ++inputs_;
        ++replied_;
        box->setTextValue(replies_.at(next_ % replies_.size()));
        ++next_;
        box->accept();
        return;
    }
    if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
        progress->cancel();
        return;
    }
    modal->close();
}

} // namespace zentaro::testing
