#include "ui/datecalc_window.h"

#include "shell/calculator_catalogue.h"
#include "support/window_test.h"

#include <QApplication>
#include <QRadioButton>
#include <QWindow>

#include <memory>

// The entry points the window system uses to hand over a person's keys and clicks
// (exported by Qt GUI for test drivers): events arrive exactly as real input does,
// focus changes, modal blocking and all.
void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                       const QString& text = QString(), bool autorepeat = false, ushort count = 1);
void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global, Qt::MouseButtons state,
                         Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers modifiers, int timestamp);

namespace zentaro::ui {
namespace {

const QString kWrongDate = QStringLiteral("Please enter the date in the correct dd/mm/yyyy format!");

class DatecalcTest : public testing::WindowTest<DatecalcWindow> {
protected:
    // A window manager gives the activation back to the window once a box over
    // it has closed; the offscreen platform leaves that to us.
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
    // Typed into whatever has the focus, over what it holds.
    void keys(const QString& text)
    {
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        for (const QChar c : text)
            key(c.toUpper().unicode(), Qt::NoModifier, QString(c));
    }
    void mouse(const char* name, QEvent::Type type)
    {
        QWidget* target = testing::Find<QWidget>(window.get(), name);
        const QPoint centre = target->rect().center();
        const bool press = type == QEvent::MouseButtonPress;
        timestamp_ += 1000;
        qt_handleMouseEvent(window->windowHandle(), target->mapTo(window.get(), centre), target->mapToGlobal(centre),
                            press ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton, type, Qt::NoModifier, timestamp_);
    }
    void mousePress(const char* name)
    {
        mouse(name, QEvent::MouseButtonPress);
        settle();
    }
    void mouseRelease(const char* name)
    {
        mouse(name, QEvent::MouseButtonRelease);
        settle();
    }
    void mouseClick(const char* name)
    {
        mouse(name, QEvent::MouseButtonPress);
        mouse(name, QEvent::MouseButtonRelease);
        settle();
    }
    std::string focused() const
    {
        QWidget* widget = QApplication::focusWidget();
        return widget == nullptr ? "(none)" : widget->objectName().toStdString();
    }
    std::string shown(const char* name) { return text(name).toStdString(); }
    QRadioButton* option(const char* name) { return testing::Find<QRadioButton>(window.get(), name); }

private:
    int timestamp_ = 0;
};

TEST_F(DatecalcTest, OpensWithPlaceholdersAndDaysSelected)
{
    EXPECT_EQ(window->objectName(), "datecalcfrm");
    EXPECT_EQ(window->windowTitle(), "Date Calculations");
    const struct {
        const char* name;
        const char* text;
        bool readOnly;
        const char* toolTip;
    } fields[] = {
        {"Date11", "dd/mm/yyyy", false, "Enter the 1st date here in the correct format"},
        {"Date12", "dd/mm/yyyy", false, "Enter the 2nd date here in the correct format"},
        {"a1", "xxxxx", true, ""},
        {"Date21", "dd/mm/yyyy", false, "Enter the date to which days/months/years are to be added"},
        {"a2", "xxxxx", false, "Enter here, the number of days/months/years to add"},
        {"Date22", "dd/mm/yyyy", true, ""},
        {"Date31", "dd/mm/yyyy", false, "Enter the date from which days/months/years are to be subtracted"},
        {"a3", "xxxxx", false, "Enter here, the number of days/months/years to subtract"},
        {"Date32", "dd/mm/yyyy", true, ""},
        {"Date4", "dd/mm/yyyy", false, "Enter the date to find the day of the week it falls on"},
        {"a4", "[Weekday]", true, ""},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(shown(f.name), f.text);
        EXPECT_EQ(field(f.name)->isReadOnly(), f.readOnly);
        EXPECT_EQ(field(f.name)->toolTip().toStdString(), f.toolTip);
        EXPECT_EQ(field(f.name)->font().family().toStdString(), "MS Sans Serif");
        // Results sit on the button face; inputs on the ordinary field colour.
        const QImage look = field(f.name)->grab().toImage();
        const QColor inside = look.pixelColor(look.width() - 6, look.height() / 2);
        const QPalette::ColorRole role = f.readOnly ? QPalette::Button : QPalette::Base;
        EXPECT_EQ(inside.name().toStdString(), field(f.name)->palette().color(role).name().toStdString());
    }
    for (const char* group : {"1", "2", "3"}) {
        SCOPED_TRACE(group);
        EXPECT_TRUE(option((std::string("opndays") + group).c_str())->isChecked());
        EXPECT_FALSE(option((std::string("opnmonths") + group).c_str())->isChecked());
        EXPECT_FALSE(option((std::string("opnyrs") + group).c_str())->isChecked());
    }
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "Command4")->text(), "was a ");
    EXPECT_EQ(focused(), "Date11");
}

