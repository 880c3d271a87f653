#include "ui/date_calc_window.h"

#include "support/window_test.h"

#include <QApplication>
#include <QWindow>

#include <string>

// The entry points through which the window system hands over a person's keys and
// clicks (exported by Qt GUI for test drivers): focus changes, modal blocking and
// all happen as with real input.
void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                       const QString& text = QString(), bool autorepeat = false, ushort count = 1);
void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global, Qt::MouseButtons state,
                         Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers modifiers, int timestamp);

namespace zentaro::ui {
namespace {

const QString kWrongDate = QStringLiteral("Please enter the date in the correct dd/mm/yyyy format!");

class DatecalcTest : public testing::WindowTest<DatecalcWindow> {
protected:
    // A window manager activates the window again once a box over it has closed;
    // the offscreen platform leaves that to us.
    void settle()
    {
        QApplication::processEvents();
        if (!window->isActiveWindow()) {
            window->activateWindow();
            QApplication::processEvents();
        }
    }
    void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        qt_handleKeyEvent(window->windowHandle(), QEvent::KeyPress, code, modifiers, text);
        qt_handleKeyEvent(window->windowHandle(), QEvent::KeyRelease, code, modifiers, text);
        settle();
    }
    // Typed where the cursor stands, over the selection if there is one.
    void typed(const QString& text)
    {
        for (const QChar c : text)
            key(c.toUpper().unicode(), Qt::NoModifier, QString(c));
    }
    void mouse(const char* name, QEvent::Type type)
    {
        auto* target = testing::Find<QWidget>(window.get(), name);
        const QPoint centre = target->rect().center();
        const bool press = type == QEvent::MouseButtonPress;
        qt_handleMouseEvent(window->windowHandle(), target->mapTo(window.get(), centre), target->mapToGlobal(centre),
                            press ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton, type, Qt::NoModifier,
                            timestamp_ += 1000);
        settle();
    }
    void mouseClick(const char* name)
    {
        mouse(name, QEvent::MouseButtonPress);
        mouse(name, QEvent::MouseButtonRelease);
    }
    // Another window takes the activation, and the person comes back.
    void visitOtherWindow()
    {
        QWidget other;
        other.show();
        other.activateWindow();
        QApplication::processEvents();
        ASSERT_FALSE(window->isActiveWindow());
        settle();
    }
    std::string focused() const
    {
        QWidget* widget = QApplication::focusWidget();
        return widget == nullptr ? "(none)" : widget->objectName().toStdString();
    }
    std::string shown(const char* name) { return text(name).toStdString(); }

private:
    int timestamp_ = 0;
};

// Tab through the untouched window, from the first date it opens at, shows no message.
TEST_F(DatecalcTest, TabbingThroughTheUntouchedWindowShowsNoMessage)
{
    for (const char* stop : {"Date11", "Date12", "opndays1", "Command1", "a1", "Date21", "a2", "opndays2", "Command2",
                             "Date22", "Date31", "a3", "opndays3", "Command3", "Date32", "Date4", "Command4", "a4"}) {
        ASSERT_EQ(focused(), stop);
        key(Qt::Key_Tab);
        dialogs.checkDone();
    }
    EXPECT_EQ(texts("Date11 a2 a3 Date4"), "dd/mm/yyyy|||dd/mm/yyyy");
}

// Only text the person changed is checked on the way out: the untouched
// placeholder, or the placeholder typed again, is left for the buttons to refuse.
// A refused text goes back to the placeholder. The click on an option that left
// the field still chooses it; after a refused date neither a click on "=" nor
// Enter carries out its command.
TEST_F(DatecalcTest, LeavingADateFieldChecksOnlyWhatWasTyped)
{
    enum Leave { Tab, Option, Button, Enter };
    const struct {
        const char *field, *typed;
        Leave by;
        const char* to;
        bool refused;
    } cases[] = {
        {"Date11", "05/12/2026", Tab, "Date12", false},
        {"Date11", "31/02/2003", Tab, "Date12", false},
        {"Date11", "dd/mm/yyyy", Tab, "Date12", false},
        {"Date11", "5/12/2026", Tab, "Date12", true},
        {"Date11", "", Tab, "Date12", true},
        {"Date21", "1/1/2000", Option, "opnyrs2", true},
        {"Date11", "5/12/2026", Button, "Command1", true},
        {"Date11", "5/12/2026", Enter, "Command1", true},
    };
    type("a1", "");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " " + c.to);
        mouseClick(c.field); // leaves Date12 untouched: no message
        ASSERT_EQ(focused(), c.field);
        key(Qt::Key_A, Qt::ControlModifier); // typed over whatever the field holds
        key(Qt::Key_Delete);
        typed(c.typed);
        if (c.refused)
            dialogs.message(kWrongDate);
        if (c.by == Tab) {
            key(Qt::Key_Tab);
        } else if (c.by == Enter) {
            key(Qt::Key_Enter, Qt::KeypadModifier);
        } else { // the message comes as the button is pressed, before it is released
            mouse(c.to, QEvent::MouseButtonPress);
            dialogs.checkDone();
            mouse(c.to, QEvent::MouseButtonRelease);
        }
        dialogs.checkDone();
        EXPECT_EQ(focused(), c.to);
        EXPECT_EQ(shown(c.field), c.refused ? "dd/mm/yyyy" : c.typed);
        EXPECT_EQ(shown("a1"), "");
    }
    EXPECT_TRUE(option("opnyrs2")->isChecked());
}

