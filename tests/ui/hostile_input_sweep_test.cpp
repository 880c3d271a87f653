// Every field of every calculator window filled in turn with hostile text, every
// button pressed, every input box answered from the same texts: nothing crashes,
// no handler runs for more than two seconds, and the window stays usable.
#include "shell/calculator_catalogue.h"
#include "support/dialog_auto_answer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <memory>

namespace zentaro::ui {
namespace {

QStringList HostileTexts()
{
    QString randomText;
    QRandomGenerator random(20261206);
    for (int i = 0; i < 65536; ++i)
        randomText += QChar(static_cast<char16_t>(random.bounded(0x20, 0x2FF)));
    return {QString(),
            QStringLiteral("   "),
            QStringLiteral("-"),
            QStringLiteral("."),
            QStringLiteral("&H"),
            QStringLiteral("&HFFFFFFFFFF"),
            QStringLiteral("1e308"),
            QStringLiteral("1e309"),
            QStringLiteral("-0"),
            QStringLiteral("1D2"),
            QStringLiteral("NaN"),
            QStringLiteral("inf"),
            QString(1 << 20, QLatin1Char('9')),
            randomText,
            QStringLiteral("\x01\x02\t\r\n\x1b\x7f"),
            QString::fromUtf8("\u202E\u05E9\u05DC\u05D5\u05DD 12"),
            QString::fromUtf8("\U0001F600\U0001F9EE 7"),
            QStringLiteral("dd/mm/yyyy"),
            QStringLiteral("00"),
            QStringLiteral("a1"),
            QStringLiteral("-2147483649"),
            QStringLiteral("2147483648"),
            QStringLiteral("-32769"),
            QStringLiteral("0.5"),
            QStringLiteral("4.9e-324"),
            QStringLiteral("31/02/2000"),
            QStringLiteral("00/00/0000"),
            QStringLiteral("99/99/99999")};
}

struct Controls {
    QList<QWidget*> fields;
    QList<QAbstractButton*> buttons;
};

Controls ControlsOf(QWidget* window)
{
    Controls controls;
    for (QLineEdit* line : window->findChildren<QLineEdit*>()) {
        // the line edits inside spin boxes and the like belong to their owner
        if (line->objectName().isEmpty() || line->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (!line->isReadOnly())
            controls.fields << line;
    }
    for (QPlainTextEdit* area : window->findChildren<QPlainTextEdit*>()) {
        if (!area->isReadOnly())
            controls.fields << area;
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->objectName().isEmpty() && !button->objectName().startsWith(QLatin1String("qt_")))
            controls.buttons << button;
    }
    return controls;
}

void SetText(QWidget* field, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->setText(text);
    else if (auto* area = qobject_cast<QPlainTextEdit*>(field))
        area->setPlainText(text);
}

class HostileInputSweep : public ::testing::TestWithParam<shell::CalculatorEntry> {};

TEST_P(HostileInputSweep, NoTextCrashesHangsOrBreaksTheWindow)
{
    const shell::CalculatorEntry entry = GetParam();
    const QStringList hostile = HostileTexts();
    testing::DialogAutoAnswer dialogs(hostile, 6);

    std::unique_ptr<QWidget> window(entry.make());
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    const Controls controls = ControlsOf(window.get());
    if (controls.buttons.isEmpty() && controls.fields.isEmpty())
        GTEST_SKIP() << "nothing to type into or press";

    int clicks = 0;
    // Windows that take their data through input boxes: each press answers the
    // boxes with the hostile texts in turn.
    if (controls.fields.isEmpty()) {
        for (int round = 0; round < hostile.size(); ++round) {
            for (QAbstractButton* button : controls.buttons) {
                if (!button->isEnabled() || !button->isVisible())
                    continue;
                dialogs.reset();
                QElapsedTimer clock;
                clock.start();
                button->click();
                QApplication::processEvents();
                ++clicks;
                EXPECT_LT(clock.elapsed(), 2000) << entry.formName.toStdString() << "."
                                                 << button->objectName().toStdString() << " round " << round;
            }
        }
    }
    for (QWidget* field : controls.fields) {
        for (const QString& text : hostile) {
            // A multi-line field lays out one long paragraph slowly whatever the
            // window does; a megabyte there tests Qt, not the handlers.
            if (qobject_cast<QPlainTextEdit*>(field) != nullptr && text.size() > 65536)
                continue;
            for (QWidget* other : controls.fields)
                SetText(other, QStringLiteral("2"));
            // Some windows answer each keystroke: typing is a handler too.
            dialogs.reset();
            QElapsedTimer typing;
            typing.start();
            SetText(field, text);
            QApplication::processEvents();
            EXPECT_LT(typing.elapsed(), 2000) << entry.formName.toStdString() << "." << field->objectName().toStdString()
                                              << " typed " << text.left(20).toStdString();
            for (QAbstractButton* button : controls.buttons) {
                if (!button->isEnabled() || !button->isVisible())
                    continue;
                dialogs.reset();
                QElapsedTimer clock;
                clock.start();
                button->click();
                QApplication::processEvents();
                ++clicks;
                EXPECT_LT(clock.elapsed(), 2000) << entry.formName.toStdString() << "." << button->objectName().toStdString()
                                                 << " with " << field->objectName().toStdString() << " = "
                                                 << text.left(20).toStdString();
            }
        }
    }
    EXPECT_TRUE(window->isVisible());
    RecordProperty("clicks", clicks);
    std::printf("%s: %lld fields, %lld buttons, %d clicks, %lld boxes shown\n", qPrintable(entry.formName),
                static_cast<long long>(controls.fields.size()), static_cast<long long>(controls.buttons.size()),
                clicks, static_cast<long long>(dialogs.messages().size()));
}

std::vector<shell::CalculatorEntry> BuiltWindows()
{
    std::vector<shell::CalculatorEntry> built;
    for (const auto& entry : shell::Calculators()) {
        if (entry.make != nullptr)
            built.push_back(entry);
    }
    return built;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, HostileInputSweep, ::testing::ValuesIn(BuiltWindows()),
                         [](const auto& info) { return info.param.formName.toStdString(); });

} // namespace
} // namespace zentaro::ui
