// The shared algebra case tables through the windows: each button reads its own
// fields in reading order.
#include "ui/determinant_window.h"
#include "ui/linear_system_window.h"

#include "conventions/case_file.h"
#include "support/window_test.h"

namespace zentaro::ui {
namespace {

struct Size {
    const char *fields, *button, *answer;
};

// A case's first input is its order, 2 to 4, which picks one of `sizes`; the
// answer shows `afterOverflow` when the case ends in an Overflow.
template <typename Window> class CaseTableTest : public testing::WindowTest<Window> {
protected:
    void run(const std::string& file, const Size (&sizes)[3], const QString& afterOverflow)
    {
        for (const auto& c : cases::Read("algebra/" + file)) {
            SCOPED_TRACE(c.where);
            const Size& s = sizes[std::stoi(c.inputs[0]) - 2];
            QStringList values;
            for (std::size_t k = 1; k < c.inputs.size(); ++k)
                values << QString::fromStdString(c.inputs[k]);
            this->fill(s.fields, values);
            testing::Find<QWidget>(this->window.get(), s.answer)->setProperty("text", "earlier");
            if (c.expected == "Overflow")
                this->dialogs.runtimeError(6, "Overflow");
            this->click(s.button);
            EXPECT_EQ(this->text(s.answer),
                      c.expected == "Overflow" ? afterOverflow : QString::fromStdString(c.expected));
        }
    }
};
using DeterminantWindowTest = CaseTableTest<DeterminantWindow>;
using LinearSystemWindowTest = CaseTableTest<LinearSystemWindow>;

// An Overflow leaves the determinant as it was.
TEST_F(DeterminantWindowTest, CaseTableInTheGrids)
{
    run("determinant.txt",
        {{"x1 x2 y1 y2", "det22cmd", "ans22"},
         {"p1 p2 p3 q1 q2 q3 r1 r2 r3", "det33cmd", "ans33"},
         {"a1 a2 a3 a4 b1 b2 b3 b4 c1 c2 c3 c4 d1 d2 d3 d4", "det44cmd", "ans44"}},
        "earlier");
}

// The answer is emptied before an Overflow can stop the handler.
TEST_F(LinearSystemWindowTest, CaseTableInTheFrames)
{
    run("linear.txt",
        {{"x1 y1 z1 x2 y2 z2", "computexy", "xyans"},
         {"p1 q1 r1 s1 p2 q2 r2 s2 p3 q3 r3 s3", "computexyz", "xyzans"},
         {"a1 b1 c1 d1 e1 a2 b2 c2 d2 e2 a3 b3 c3 d3 e3 a4 b4 c4 d4 e4", "computexyzu", "xyzuans"}},
        "");
}

} // namespace
} // namespace zentaro::ui
