// The working of the quadratic and linear-system windows, line by line, against
// steps worked by hand.
#include "algebra/linear_system.h"
#include "algebra/quadratic.h"

#include "conventions/case_file.h"

namespace zentaro::algebra {
namespace {

using cases::Args;

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
