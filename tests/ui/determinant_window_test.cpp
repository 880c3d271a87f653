#include "ui/determinant_window.h"

#include "support/window_test.h"

#include <QGroupBox>
#include <QPushButton>

#include <initializer_list>
#include <vector>

namespace zentaro::ui {
namespace {

class DeterminantWindowTest : public testing::WindowTest<DeterminantWindow> {
protected:
    // Types the elements in reading order into the named fields.
    void fill(std::initializer_list<const char*> names, const std::vector<const char*>& values)
    {
        std::size_t i = 0;
        for (const char* name : names)
            type(name, QString::fromUtf8(values[i++]));
    }
    void fill22(const std::vector<const char*>& v) { fill({"x1", "x2", "y1", "y2"}, v); }
    void fill33(const std::vector<const char*>& v) { fill({"p1", "p2", "p3", "q1", "q2", "q3", "r1", "r2", "r3"}, v); }
    void fill44(const std::vector<const char*>& v)
    {
        fill({"a1", "a2", "a3", "a4", "b1", "b2", "b3", "b4", "c1", "c2", "c3", "c4", "d1", "d2", "d3", "d4"}, v);
    }
};

TEST_F(DeterminantWindowTest, ControlsAsDefined)
{
    EXPECT_EQ(window->objectName(), "detfrm");
    EXPECT_EQ(window->windowTitle(), "Determinants");
    const struct {
        const char *frame, *title, *button;
    } frames[] = {{"Frame1", "2 X 2", "det22cmd"}, {"Frame2", "3 X 3", "det33cmd"}, {"Frame3", "4 X 4", "det44cmd"}};
    for (const auto& f : frames) {
        SCOPED_TRACE(f.frame);
        auto* frame = testing::Find<QGroupBox>(window.get(), f.frame);
        auto* button = testing::Find<QPushButton>(window.get(), f.button);
        EXPECT_EQ(frame->title(), f.title);
        EXPECT_EQ(button->parentWidget(), frame);
        EXPECT_EQ(button->text(), "=");
        EXPECT_EQ(button->toolTip(), "Click here to calculate the value of the determinant");
        EXPECT_EQ(button->font().family(), "Arial");
    }
}

TEST_F(DeterminantWindowTest, WritesEachDeterminantIntoItsOwnField)
{
    const struct {
        std::vector<const char*> elements;
        const char* answer;
    } twos[] = {{{"1", "2", "3", "4"}, "-2"},
                {{"0.1", "0.2", "0.3", "0.4"}, "-0.02"},
                {{"", "", "", ""}, "0"},
                {{"2x", "abc", "1", "3"}, "6"}};
    for (const auto& c : twos) {
        SCOPED_TRACE(c.answer);
        fill22(c.elements);
        click("det22cmd");
        EXPECT_EQ(text("ans22"), c.answer);
    }

    const struct {
        std::vector<const char*> elements;
        const char* answer;
    } threes[] = {{{"1", "2", "3", "4", "5", "6", "7", "8", "10"}, "-3"},
                  {{"2", "0", "0", "0", "3", "0", "0", "0", "4"}, "24"},
                  {{"", "", "", "", "", "", "", "", ""}, "0"}};
    for (const auto& c : threes) {
        SCOPED_TRACE(c.answer);
        fill33(c.elements);
        click("det33cmd");
        EXPECT_EQ(text("ans33"), c.answer);
    }

    const struct {
        std::vector<const char*> elements;
        const char* answer;
    } fours[] = {{{"1", "2", "0", "1", "0", "1", "3", "2", "4", "0", "1", "0", "2", "1", "0", "3"}, "67"},
                 {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"}, "0"},
                 {{"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}, "0"}};
    for (const auto& c : fours) {
        SCOPED_TRACE(c.answer);
        fill44(c.elements);
        click("det44cmd");
        EXPECT_EQ(text("ans44"), c.answer);
    }
    // Each button writes its own field only.
    EXPECT_EQ(text("ans22"), "6");
    EXPECT_EQ(text("ans33"), "0");
}

TEST_F(DeterminantWindowTest, OverflowKeepsTheEarlierAnswer)
{
    const struct {
        const char *button, *answer, *field, *value;
    } cases[] = {{"det22cmd", "ans22", "x1", "1e200"},
                 {"det33cmd", "ans33", "p1", "1e999"},
                 {"det44cmd", "ans44", "a1", "1e300"}};
    fill22({"1", "2", "3", "4"});
    fill33({"1", "2", "3", "4", "5", "6", "7", "8", "10"});
    fill44({"1", "2", "0", "1", "0", "1", "3", "2", "4", "0", "1", "0", "2", "1", "0", "3"});
    type("y2", "1e200");
    type("q2", "1e200");
    type("b2", "1e200");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        click(c.button);
        const QString before = text(c.answer);
        EXPECT_FALSE(before.isEmpty());
        type(c.field, c.value);
        dialogs.runtimeError(6, "Overflow");
        click(c.button);
        EXPECT_EQ(text(c.answer), before);
    }
}

} // namespace
} // namespace zentaro::ui
