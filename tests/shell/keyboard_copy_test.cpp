// Enter, Escape, Ctrl+Shift+C and Ctrl+C in every window, with real key events,
// after the gallery script has put a correct answer into each calculator.
#include "conventions/case_file.h"
#include "screenshots/window_script.h"
#include "shell/application.h"
#include "statistics/data_entry.h"
#include "support/dialog_script.h"
#include "support/form_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>

namespace zentaro::shell {
namespace {

using testing::Collect;
using testing::Name;

struct KeyCase {
    std::string form, focus, presses, disabled; // "" for the window itself, none, none
    std::vector<std::string> replies;
    std::string copied;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.form << " " << c.focus;
}

std::vector<KeyCase> KeyCases()
{
    std::vector<KeyCase> keys;
    for (const cases::Case& c : cases::Read("controls/keys.txt"))
        keys.push_back({c.inputs.at(0),
                        c.inputs.at(1),
                        c.inputs.at(2),
                        c.inputs.at(3),
                        {c.inputs.begin() + 4, c.inputs.end()},
                        c.expected});
    return keys;
}

class KeyboardAndCopy : public ::testing::TestWithParam<KeyCase> {
protected:
    void SetUp() override
    {
        QFile file(QStringLiteral(ZENTARO_SCREENSHOT_SCRIPTS));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString error;
        const auto scripts = tools::ParseScripts(file.readAll(), error);
        ASSERT_TRUE(scripts.has_value()) << error.toStdString();
        const QString form = QString::fromStdString(GetParam().form);
        const auto script = scripts->find(form);
        if (script != scripts->end()) {
            const tools::ScriptResult result =
                tools::RunScript([&] { return app.windows().show(form); }, script->second);
            ASSERT_EQ(result.error.toStdString(), "");
        }
        dialogs.emplace();
    }
    void TearDown() override { dialogs->checkDone(); }

    // The window under test, shown, active and with the focus where the case puts it.
    QWidget* focused()
    {
        QWidget* window = app.windows().show(QString::fromStdString(GetParam().form));
        QApplication::setActiveWindow(window);
        QWidget* focus =
            GetParam().focus.empty() ? window : window->findChild<QWidget*>(QString::fromStdString(GetParam().focus));
        EXPECT_NE(focus, nullptr);
        focus->setFocus();
        QApplication::processEvents();
        return focus;
    }

    Application app{[] {}};
    std::optional<testing::DialogScript> dialogs;
};

TEST_P(KeyboardAndCopy, EnterPressesItsButtonEscapeOnlyOkAndCtrlShiftCCopiesTheWindow)
{
    const KeyCase& c = GetParam();
    const bool information = c.form == "frmAbout" || c.form == "helpfrm";
    if (!c.disabled.empty())
        app.windows()
            .find(QString::fromStdString(c.form))
            ->findChild<QAbstractButton*>(QString::fromStdString(c.disabled))
            ->setEnabled(false);
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool presses;
    } keys[] = {{Qt::Key_Return, Qt::NoModifier, true},
                {Qt::Key_Enter, Qt::KeypadModifier, true},
                {Qt::Key_Escape, Qt::NoModifier, information}};
    for (const auto& key : keys) {
        SCOPED_TRACE(QTest::toString(QKeySequence(key.key)));
        for (std::size_t i = 0; key.presses && i < c.replies.size(); ++i)
            dialogs->input(QString::fromStdString(statistics::xprompt(static_cast<int>(i) + 1)),
                           QString::fromStdString(c.replies[i]), "Data Required");
        QWidget* focus = focused();
        std::map<std::string, std::unique_ptr<QSignalSpy>> spies;
        for (QAbstractButton* button : focus->window()->findChildren<QAbstractButton*>())
            spies[Name(button)] = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        QTest::keyClick(focus, static_cast<Qt::Key>(key.key), key.modifiers);
        QApplication::processEvents();
        for (const auto& [name, spy] : spies)
            EXPECT_EQ(spy->count(), key.presses && name == c.presses ? 1 : 0) << name;
    }
    if (c.copied.empty())
        return;
    QWidget* window = focused()->window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) {
        return l.startsWith(QString::fromStdString(c.copied));
    })) << QApplication::clipboard()->text().left(2000).toStdString();
}

// Every answer the window shows, in a field (some answer fields can be typed
// into) or in a label, selects and copies with the keyboard.
TEST_P(KeyboardAndCopy, EveryAnswerSelectsAndCopiesWithCtrlAAndCtrlC)
{
    if (GetParam().copied.empty())
        GTEST_SKIP() << "no answers";
    QWidget* window = focused()->window();
    std::vector<QWidget*> controls;
    Collect(window, controls);
    int answers = 0;
    for (QWidget* control : controls) {
        auto* label = qobject_cast<QLabel*>(control);
        auto* line = qobject_cast<QLineEdit*>(control);
        auto* area = qobject_cast<QPlainTextEdit*>(control);
        const bool answerLabel = label != nullptr && (label->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        if (!control->isVisible() || !(answerLabel || line != nullptr || area != nullptr))
            continue;
        SCOPED_TRACE(Name(control));
        // Focus first: a field that empties itself on entry has nothing to copy.
        control->setFocus();
        const QString text = answerLabel       ? label->text()
                             : line != nullptr ? line->text()
                                               : area->property("plainText").toString();
        if (text.isEmpty())
            continue;
        ++answers;
        QApplication::clipboard()->clear();
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(control, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), text);
    }
    EXPECT_GT(answers, 0);
}

INSTANTIATE_TEST_SUITE_P(Known, KeyboardAndCopy, ::testing::ValuesIn(KeyCases()),
                         [](const ::testing::TestParamInfo<KeyCase>& info) {
                             return info.param.form + "_" + std::to_string(info.index);
                         });

} // namespace
} // namespace zentaro::shell