TEST_F(DatecalcTest, LeavingADateFieldByTabChecksItsForm)
{
    const struct {
        const char* typed;
        bool refused;
    } cases[] = {
        {"05/12/2026", false}, {"5/12/2026", true},   {"05-12-2026", true},  {"ab/cd/efgh", false},
        {"dd/mm/yyyy", true},  {"05/12/20266", true}, {"99/99/9999", false}, {"", true},
    };
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
        // Date12 still shows the placeholder: leaving it back to Date11 is refused each time.
        dialogs.message(kWrongDate);
        backtab();
        dialogs.checkDone();
        EXPECT_EQ(focused(), "Date11");
    }
}

TEST_F(DatecalcTest, EveryDateFieldIsCheckedOnTheWayThroughTheWindow)
{
    // Tab order: Date11, Date12, the days option, Command1, a1, Date21, a2, ...
    const char* const stops[] = {"Date11",   "Date12",   "opndays1", "Command1", "a1",       "Date21",
                                 "a2",       "opndays2", "Command2", "Date22",   "Date31",   "a3",
                                 "opndays3", "Command3", "Date32",   "Date4",    "Command4", "a4"};
    const std::string dateFields = " Date11 Date12 Date21 Date31 Date4 ";
    for (std::size_t i = 0; i + 1 < std::size(stops); ++i) {
        SCOPED_TRACE(stops[i]);
        ASSERT_EQ(focused(), stops[i]);
        if (dateFields.find(std::string(" ") + stops[i] + " ") != std::string::npos)
            dialogs.message(kWrongDate);
        tab();
        dialogs.checkDone();
    }
    EXPECT_EQ(focused(), "a4");
}

TEST_F(DatecalcTest, ClickingElsewhereChecksTheFieldBeforeTheClickIsHandled)
{
    type("Date11", "05/12/2026");
    mouseClick("Date12");
    keys("5/12/2026");
    // The check comes first and resets Date12; the click then computes with the placeholder.
    dialogs.message(kWrongDate);
    mouseClick("Command1");
    EXPECT_EQ(shown("Date12"), "dd/mm/yyyy");
    EXPECT_EQ(shown("a1"), "119408");
    EXPECT_EQ(focused(), "Command1");

    // A well-formed date passes silently and is what the click computes with.
    mouseClick("Date12");
    keys("01/01/2000");
    mouseClick("Command1");
    EXPECT_EQ(shown("a1"), "9835");

    // Into another field and onto an option button.
    mouseClick("Date4");
    dialogs.message(kWrongDate);
    mouseClick("Date21");
    EXPECT_EQ(focused(), "Date21");
    dialogs.message(kWrongDate);
    mouseClick("opnyrs2");
    EXPECT_TRUE(option("opnyrs2")->isChecked());
}

