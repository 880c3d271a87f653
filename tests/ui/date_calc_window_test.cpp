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
    void tab() { key(Qt::Key_Tab); }
    void backtab() { key(Qt::Key_Backtab, Qt::ShiftModifier); }
    // Typed where the cursor stands, over the selection if there is one.
    void typed(const QString& text)
    {
        for (const QChar c : text)
            key(c.toUpper().unicode(), Qt::NoModifier, QString(c));
    }
    // Typed over whatever the focused field holds.
    void keys(const QString& text)
    {
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        typed(text);
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

// Read-only fields are drawn grey, as a field that takes no typing.
TEST_F(DatecalcTest, OpensAtTheFirstDateWithDaysChosenAndReadOnlyFieldsGrey)
{
    EXPECT_EQ(focused(), "Date11");
    for (const char* name : {"opndays1", "opndays2", "opndays3"})
        EXPECT_TRUE(option(name)->isChecked()) << name;
    for (QLineEdit* f : window->findChildren<QLineEdit*>()) {
        SCOPED_TRACE(f->objectName().toStdString());
        const QImage look = f->grab().toImage();
        const QPalette::ColorRole role = f->isReadOnly() ? QPalette::Button : QPalette::Base;
        EXPECT_EQ(look.pixelColor(look.width() - 6, look.height() / 2), f->palette().color(role));
    }
}

// Only text the person changed is checked on the way out: the untouched
// placeholder, or the placeholder typed again, is left for the buttons to refuse.
TEST_F(DatecalcTest, LeavingADateFieldChecksOnlyWhatWasTyped)
{
    const struct {
        const char* typed;
        bool refused;
    } cases[] = {{"05/12/2026", false}, {"31/02/2003", false}, {"dd/mm/yyyy", false}, {"5/12/2026", true}, {"", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        mouseClick("Date11");
        ASSERT_EQ(focused(), "Date11");
        keys(c.typed);
        if (c.refused)
            dialogs.message(kWrongDate);
        tab();
        dialogs.checkDone();
        EXPECT_EQ(focused(), "Date12");
        EXPECT_EQ(shown("Date11"), c.refused ? "dd/mm/yyyy" : c.typed);
        backtab(); // Date12 untouched: no message
        dialogs.checkDone();
    }
}

TEST_F(DatecalcTest, TabbingThroughTheUntouchedWindowShowsNoMessage)
{
    const char* const stops[] = {"Date11",   "Date12",   "opndays1", "Command1", "a1",       "Date21",
                                 "a2",       "opndays2", "Command2", "Date22",   "Date31",   "a3",
                                 "opndays3", "Command3", "Date32",   "Date4",    "Command4", "a4"};
    for (const char* stop : stops) {
        ASSERT_EQ(focused(), stop);
        tab();
        dialogs.checkDone();
    }
    EXPECT_EQ(texts("Date11 a2 a3 Date4"), "dd/mm/yyyy|||dd/mm/yyyy");
}

// A button computes only from real dates: it refuses the first field that holds
// none, gives it the focus with its text selected, and puts its own result back
// to its opening text, so the answer of the earlier dates does not stay.
TEST_F(DatecalcTest, AButtonRefusesAFieldWithoutARealDate)
{
    const struct {
        const char *field, *text, *button, *result, *opening;
    } cases[] = {
        {"Date4", "dd/mm/yyyy", "Command4", "a4", "[Weekday]"},
        {"Date4", "ab/cd/efgh", "Command4", "a4", "[Weekday]"},
        {"Date11", "31/02/2003", "Command1", "a1", "xxxxx"},
        {"Date12", "00/01/2003", "Command1", "a1", "xxxxx"},
        {"Date21", "15/13/2003", "Command2", "Date22", "dd/mm/yyyy"},
        {"Date31", "01/01/0000", "Command3", "Date32", "dd/mm/yyyy"},
        {"Date31", "29/02/2023", "Command3", "Date32", "dd/mm/yyyy"},
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

// Leaving a badly formed field by a click on a button shows the message and
// resets the field; the button's command is then not carried out. A click on an
// option button still is.
TEST_F(DatecalcTest, AClickThatLeavesABadFieldIsNotCarriedOutByAButton)
{
    type("Date11", "05/12/2026");
    mouseClick("Date12");
    keys("5/12/2026");
    dialogs.message(kWrongDate);
    mouse("Command1", QEvent::MouseButtonPress);
    dialogs.checkDone();
    mouse("Command1", QEvent::MouseButtonRelease);
    EXPECT_EQ(texts("Date12 a1"), "dd/mm/yyyy|xxxxx");
    mouseClick("Date12");
    keys("01/01/2000");
    mouseClick("Command1");
    EXPECT_EQ(shown("a1"), "9835");

    mouseClick("Date21");
    keys("1/1/2000");
    dialogs.message(kWrongDate);
    mouseClick("opnyrs2");
    EXPECT_TRUE(option("opnyrs2")->isChecked());
}

TEST_F(DatecalcTest, BoxesAndOtherWindowsAreNotLeavingTheField)
{
    type("Date31", "05/12/2026");
    dialogs.runtimeError(13, "Type mismatch");
    click("Command3"); // a box over the window while Date11 has the focus
    settle();
    dialogs.checkDone();
    visitOtherWindow();
    EXPECT_EQ(focused(), "Date11");
    window->close();
    QApplication::processEvents();
}

// A click selects what a field opened with, so typing replaces it. The amount's
// placeholder makes way when the field is entered; a typed amount is kept.
TEST_F(DatecalcTest, TypingAfterAClickReplacesAndATypedAmountIsKept)
{
    mouseClick("Date21");
    typed("28/02/2000");
    tab();
    ASSERT_EQ(focused(), "a2");
    EXPECT_EQ(shown("a2"), "");
    typed("1");
    mouseClick("Command2");
    EXPECT_EQ(shown("Date22"), " 29/ 2/ 2000");

    mouseClick("a2");
    EXPECT_EQ(field("a2")->selectedText(), "1");
    typed("2");
    tab();
    backtab();
    EXPECT_EQ(shown("a2"), "2");
    mouseClick("Command2");
    EXPECT_EQ(shown("Date22"), " 1/ 3/ 2000");

    mouseClick("a3");
    EXPECT_EQ(shown("a3"), "");
    typed("1");
    visitOtherWindow();
    EXPECT_EQ(shown("a3"), "1");
    mouseClick("Date31");
    typed("01/03/2000");
    mouseClick("Command3");
    EXPECT_EQ(shown("Date32"), " 29/ 2/ 2000");
    // A run-time error leaves the result at its opening text, not at the old answer.
    mouseClick("a3");
    typed("x");
    dialogs.runtimeError(13, "Type mismatch");
    mouseClick("Command3");
    EXPECT_EQ(texts("a3 Date32"), "x|dd/mm/yyyy");
}

TEST_F(DatecalcTest, EachButtonAnswersInItsUnit)
{
    // Amounts round half to even: day 110685.5 and month 3639.5.
    fill("Date11 Date12 Date21 a2 Date31 a3", {"05/12/2026", "01/01/2000", "15/01/2003", "2.5", "01/01/1700", "1"});
    const struct {
        const char *unit, *button, *result, *answer;
    } cases[] = {
        {"opndays1", "Command1", "a1", "9835"},
        {"opnmonths1", "Command1", "a1", "323"},
        {"opnyrs1", "Command1", "a1", "26"},
        {"opndays2", "Command2", "Date22", " 18/ 1/ 2003"},
        {"opnmonths2", "Command2", "Date22", "15/ 4/ 2003"},
        {"opnyrs2", "Command2", "Date22", " 15/ 1/ 2006"},
        {"opndays3", "Command3", "Date32", " 31/ 12/ 1699"},
        {"opnmonths3", "Command3", "Date32", "01/ 12/ 1699"},
        {"opnyrs3", "Command3", "Date32", " 1/ 1/ 1699"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        option(c.unit)->click();
        click(c.button);
        EXPECT_EQ(shown(c.result), c.answer);
    }
    type("Date4", "05/12/2026");
    click("Command4");
    EXPECT_EQ(shown("a4"), "Saturday");
}

// Enter in a date field leaves it as a click on "=" would: the check comes first.
TEST_F(DatecalcTest, EnterInADateFieldChecksItAndPressesItsButton)
{
    keys("05/12/2026");
    tab();
    keys("01/01/2000");
    key(Qt::Key_Return);
    EXPECT_EQ(shown("a1") + " " + focused(), "9835 Command1");

    // Enter and a click on "=" do the same after a refused date: nothing.
    std::string outcomes;
    for (const bool enter : {true, false}) {
        type("a1", "");
        mouseClick("Date11");
        keys("5/12/2026");
        dialogs.message(kWrongDate);
        if (enter)
            key(Qt::Key_Enter, Qt::KeypadModifier);
        else
            mouseClick("Command1");
        outcomes += shown("Date11") + " " + shown("a1") + " " + focused() + "|";
    }
    EXPECT_EQ(outcomes, "dd/mm/yyyy  Command1|dd/mm/yyyy  Command1|");
}

} // namespace
} // namespace zentaro::ui
