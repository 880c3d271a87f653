#include "ui/determinant_window.h"

#include "algebra/case_file.h"
#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using DeterminantWindowTest = testing::WindowTest<DeterminantWindow>;

// The shared case table through the grids: each button reads its own grid in
// reading order, and an Overflow leaves the answer as it was.
TEST_F(DeterminantWindowTest, CaseTableInTheGrids)
{
    const struct {
        const char *grid, *button, *answer;
    } sizes[] = {{"x1 x2 y1 y2", "det22cmd", "ans22"},
                 {"p1 p2 p3 q1 q2 q3 r1 r2 r3", "det33cmd", "ans33"},
                 {"a1 a2 a3 a4 b1 b2 b3 b4 c1 c2 c3 c4 d1 d2 d3 d4", "det44cmd", "ans44"}};
    for (const auto& c : algebra::testing::ReadCases("determinant.txt")) {
        SCOPED_TRACE(c.where);
        const auto& s = sizes[std::stoi(c.inputs[0]) - 2];
        QStringList values;
        for (std::size_t k = 1; k < c.inputs.size(); ++k)
            values << QString::fromStdString(c.inputs[k]);
        fill(s.grid, values);
        type(s.answer, "earlier");
        if (c.expected == "Overflow")
            dialogs.runtimeError(6, "Overflow");
        click(s.button);
        EXPECT_EQ(text(s.answer), c.expected == "Overflow" ? "earlier" : QString::fromStdString(c.expected));
    }
}

} // namespace
} // namespace zentaro::ui