TEST_F(DatecalcTest, AClickWhoseReleaseTheBoxSwallowedIsHandledOnce)
{
    // Command3 with "xxxxx" as amount raises Type mismatch: one box per click.
    dialogs.message(kWrongDate); // leaving Date11
    mouseClick("Date31");
    dialogs.checkDone();
    // Leaving Date31 for the button: the message, then the click's own box.
    dialogs.message(kWrongDate).runtimeError(13, "Type mismatch");
    mousePress("Command3");
    dialogs.checkDone();
    mouseRelease("Command3"); // no second click
    EXPECT_EQ(shown("Date32"), "dd/mm/yyyy");

    // Without a message the click comes with the release, as usual.
    mouseClick("a3");
    keys("1");
    mousePress("Command3");
    EXPECT_EQ(shown("Date32"), "dd/mm/yyyy");
    mouseRelease("Command3");
    EXPECT_EQ(shown("Date32"), " 30/ 12/ 1699");
}

TEST_F(DatecalcTest, BoxesAndOtherWindowsDoNotCountAsLeavingTheField)
{
    ASSERT_EQ(focused(), "Date11");
    // A box opening over the window while Date11 has the focus.
    dialogs.runtimeError(13, "Type mismatch");
    click("Command3");
    settle();
    dialogs.checkDone();
    EXPECT_EQ(focused(), "Date11");

    // Another window taking the activation and giving it back.
    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    ASSERT_FALSE(window->isActiveWindow());
    settle();
    EXPECT_EQ(focused(), "Date11");
    EXPECT_EQ(shown("Date11"), "dd/mm/yyyy");
}

TEST_F(DatecalcTest, TheAmountToAddIsEmptiedWheneverItGetsTheFocus)
{
    dialogs.message(kWrongDate); // leaving Date11
    mouseClick("Date21");
    keys("28/02/2000");
    tab();
    ASSERT_EQ(focused(), "a2");
    EXPECT_EQ(shown("a2"), "");
    keys("1");
    mouseClick("Command2");
    EXPECT_EQ(shown("Date22"), " 29/ 2/ 2000");

    // Coming back to a2 loses what it held; the empty amount is not a number.
    mouseClick("a2");
    EXPECT_EQ(shown("a2"), "");
    keys("2");
    tab();
    ASSERT_EQ(focused(), "opndays2");
    backtab();
    ASSERT_EQ(focused(), "a2");
    EXPECT_EQ(shown("a2"), "");
    dialogs.runtimeError(13, "Type mismatch");
    mouseClick("Command2");
    EXPECT_EQ(shown("Date22"), " 29/ 2/ 2000");

    // Another window in between is not coming back to the field.
    mouseClick("a2");
    keys("3");
    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    settle();
    EXPECT_EQ(focused(), "a2");
    EXPECT_EQ(shown("a2"), "3");

    // Reached by Tab from a refused date: the message, then a2 emptied.
    mouseClick("Date21");
    keys("28-02-2000");
    dialogs.message(kWrongDate);
    tab();
    EXPECT_EQ(focused(), "a2");
    EXPECT_EQ(shown("a2"), "");
}

TEST_F(DatecalcTest, DifferencesInEachUnit)
{
    const struct {
        const char* first;
        const char* second;
        const char* unit;
        const char* result;
    } cases[] = {
        {"05/12/2026", "01/01/2000", "opndays1", "9835"},   {"05/12/2026", "01/01/2000", "opnmonths1", "323"},
        {"05/12/2026", "01/01/2000", "opnyrs1", "26"},      {"01/01/2000", "05/12/2026", "opndays1", "-9835"},
        {"01/01/2000", "05/12/2026", "opnmonths1", "-323"}, {"01/01/2000", "05/12/2026", "opnyrs1", "-26"},
        {"01/01/1700", "31/12/1699", "opndays1", "1"},      {"dd/mm/yyyy", "dd/mm/yyyy", "opndays1", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " - " + c.second + " " + c.unit);
        type("Date11", c.first);
        type("Date12", c.second);
        option(c.unit)->click();
        click("Command1");
        EXPECT_EQ(shown("a1"), c.result);
    }
}

