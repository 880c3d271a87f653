#include "ui/linear_system_window.h"

#include "algebra/case_file.h"
#include "support/window_test.h"

#include <QLabel>

namespace zentaro::ui {
namespace {

using LinearSystemWindowTest = testing::WindowTest<LinearSystemWindow>;

// The shared case table through the frames: each button reads its own equations,
// and the answer is emptied before an Overflow can stop the handler.
TEST_F(LinearSystemWindowTest, CaseTableInTheFrames)
{
    const struct {
        const char *equations, *button, *answer;
    } sizes[] = {{"x1 y1 z1 x2 y2 z2", "computexy", "xyans"},
                 {"p1 q1 r1 s1 p2 q2 r2 s2 p3 q3 r3 s3", "computexyz", "xyzans"},
                 {"a1 b1 c1 d1 e1 a2 b2 c2 d2 e2 a3 b3 c3 d3 e3 a4 b4 c4 d4 e4", "computexyzu", "xyzuans"}};
    for (const auto& c : algebra::testing::ReadCases("linear.txt")) {
        SCOPED_TRACE(c.where);
        const auto& s = sizes[std::stoi(c.inputs[0]) - 2];
        QStringList values;
        for (std::size_t k = 1; k < c.inputs.size(); ++k)
            values << QString::fromStdString(c.inputs[k]);
        fill(s.equations, values);
        testing::Find<QLabel>(window.get(), s.answer)->setText("earlier");
        if (c.expected == "Overflow")
            dialogs.runtimeError(6, "Overflow");
        click(s.button);
        EXPECT_EQ(text(s.answer), c.expected == "Overflow" ? "" : QString::fromStdString(c.expected));
    }
}

} // namespace
} // namespace zentaro::ui
