#include "screenshots/window_script.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <deque>

namespace zentaro::tools {
namespace {

std::optional<ScriptStep> ParseStep(const QJsonObject& step, QString& error)
{
    if (step.contains(QStringLiteral("type"))) {
        if (!step.value(QStringLiteral("text")).isString()) {
            error = QStringLiteral("a \"type\" step needs a \"text\"");
            return std::nullopt;
        }
        return ScriptStep{ScriptStep::Kind::Type, step.value(QStringLiteral("type")).toString(),
                          step.value(QStringLiteral("text")).toString()};
    }
    if (step.contains(QStringLiteral("expect"))) {
        if (!step.value(QStringLiteral("text")).isString()) {
            error = QStringLiteral("an \"expect\" step needs a \"text\"");
            return std::nullopt;
        }
        return ScriptStep{ScriptStep::Kind::Expect, step.value(QStringLiteral("expect")).toString(),
                          step.value(QStringLiteral("text")).toString()};
    }
    if (step.contains(QStringLiteral("click")))
        return ScriptStep{ScriptStep::Kind::Click, step.value(QStringLiteral("click")).toString(), std::nullopt};
    if (step.contains(QStringLiteral("focus")))
        return ScriptStep{ScriptStep::Kind::Focus, step.value(QStringLiteral("focus")).toString(), std::nullopt};
    if (step.contains(QStringLiteral("answer"))) {
        const QJsonValue answer = step.value(QStringLiteral("answer"));
        return ScriptStep{ScriptStep::Kind::Answer, QString(),
                          answer.isNull() ? std::nullopt : std::optional<QString>(answer.toString())};
    }
    error = QStringLiteral("a step is one of \"type\", \"click\", \"focus\", \"answer\", \"expect\"");
    return std::nullopt;
}

// Answers the boxes that open while a click's handler runs.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::deque<std::optional<QString>>& answers) : answers_(answers)
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { poll(); });
        timer_.start();
    }
    QString error;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        if (answers_.empty()) {
            error = QStringLiteral("nobody answers the box: ") + modal->windowTitle();
            modal->close();
            return;
        }
        const std::optional<QString> answer = answers_.front();
        answers_.pop_front();
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            if (answer) {
                input->setTextValue(*answer);
                input->accept();
            } else {
                input->reject();
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const QString caption = answer.value_or(QStringLiteral("OK"));
            for (QAbstractButton* button : box->buttons()) {
                if (button->text().remove(QLatin1Char('&')) == caption) {
                    button->click();
                    return;
                }
            }
            error = QStringLiteral("no button '%1' on the box: %2").arg(caption, box->text());
            box->close();
        }
    }

    std::deque<std::optional<QString>>& answers_;
    QTimer timer_;
};

QString Type(QWidget* control, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setText(text);
    else if (auto* area = qobject_cast<QPlainTextEdit*>(control))
        area->setPlainText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setCurrentText(text);
    else
        return QStringLiteral("%1 is not a text field").arg(control->objectName());
    return {};
}

QString Expect(const QWidget* control, const QString& text)
{
    const std::optional<QString> shown = Shown(control);
    if (!shown)
        return QStringLiteral("%1 is not a field or label").arg(control->objectName());
    if (*shown != text)
        return QStringLiteral("%1 shows '%2', not '%3'").arg(control->objectName(), *shown, text);
    return {};
}

} // namespace

// What a field or label shows, or nothing for other controls.
std::optional<QString> Shown(const QWidget* control)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text();
    if (const auto* area = qobject_cast<const QPlainTextEdit*>(control))
        return area->property("plainText").toString();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return std::nullopt;
}

std::optional<WindowScripts> ParseScripts(const QByteArray& json, QString& error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                             : QStringLiteral("the scripts are not one object");
        return std::nullopt;
    }
    WindowScripts scripts;
    const QJsonObject forms = document.object();
    for (auto form = forms.begin(); form != forms.end(); ++form) {
        if (!form.value().isArray()) {
            error = form.key() + QStringLiteral(": the script is not a list of steps");
            return std::nullopt;
        }
        std::vector<ScriptStep>& steps = scripts[form.key()];
        for (const QJsonValue& value : form.value().toArray()) {
            std::optional<ScriptStep> step = ParseStep(value.toObject(), error);
            if (!step) {
                error = form.key() + QStringLiteral(": ") + error;
                return std::nullopt;
            }
            steps.push_back(*step);
        }
    }
    return scripts;
}

std::optional<WindowScripts> ReadScripts(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read ") + path;
        return std::nullopt;
    }
    std::optional<WindowScripts> scripts = ParseScripts(file.readAll(), error);
    if (!scripts)
        error = path + QStringLiteral(": ") + error;
    return scripts;
}

ScriptResult RunScript(const std::function<QWidget*()>& open, const std::vector<ScriptStep>& steps)
{
    std::deque<std::optional<QString>> answers;
    // Opening, typing, leaving a field and clicking may all run handlers that open boxes.
    BoxAnswerer answerer(answers);
    auto step = steps.begin();
    for (; step != steps.end() && step->kind == ScriptStep::Kind::Answer; ++step)
        answers.push_back(step->text);
    ScriptResult result{open(), {}};
    QApplication::processEvents();
    result.error = result.window == nullptr ? QStringLiteral("the window does not open") : answerer.error;
    for (; step != steps.end() && result.error.isEmpty(); ++step) {
        if (step->kind == ScriptStep::Kind::Answer) {
            answers.push_back(step->text);
            continue;
        }
        auto* control = result.window->findChild<QWidget*>(step->control);
        if (control == nullptr) {
            result.error = QStringLiteral("no control %1").arg(step->control);
        } else if (step->kind == ScriptStep::Kind::Type) {
            result.error = Type(control, step->text.value_or(QString()));
        } else if (step->kind == ScriptStep::Kind::Expect) {
            result.error = Expect(control, step->text.value_or(QString()));
        } else if (step->kind == ScriptStep::Kind::Focus) {
            control->setFocus(Qt::TabFocusReason);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->click();
        } else {
            result.error = QStringLiteral("%1 is not a button").arg(step->control);
        }
        QApplication::processEvents();
        if (result.error.isEmpty())
            result.error = answerer.error;
    }
    if (result.error.isEmpty() && !answers.empty())
        result.error = QStringLiteral("%1 answer(s) left over: no box asked for them").arg(answers.size());
    return result;
}

} // namespace zentaro::tools