TEST_F(DatecalcTest, AddingAndSubtracting)
{
    const struct {
        const char* button;
        const char* unit;
        const char* date;
        const char* amount;
        const char* result;
    } cases[] = {
        {"Command2", "opndays2", "28/02/2000", "1", " 29/ 2/ 2000"},
        {"Command2", "opndays2", "05/12/2026", "2.5", " 7/ 12/ 2026"},
        {"Command2", "opndays2", "05/12/2026", "3.5", " 9/ 12/ 2026"},
        {"Command2", "opnmonths2", "31/01/2003", "1", "31/ 2/ 2003"},
        {"Command2", "opnmonths2", "15/01/2003", "2", "15/ 3/ 2003"},
        {"Command2", "opnyrs2", "15/01/2003", "2", " 15/ 1/ 2005"},
        {"Command2", "opnyrs2", "15/01/2003", "2.5", " 15/ 1/ 2005.5"},
        {"Command3", "opndays3", "01/01/1700", "1", " 31/ 12/ 1699"},
        {"Command3", "opndays3", "01/03/2000", "1", " 29/ 2/ 2000"},
        {"Command3", "opnmonths3", "15/03/2003", "3", "15/ 12/ 2002"},
        {"Command3", "opnyrs3", "29/02/2000", "100", " 29/ 2/ 1900"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + c.unit + " " + c.date + " " + c.amount);
        const bool add = std::string(c.button) == "Command2";
        type(add ? "Date21" : "Date31", c.date);
        type(add ? "a2" : "a3", c.amount);
        option(c.unit)->click();
        click(c.button);
        EXPECT_EQ(shown(add ? "Date22" : "Date32"), c.result);
    }
}

TEST_F(DatecalcTest, FailuresLeaveTheResultAsItWas)
{
    // Before anything is typed "xxxxx" is the amount.
    dialogs.runtimeError(13, "Type mismatch");
    click("Command3");
    EXPECT_EQ(shown("Date32"), "dd/mm/yyyy");

    type("Date31", "02/01/0001");
    type("a3", "1");
    click("Command3");
    EXPECT_EQ(shown("Date32"), " 1/ 1/ 1");
    type("Date31", "01/01/0001");
    dialogs.runtimeError(6, "Overflow");
    click("Command3");
    EXPECT_EQ(shown("Date32"), " 1/ 1/ 1");

    type("Date21", "05/12/2026");
    type("a2", "1E10");
    dialogs.runtimeError(6, "Overflow");
    click("Command2");
    EXPECT_EQ(shown("Date22"), "dd/mm/yyyy");
}

TEST_F(DatecalcTest, Weekdays)
{
    const struct {
        const char* date;
        const char* weekday;
    } cases[] = {
        {"05/12/2026", "Saturday"},  {"01/01/2000", "Saturday"}, {"dd/mm/yyyy", "Sunday"},
        {"01/01/1800", "Wednesday"}, {"01/01/0001", "Monday"},   {"ab/cd/efgh", "Sunday"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        type("Date4", c.date);
        click("Command4");
        EXPECT_EQ(shown("a4"), c.weekday);
    }
    type("Date4", "01/13/2003");
    dialogs.runtimeError(9, "Subscript out of range");
    click("Command4");
    EXPECT_EQ(shown("a4"), "Sunday");
}

TEST(DatecalcMenu, TheMenuButtonMakesTheWindow)
{
    for (const shell::CalculatorEntry& entry : shell::Calculators()) {
        if (entry.button != "Datecmd")
            continue;
        ASSERT_NE(entry.make, nullptr);
        const std::unique_ptr<QWidget> made(entry.make());
        EXPECT_EQ(made->objectName(), "datecalcfrm");
        EXPECT_EQ(entry.formName, "datecalcfrm");
        return;
    }
    ADD_FAILURE() << "no Datecmd row";
}

} // namespace
} // namespace zentaro::ui
