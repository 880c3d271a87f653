#include "algebra/linear_system.h"
#include "algebra/quadratic.h"

#include "algebra/case_file.h"
#include "conventions/numbers.h"

namespace zentaro::algebra {
namespace {

using cases::Args;
using cases::Text;

// Recorded or not, the answer is the same, and the working ends with it as the
// answer field shows it.
TEST(Quadratic, AnswersOfTheCaseTable)
{
    for (const auto& c : testing::ReadCases("quadratic.txt")) {
        SCOPED_TRACE(c.where);
        const double b = ParseNumber(c.inputs[0]), cx = ParseNumber(c.inputs[1]), d = ParseNumber(c.inputs[2]);
        const bool integral = c.inputs[3] == "I";
        std::vector<std::string> steps;
        if (c.expected == kNoEquation || c.expected == kLinearEquation) {
            EXPECT_EQ(notquadratic(b, cx), c.expected);
            EXPECT_EQ(notquadratic(b, cx, Working(steps)), c.expected);
            EXPECT_EQ(steps.back(), c.expected);
        } else if (c.expected == "Overflow") {
            EXPECT_THROW(quadroots(b, cx, d, integral), RuntimeError);
        } else {
            EXPECT_EQ(quadroots(b, cx, d, integral), c.expected);
            EXPECT_EQ(quadroots(b, cx, d, integral, Working(steps)), c.expected);
            EXPECT_EQ(steps.back(), answerglyphs(c.expected));
        }
    }
}

TEST(Quadratic, WholeNumberHelpers)
{
    cases::Run("algebra/factors.txt", {
                                          {"gcd", [](const Args& a) { return Text(gcd(a.number(0), a.number(1))); }},
                                          {"dmax", [](const Args& a) { return Text(dmax(a.number(0), a.number(1))); }},
                                          {"prime", [](const Args& a) { return Text(prime(a.number(0))); }},
                                      });
}

// The working of the quadratic and linear-system windows, line by line, against
// steps worked by hand.

cases::Worker Roots(bool surd)
{
    return [surd](const Args& a, Working w) { quadroots(a.number(0), a.number(1), a.number(2), surd, w); };
}

TEST(Working, AlgebraStepsMatchTheStepsWorkedByHand)
{
    cases::RunWorked("algebra/working.txt", {{"surd", Roots(true)},
                                             {"decimal", Roots(false)},
                                             {"cramer2",
                                              [](const Args& a, Working w) {
                                                  cramer2(a.number(0), a.number(1), a.number(2), a.number(3),
                                                          a.number(4), a.number(5), w);
                                              }},
                                             {"cramer3", [](const Args& a, Working w) {
                                                  Square3 m{};
                                                  for (std::size_t i = 0; i < m.size(); ++i)
                                                      m[i] = a.number(i);
                                                  cramer3(m, {a.number(9), a.number(10), a.number(11)}, w);
                                              }}});
}

} // namespace
} // namespace zentaro::algebra
