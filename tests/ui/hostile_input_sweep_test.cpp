// Every field of every calculator window filled in turn with hostile text, every
// button pressed, every input box answered from the same texts: nothing crashes or
// hangs, no handler writes a text that is not its own to write, and the window
// stays usable.
#include "conventions/case_file.h"
#include "support/dialog_script.h"
#include "support/form_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace zentaro::ui {
namespace {

QStringList HostileTexts()
{
    QString randomText;
    QRandomGenerator random(20261206);
    for (int i = 0; i < 65536; ++i)
        randomText += QChar(static_cast<char16_t>(random.bounded(0x20, 0x2FF)));
    QStringList texts = {QString()};
    for (const char* text : {"   ", "-", ".", "&H", "&HFFFFFFFFFF", "1e308", "1e309", "-0", "1D2", "NaN", "inf"})
        texts << QString::fromUtf8(text);
    texts << QString(1 << 20, QLatin1Char('9')) << randomText;
    for (const char* text :
         {"\x01\x02\t\r\n\x1b\x7f", "\u202E\u05E9\u05DC\u05D5\u05DD 12", "\U0001F600\U0001F9EE 7", "dd/mm/yyyy", "00",
          "a1", "-2147483649", "2147483648", "-32769", "0.5", "4.9e-324", "31/02/2000", "00/00/0000", "99/99/99999"})
        texts << QString::fromUtf8(text);
    return texts;
}

// Every text a window shows in a field, multi-line field or label of its own.
std::map<QString, QString> TextsOf(QWidget* window)
{
    std::map<QString, QString> texts;
    for (const QWidget* control : testing::FormControls(window)) {
        if (const std::optional<QString> shown = testing::Shown(control))
            texts[control->objectName()] = *shown;
    }
    return texts;
}

// A handler that runs this long is taken for hung; a loaded machine stays well below.
constexpr qint64 kHangMs = 20000;

class HostileInputSweep : public ::testing::TestWithParam<shell::CalculatorEntry> {};

TEST_P(HostileInputSweep, NoTextCrashesHangsWritesAForeignFieldOrBreaksTheWindow)
{
    const shell::CalculatorEntry entry = GetParam();
    const std::string form = entry.formName.toStdString();
    const QStringList hostile = HostileTexts();
    testing::DialogScript dialogs;
    dialogs.answerAnyBox(hostile, 6);

    std::unique_ptr<QWidget> window(entry.make());
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    std::vector<QWidget*> fields;
    std::vector<QAbstractButton*> buttons;
    for (QWidget* control : testing::FormControls(window.get())) {
        if (testing::TakesTyping(control))
            fields.push_back(control);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            buttons.push_back(button);
    }
    if (buttons.empty() && fields.empty())
        GTEST_SKIP() << "nothing to type into or press";

    // What each handler may write (none if unnamed), from the table in
    // tests/data/controls, which names only controls the window has.
    std::map<QString, std::set<QString>> writes;
    const std::map<QString, QString> initial = TextsOf(window.get());
    for (const cases::Case& row : cases::Read("controls/handler_writes.txt")) {
        if (row.inputs.at(0) != form)
            continue;
        const QString handler = QString::fromStdString(row.inputs.at(1));
        EXPECT_NE(window->findChild<QWidget*>(handler), nullptr) << form << ": no control " << row.inputs[1];
        for (const std::string& field : cases::Items(row.expected)) {
            EXPECT_EQ(initial.count(QString::fromStdString(field)), 1U) << form << ": no text control " << field;
            writes[handler].insert(QString::fromStdString(field));
        }
    }

    int clicks = 0;
    int typed = 0;
    std::set<QString> exercised; // the handlers that ran: buttons pressed, fields that answer typing
    // One handler: it ends in time and writes only what it may.
    const auto run = [&](const std::string& what, const std::set<QString>& allowed, auto&& action) {
        dialogs.newRound();
        const std::map<QString, QString> before = TextsOf(window.get());
        QElapsedTimer clock;
        clock.start();
        action();
        QApplication::processEvents();
        EXPECT_LT(clock.elapsed(), kHangMs) << form << what;
        const std::map<QString, QString> after = TextsOf(window.get());
        for (const auto& [name, text] : before)
            EXPECT_TRUE(allowed.count(name) != 0 || after.at(name) == text)
                << form << what << " wrote " << name.toStdString() << ": \"" << after.at(name).left(40).toStdString()
                << "\"";
    };
    const auto pressAll = [&](const std::string& context) {
        for (QAbstractButton* button : buttons) {
            if (!button->isEnabled() || !button->isVisible())
                continue;
            ++clicks;
            exercised.insert(button->objectName());
            run(QStringLiteral(".%1").arg(button->objectName()).toStdString() + context, writes[button->objectName()],
                [button] { button->click(); });
        }
    };

    // Windows that take their data through input boxes: each press answers the
    // boxes with the hostile texts in turn.
    if (fields.empty()) {
        for (int round = 0; round < hostile.size(); ++round)
            pressAll(QStringLiteral(" round %1").arg(round).toStdString());
    }
    for (QWidget* field : fields) {
        for (const QString& text : hostile) {
            // A multi-line field lays out one long paragraph slowly whatever the
            // window does; a megabyte there tests Qt, not the handlers.
            if (qobject_cast<QPlainTextEdit*>(field) != nullptr && text.size() > 65536)
                continue;
            for (QWidget* other : fields)
                testing::Type(other, QStringLiteral("2"));
            QApplication::processEvents();
            // Some windows answer each keystroke: typing is a handler too.
            std::set<QString> allowed = writes[field->objectName()];
            if (!allowed.empty())
                exercised.insert(field->objectName());
            allowed.insert(field->objectName());
            ++typed;
            const QString what = QStringLiteral(" with %1 = %2").arg(field->objectName(), text.left(20));
            run((QStringLiteral(" typing") + what).toStdString(), allowed, [&] { testing::Type(field, text); });
            pressAll(what.toStdString());
        }
    }
    EXPECT_TRUE(window->isVisible());
    std::printf("%s: %d texts typed, %d handlers, %d clicks, %lld boxes shown, %d input boxes answered\n",
                qPrintable(entry.formName), typed, static_cast<int>(exercised.size()), clicks,
                static_cast<long long>(dialogs.seen().size()), dialogs.repliesGiven());
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, HostileInputSweep, ::testing::ValuesIn(shell::Calculators()),
                         [](const auto& info) { return info.param.formName.toStdString(); });

} // namespace
} // namespace zentaro::ui
