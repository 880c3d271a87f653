// Enter, Escape, Ctrl+Shift+C and Ctrl+C in every window, with real key events,
// after the gallery script has put a correct answer into each calculator.
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
    const char* form;
    const char* focus;                     // the control Enter is pressed in; "" is the window itself
    const char* presses;                   // the button Enter presses there; "" for none
    const char* copied = "";               // a line of the window's Ctrl+Shift+C text, from its start
    std::vector<const char*> replies = {}; // to the x prompts each press opens
    const char* disabled = "";             // a button disabled first
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.form << " " << c.focus;
}

// Enter in a field presses the button after it in Tab order, or the one leading
// its row; About and Help press OK for Enter off a button and for Escape.
const KeyCase kCases[] = {
    {"startupfrm", "helpcmd", "helpcmd"},
    {"mainmenufrm", "recilargecmd", "recilargecmd"},
    {"frmAbout", "", "cmdOK"},
    {"helpfrm", "", "Command1"},
    {"addsubfrm", "addb", "addab", "Adder: 111111111011111111100"},
    {"fractions", "addtxt3", "addcmd", "Add two fractions: 19"},
    {"fractions", "smptxt2", "smpcmd", "Convert an improper fraction to mixed form: 22"},
    {"baseconvfrm", "base2txt", "convertbases", "To Base: 16"},
    {"detfrm", "p3", "det33cmd", "3 X 3: -306"},
    {"recifrm", "digits", "cmdrecicalc", "Number of Digits: 120"},
    {"gcdlcmfrm", "atxt", "comp", "GCD of a & b: 6"},
    {"gcdlcmfrm", "numprimfacttxt", "primfact", "Prime Factors of a: ¤   2( 3)"},
    {"randfrm", "nrand", "randgencmd", "Random Numbers: 0, 853, 3718"},
    {"romanfrm", "arabic", "", "Roman Numerals: MMXXIV"},
    {"primfrm", "endnum", "primegen", "prime numbers between: 1"},
    {"statisticsfrm", "enterxcmd", "enterxcmd", "Σx²: 18", {"3", "3", "00"}},
    {"regrnfrm", "enterxycmd", "enterxycmd", "Line of Regression: Insufficient Data", {"00"}},
    {"solvetrianglefrm", "sidectxt", "solvecmd", "Solution to the Triangle: B = 38.2132°"},
    {"solvetrianglefrm", "sidectxt", "", "A: 60", {}, "solvecmd"},
    {"quadcubfrm", "dtxt", "solvecmd", "Solution to the equation: α =(- 1/ 2)+(1/ 2)√ 5"},
    {"phyconstfrm", "etext", "", "Neutron Rest Energy: 1.50534315E-10 J"},
    {"vectorfrm", "bk", "compute", "a + b: ( 5)i +(-3)j +( 9)k"},
    {"vectorfrm", "rk", "comptriple", "|[a x b x c]|: 118.376517941693"},
    {"datecalcfrm", "Date12", "Command1", "Find the difference between two dates: 9835"},
    {"datecalcfrm", "Date4", "Command4", "Weekday of a particular Date: Saturday"},
    {"eqsolvefrm", "z2", "computexy", "x, y - 2 variables: x = 1; y = 2"},
};

class KeyboardAndCopy : public ::testing::TestWithParam<KeyCase> {
protected:
    void SetUp() override
    {
        QFile file(QStringLiteral(ZENTARO_SCREENSHOT_SCRIPTS));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString error;
        const auto scripts = tools::ParseScripts(file.readAll(), error);
        ASSERT_TRUE(scripts.has_value()) << error.toStdString();
        const QString form = QString::fromLatin1(GetParam().form);
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
        QWidget* window = app.windows().show(QString::fromLatin1(GetParam().form));
        QApplication::setActiveWindow(window);
        QWidget* focus = *GetParam().focus ? window->findChild<QWidget*>(GetParam().focus) : window;
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
    const bool information = std::string(c.form) == "frmAbout" || std::string(c.form) == "helpfrm";
    if (*c.disabled)
        app.windows().find(c.form)->findChild<QAbstractButton*>(c.disabled)->setEnabled(false);
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
            dialogs->input(QString::fromStdString(statistics::xprompt(static_cast<int>(i) + 1)), c.replies[i],
                           "Data Required");
        QWidget* focus = focused();
        std::map<std::string, std::unique_ptr<QSignalSpy>> spies;
        for (QAbstractButton* button : focus->window()->findChildren<QAbstractButton*>())
            spies[Name(button)] = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        QTest::keyClick(focus, static_cast<Qt::Key>(key.key), key.modifiers);
        QApplication::processEvents();
        for (const auto& [name, spy] : spies)
            EXPECT_EQ(spy->count(), key.presses && name == c.presses ? 1 : 0) << name;
    }
    if (!*c.copied)
        return;
    QWidget* window = focused()->window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(c.copied); }))
        << QApplication::clipboard()->text().left(2000).toStdString();
}

// Every answer the window shows, in a field (some answer fields can be typed
// into) or in a label, selects and copies with the keyboard.
TEST_P(KeyboardAndCopy, EveryAnswerSelectsAndCopiesWithCtrlAAndCtrlC)
{
    if (!*GetParam().copied)
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

INSTANTIATE_TEST_SUITE_P(Known, KeyboardAndCopy, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<KeyCase>& info) {
                             return std::string(info.param.form) + "_" + std::to_string(info.index);
                         });

} // namespace
} // namespace zentaro::shell
