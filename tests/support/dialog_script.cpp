#include "support/dialog_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <gtest/gtest.h>

namespace zentaro::testing {

DialogScript::DialogScript()
{
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &DialogScript::poll);
    timer_.start();
}

DialogScript& DialogScript::message(const QString& text, const QString& button, const QString& title)
{
    expected_.push_back({false, text, title, button});
    return *this;
}

DialogScript& DialogScript::input(const QString& prompt, std::optional<QString> reply, const QString& title)
{
    expected_.push_back({true, prompt, title, std::move(reply)});
    return *this;
}

DialogScript& DialogScript::runtimeError(int number, const QString& text)
{
    return message(QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(text));
}

DialogScript& DialogScript::answerAnyBox(QStringList replies, int inputsPerRound)
{
    anyReplies_ = std::move(replies);
    inputsPerRound_ = inputsPerRound;
    return *this;
}

void DialogScript::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    auto* input = qobject_cast<QInputDialog*>(modal);
    if (box == nullptr && input == nullptr) {
        answerUnexpected(modal, QStringLiteral("modal window: ") + modal->objectName());
        return;
    }
    const QString text = box != nullptr ? box->text() : input->labelText();
    seen_ << modal->windowTitle() + QStringLiteral(" | ") + text;
    if (expected_.empty() || expected_.front().isInput != (input != nullptr) || expected_.front().text != text ||
        expected_.front().title != modal->windowTitle()) {
        answerUnexpected(modal, (box != nullptr ? QStringLiteral("message box: ") : QStringLiteral("input box: ")) +
                                    seen_.back());
        return;
    }
    const std::optional<QString> reply = expected_.front().reply;
    expected_.pop_front();
    if (input != nullptr) {
        if (reply) {
            input->setTextValue(*reply);
            input->accept();
        } else {
            input->reject();
        }
        return;
    }
    for (QAbstractButton* button : box->buttons()) {
        if (button->text().remove(QLatin1Char('&')) == *reply) {
            button->click();
            return;
        }
    }
    failures_ << QStringLiteral("no button '%1' on: %2").arg(*reply, text);
    box->reject();
}

void DialogScript::answerUnexpected(QWidget* modal, const QString& what)
{
    if (!anyReplies_)
        failures_ << QStringLiteral("unexpected ") + what;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QAbstractButton* button = box->defaultButton();
        if (button == nullptr && !box->buttons().isEmpty())
            button = box->buttons().last();
        button != nullptr ? button->click() : box->reject();
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        if (!anyReplies_ || anyReplies_->isEmpty() || inputsThisRound_ >= inputsPerRound_) {
            input->reject();
            return;
        }
        ++inputsThisRound_;
        ++replied_;
        input->setTextValue(anyReplies_->at(next_++ % anyReplies_->size()));
        input->accept();
    } else if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
        progress->cancel();
    } else {
        modal->close();
    }
}

void DialogScript::checkDone()
{
    for (const QString& failure : failures_)
        ADD_FAILURE() << failure.toStdString();
    for (const Expected& missing : expected_)
        ADD_FAILURE() << (missing.isInput ? "input box never shown: " : "message box never shown: ")
                      << missing.text.toStdString();
    failures_.clear();
    expected_.clear();
}

} // namespace zentaro::testing
