#include "ui/determinant_window.h"

#include "algebra/case_file.h"
#include "support/window_test.h"

#include <QGroupBox>

namespace zentaro::ui {
namespace {

using DeterminantWindowTest = testing::WindowTest<DeterminantWindow>;

TEST_F(DeterminantWindowTest, CaseTableInTheGrids)
{
    EXPECT_EQ(window->objectName() + " | " + window->windowTitle(), "detfrm | Determinants");
    const struct {
        const char *frame, *title, *button, *answer;
        std::vector<const char*> grid;
    } sizes[] = {
        {"Frame1", "2 X 2", "det22cmd", "ans22", {"x1", "x2", "y1", "y2"}},
        {"Frame2", "3 X 3", "det33cmd", "ans33", {"p1", "p2", "p3", "q1", "q2", "q3", "r1", "r2", "r3"}},
        {"Frame3",
         "4 X 4",
         "det44cmd",
         "ans44",
         {"a1", "a2", "a3", "a4", "b1", "b2", "b3", "b4", "c1", "c2", "c3", "c4", "d1", "d2", "d3", "d4"}},
    };
    for (const auto& s : sizes) {
        auto* button = testing::Find<QPushButton>(window.get(), s.button);
        EXPECT_EQ(testing::Find<QGroupBox>(window.get(), s.frame)->title(), s.title);
        EXPECT_EQ(button->parentWidget()->objectName(), s.frame);
        EXPECT_EQ(button->toolTip(), "Click here to calculate the value of the determinant");
    }
    for (const auto& c : algebra::testing::ReadCases("determinant.txt")) {
        SCOPED_TRACE(c.where);
        const auto& s = sizes[std::stoi(c.inputs[0]) - 2];
        for (std::size_t k = 0; k < s.grid.size(); ++k)
            type(s.grid[k], QString::fromStdString(c.inputs[k + 1]));
        type(s.answer, "earlier");
        if (c.expected == "Overflow")
            dialogs.runtimeError(6, "Overflow");
        click(s.button);
        EXPECT_EQ(text(s.answer), c.expected == "Overflow" ? "earlier" : QString::fromStdString(c.expected));
    }
}

} // namespace
} // namespace zentaro::ui