// A button computes only from real dates: it refuses the first field that holds
// none, gives it the focus with its text selected, and puts its own result back
// to its opening text, so the answer of the earlier dates does not stay. One
// case a field; which texts are real dates is the calendar case table's.
TEST_F(DatecalcTest, AButtonRefusesAFieldWithoutARealDate)
{
    const struct {
        const char *field, *text, *button, *result, *opening;
    } cases[] = {
        {"Date4", "dd/mm/yyyy", "Command4", "a4", "[Weekday]"},
        {"Date11", "31/02/2003", "Command1", "a1", "xxxxx"},
        {"Date12", "00/01/2003", "Command1", "a1", "xxxxx"},
        {"Date21", "15/13/2003", "Command2", "Date22", "dd/mm/yyyy"},
        {"Date31", "01/01/0000", "Command3", "Date32", "dd/mm/yyyy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.text);
        fill("Date11 Date12 Date21 a2 Date31 a3 Date4",
             {"05/12/2026", "01/01/2000", "28/02/2000", "1", "01/03/2000", "1", "05/12/2026"});
        click(c.button);
        ASSERT_NE(shown(c.result), c.opening);
        type(c.field, c.text);
        dialogs.message(kWrongDate);
        click(c.button);
        settle();
        dialogs.checkDone();
        EXPECT_EQ(shown(c.result), c.opening);
        EXPECT_EQ(focused(), c.field);
        EXPECT_EQ(field(c.field)->selectedText().toStdString(), c.text);
    }
}

// A click selects what a field opened with, so typing replaces it. The amount's
// placeholder makes way when the field is entered; a typed amount is kept, also
// through a visit to another window. A box over the window or another window
// taking the activation is not leaving a field: no check of its bad date.
TEST_F(DatecalcTest, TypingAfterAClickReplacesAndATypedAmountIsKept)
{
    mouseClick("Date21");
    typed("28/02/2000");
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(), "a2");
    EXPECT_EQ(shown("a2"), "");
    typed("1");
    mouseClick("Command2");
    EXPECT_EQ(shown("Date22"), " 29/ 2/ 2000");
    mouseClick("a2");
    EXPECT_EQ(field("a2")->selectedText(), "1");
    typed("2");
    key(Qt::Key_Tab);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(shown("a2"), "2");

    mouseClick("a3");
    EXPECT_EQ(shown("a3"), "");
    typed("1");
    visitOtherWindow();
    EXPECT_EQ(shown("a3"), "1");
    mouseClick("Date31");
    typed("01/03/2000");
    mouseClick("Command3");
    EXPECT_EQ(shown("Date32"), " 29/ 2/ 2000");

    mouseClick("Date4");
    typed("5/12/2026");
    type("a3", "x");
    dialogs.runtimeError(13, "Type mismatch");
    click("Command3");
    settle();
    dialogs.checkDone();
    // A run-time error leaves the result at its opening text, not at the old answer.
    EXPECT_EQ(texts("a3 Date32"), "x|dd/mm/yyyy");
    visitOtherWindow();
    EXPECT_EQ(focused() + " " + shown("Date4"), "Date4 5/12/2026");
    dialogs.message(kWrongDate);
    key(Qt::Key_Tab);
}

TEST_F(DatecalcTest, EachButtonAnswersInItsUnit)
{
    // Amounts round half to even: day 110685.5 and month 3639.5.
    fill("Date11 Date12 Date21 a2 Date31 a3", {"05/12/2026", "01/01/2000", "15/01/2003", "2.5", "01/01/1700", "1"});
    const struct {
        const char *unit, *button, *result, *answer;
    } cases[] = {
        {"opnmonths1", "Command1", "a1", "323"},
        {"opnyrs1", "Command1", "a1", "26"},
        {"opnmonths2", "Command2", "Date22", "15/ 4/ 2003"},
        {"opnyrs2", "Command2", "Date22", " 15/ 1/ 2006"},
        {"opndays3", "Command3", "Date32", " 31/ 12/ 1699"},
        {"opnyrs3", "Command3", "Date32", " 1/ 1/ 1699"},
    };
    for (const auto& c : cases) {
        option(c.unit)->click();
        click(c.button);
        EXPECT_EQ(shown(c.result), c.answer) << c.unit;
    }
}

} // namespace
} // namespace zentaro::ui
