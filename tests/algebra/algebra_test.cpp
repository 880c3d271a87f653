#include "algebra/determinant.h"
#include "algebra/linear_system.h"
#include "algebra/quadratic.h"

#include "conventions/case_file.h"
#include "conventions/numbers.h"
#include "support/quadratic_roots_check.h"

#include <random>

namespace zentaro::algebra {
namespace {

using cases::Args;
using cases::Text;

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

TEST(QuadraticRoots, AgreeWithTheFormulaOnSmallCoefficientsAllRoundAndRandomOnesUpToThe32BitRange)
{
    for (long long b = -8; b <= 8; ++b) {
        for (long long c = -16; c <= 16; ++c) {
            for (long long d = -16; d <= 16 && b != 0; ++d)
                ASSERT_EQ(zentaro::testing::CheckExactRoots(b, c, d), "") << b << ", " << c << ", " << d;
        }
    }
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<long long> bd(-10000, 10000), cs(-46000, 46000);
    for (int k = 0; k < 600; ++k) {
        const long long b = bd(random), c = cs(random);
        long long d = bd(random);
        while (std::llabs(c * c - 4 * b * d) > 2147483647)
            d /= 2;
        if (b != 0) {
            ASSERT_EQ(zentaro::testing::CheckExactRoots(b, c, d), "") << b << ", " << c << ", " << d;
        }
    }
}

// The fields of a case line, read as the window reads them (1e999 overflowing):
// b, c, d and "I" for "Integral" mode; or the order or count of unknowns, then
// the fields row by row.
std::vector<double> Numbers(const std::vector<std::string>& fields)
{
    std::vector<double> v;
    for (const auto& text : fields)
        v.push_back(ParseNumber(text));
    return v;
}

std::string Quadratic(const std::vector<std::string>& in, Working w)
{
    const std::vector<double> v = Numbers(in);
    return v[0] == 0 ? std::string(notquadratic(v[0], v[1], w)) : quadroots(v[0], v[1], v[2], in[3] == "I", w);
}

std::string Determinant(const std::vector<std::string>& in, Working w)
{
    const std::vector<double> v = Numbers(in);
    if (v[0] == 2)
        return FormatPlain(det2(v[1], v[2], v[3], v[4], w));
    if (v[0] == 3)
        return FormatPlain(det({v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]}, w));
    return FormatPlain(delta(
        {v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15], v[16]}, w));
}

std::string Cramer(const std::vector<std::string>& in, Working w)
{
    const std::vector<double> v = Numbers(in);
    if (v[0] == 2)
        return cramer2(v[1], v[2], v[3], v[4], v[5], v[6], w);
    if (v[0] == 3)
        return cramer3({v[1], v[2], v[3], v[5], v[6], v[7], v[9], v[10], v[11]}, {v[4], v[8], v[12]}, w);
    return cramer4(
        {v[1], v[2], v[3], v[4], v[6], v[7], v[8], v[9], v[11], v[12], v[13], v[14], v[16], v[17], v[18], v[19]},
        {v[5], v[10], v[15], v[20]}, w);
}

// Recorded or not, the same answer, and the working ends with it as the answer
// field shows it (the solver's with its own glyphs).
TEST(Algebra, CaseTablesOfQuadraticsDeterminantsAndSystems)
{
    const auto same = [](std::string_view answer) { return std::string(answer); };
    const auto glyphs = [](std::string_view answer) {
        return answer == kNoEquation || answer == kLinearEquation ? std::string(answer) : answerglyphs(answer);
    };
    for (const auto& [file, solve, shown] :
         {std::tuple{"quadratic.txt", &Quadratic, +glyphs}, std::tuple{"determinant.txt", &Determinant, +same},
          std::tuple{"linear.txt", &Cramer, +same}}) {
        for (const auto& c : cases::Read(std::string("algebra/") + file, 11)) {
            SCOPED_TRACE(c.where);
            if (c.expected == "Overflow") {
                EXPECT_THROW(solve(c.inputs, {}), RuntimeError);
                continue;
            }
            std::vector<std::string> steps;
            EXPECT_EQ(solve(c.inputs, {}), c.expected);
            EXPECT_EQ(cases::EndingWith(solve(c.inputs, Working(steps)), steps, shown(c.expected)), c.expected);
        }
    }
}

} // namespace
} // namespace zentaro::algebra
