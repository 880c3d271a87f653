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
    // Typed over whatever the focused field holds.
    void keys(const QString& text)
    {
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
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

TEST_F(DatecalcTest, TabbingOutOfADateFieldChecksItsForm)
{
    const struct {
        const char* typed;
        bool refused;
    } cases[] = {{"05/12/2026", false}, {"5/12/2026", true}, {"", true}};
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
        dialogs.message(kWrongDate); // Date12 still shows the placeholder: refused every time
        backtab();
        dialogs.checkDone();
    }
}

TEST_F(DatecalcTest, EveryDateFieldIsCheckedOnTheWayThroughTheWindow)
{
    const char* const stops[] = {"Date11",   "Date12",   "opndays1", "Command1", "a1",       "Date21",
                                 "a2",       "opndays2", "Command2", "Date22",   "Date31",   "a3",
                                 "opndays3", "Command3", "Date32",   "Date4",    "Command4", "a4"};
    for (const char* stop : stops) {
        ASSERT_EQ(focused(), stop);
        if (std::string(stop).starts_with("Date") && stop != std::string("Date22") && stop != std::string("Date32"))
            dialogs.message(kWrongDate);
        tab();
        dialogs.checkDone();
    }
}

TEST_F(DatecalcTest, AClickElsewhereIsHandledAfterTheCheck)
{
    type("Date11", "05/12/2026");
    mouseClick("Date12");
    keys("5/12/2026");
    dialogs.message(kWrongDate); // Date12 reset first, then the click computes with it
    mouseClick("Command1");
    EXPECT_EQ(shown("Date12"), "dd/mm/yyyy");
    EXPECT_EQ(shown("a1"), "119408");
    mouseClick("Date12");
    keys("01/01/2000");
    mouseClick("Command1");
    EXPECT_EQ(shown("a1"), "9835");

    mouseClick("Date4");
    dialogs.message(kWrongDate);
    mouseClick("Date21");
    EXPECT_EQ(focused(), "Date21");
    dialogs.message(kWrongDate);
    mouseClick("opnyrs2");
    EXPECT_TRUE(option("opnyrs2")->isChecked());

    // The box takes the mouse release, yet the click comes, and only once:
    // each click on Command3 with the amount "xxxxx" raises one Type mismatch.
    mouseClick("Date31");
    dialogs.message(kWrongDate).runtimeError(13, "Type mismatch");
    mouse("Command3", QEvent::MouseButtonPress);
    dialogs.checkDone();
    mouse("Command3", QEvent::MouseButtonRelease);
}

TEST_F(DatecalcTest, BoxesAndOtherWindowsAreNotLeavingTheField)
{
    dialogs.runtimeError(13, "Type mismatch");
    click("Command3"); // a box over the window while Date11 has the focus
    settle();
    dialogs.checkDone();
    visitOtherWindow();
    EXPECT_EQ(focused(), "Date11");
    window->close();
    QApplication::processEvents();
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

    mouseClick("a2");
    keys("2");
    tab();
    backtab();
    EXPECT_EQ(shown("a2"), "");
    dialogs.runtimeError(13, "Type mismatch");
    mouseClick("Command2");
    EXPECT_EQ(shown("Date22"), " 29/ 2/ 2000");

    mouseClick("a2");
    keys("3");
    visitOtherWindow();
    EXPECT_EQ(shown("a2"), "3");

    mouseClick("Date21");
    keys("28-02-2000");
    dialogs.message(kWrongDate);
    tab();
    EXPECT_EQ(focused(), "a2");
    EXPECT_EQ(shown("a2"), "");
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
        {"opnyrs2", "Command2", "Date22", " 15/ 1/ 2005.5"},
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
    type("Date4", "01/13/2003");
    dialogs.runtimeError(9, "Subscript out of range");
    click("Command4");
    EXPECT_EQ(shown("a4"), "Saturday");
}

} // namespace
} // namespace zentaro::ui
