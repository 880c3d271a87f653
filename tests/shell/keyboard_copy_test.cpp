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
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>

namespace zentaro::cases {
// A failing case is named by its line.
static void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.where;
}
} // namespace zentaro::cases

namespace zentaro::shell {
namespace {

using testing::Name;

// A case is a line of controls/keys.txt (its columns are explained there).
class KeyboardAndCopy : public ::testing::TestWithParam<cases::Case> {
protected:
    void SetUp() override
    {
        QString error;
        const auto scripts = tools::ReadScripts(QStringLiteral(ZENTARO_SCREENSHOT_SCRIPTS), error);
        ASSERT_TRUE(scripts.has_value()) << error.toStdString();
        if (const auto script = scripts->find(form()); script != scripts->end()) {
            const tools::ScriptResult result =
                tools::RunScript([&] { return app.windows().show(form()); }, script->second);
            ASSERT_EQ(result.error.toStdString(), "");
        }
        dialogs.emplace();
    }
    void TearDown() override { dialogs->checkDone(); }

    QString form() const { return QString::fromStdString(GetParam().inputs.at(0)); }
    // The window under test, shown, active and with the focus where the case puts it.
    QWidget* focused()
    {
        QWidget* window = app.windows().show(form());
        QApplication::setActiveWindow(window);
        const std::string& name = GetParam().inputs.at(1);
        QWidget* focus = name.empty() ? window : window->findChild<QWidget*>(QString::fromStdString(name));
        EXPECT_NE(focus, nullptr);
        focus->setFocus();
        QApplication::processEvents();
        return focus;
    }

    Application app{[] {}};
    std::optional<testing::DialogScript> dialogs;
};

// Last, every answer the window shows, in a field (some answer fields can be
// typed into) or in a label, selects and copies with Ctrl+A and Ctrl+C.
TEST_P(KeyboardAndCopy, EnterPressesItsButtonEscapeOnlyOkCtrlShiftCCopiesTheWindowAndCtrlACCopiesEachAnswer)
{
    const std::vector<std::string>& in = GetParam().inputs;
    const std::string& copied = GetParam().expected;
    const bool information = form() == "frmAbout" || form() == "helpfrm";
    if (!in.at(3).empty())
        app.windows().find(form())->findChild<QAbstractButton*>(QString::fromStdString(in[3]))->setEnabled(false);
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool presses;
    } keys[] = {{Qt::Key_Return, Qt::NoModifier, true},
                {Qt::Key_Enter, Qt::KeypadModifier, true},
                {Qt::Key_Escape, Qt::NoModifier, information}};
    for (const auto& key : keys) {
        SCOPED_TRACE(QTest::toString(QKeySequence(key.key)));
        for (std::size_t i = 4; key.presses && i < in.size(); ++i)
            dialogs->input(QString::fromStdString(statistics::xprompt(static_cast<int>(i) - 3)),
                           QString::fromStdString(in[i]), "Data Required");
        QWidget* focus = focused();
        std::map<std::string, std::unique_ptr<QSignalSpy>> spies;
        for (QAbstractButton* button : focus->window()->findChildren<QAbstractButton*>())
            spies[Name(button)] = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        QTest::keyClick(focus, static_cast<Qt::Key>(key.key), key.modifiers);
        QApplication::processEvents();
        for (const auto& [name, spy] : spies)
            EXPECT_EQ(spy->count(), key.presses && name == in.at(2) ? 1 : 0) << name;
    }
    if (copied.empty())
        return;
    QWidget* window = focused()->window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) {
        return l.startsWith(QString::fromStdString(copied));
    })) << QApplication::clipboard()->text().left(2000).toStdString();

    int answers = 0;
    for (QWidget* control : testing::FormControls(window)) {
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

INSTANTIATE_TEST_SUITE_P(Known, KeyboardAndCopy, ::testing::ValuesIn(cases::Read("controls/keys.txt")),
                         [](const auto& info) { return info.param.inputs.at(0) + "_" + std::to_string(info.index); });

} // namespace
} // namespace zentaro::shell
