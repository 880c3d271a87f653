#include "support/dialog_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace zentaro::testing {

DialogScript::DialogScript()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogScript::poll);
    timer_.start();
}

DialogScript::~DialogScript() = default;

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

void DialogScript::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen_ << box->windowTitle() + QStringLiteral(" | ") + box->text();
        const bool matches = !expected_.empty() && !expected_.front().isInput &&
                             expected_.front().text == box->text() && expected_.front().title == box->windowTitle();
        QString caption = QStringLiteral("OK");
        if (matches) {
            caption = expected_.front().reply.value_or(caption);
            expected_.pop_front();
        } else {
            failures_ << QStringLiteral("unexpected message box: ") + seen_.back();
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove(QLatin1Char('&')) == caption) {
                button->click();
                return;
            }
        }
        failures_ << QStringLiteral("no button '%1' on: %2").arg(caption, box->text());
        box->reject();
        return;
    }
    if (auto* box = qobject_cast<QInputDialog*>(modal)) {
        seen_ << box->windowTitle() + QStringLiteral(" | ") + box->labelText();
        const bool matches = !expected_.empty() && expected_.front().isInput &&
                             expected_.front().text == box->labelText() &&
                             expected_.front().title == box->windowTitle();
        if (!matches) {
            failures_ << QStringLiteral("unexpected input box: ") + seen_.back();
            box->reject();
            return;
        }
        const std::optional<QString> reply = expected_.front().reply;
        expected_.pop_front();
        if (reply) {
            box->setTextValue(*reply);
            box->accept();
        } else {
            box->reject();
        }
        return;
    }
    failures_ << QStringLiteral("unexpected modal window: ") + modal->objectName();
    modal->close();
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
