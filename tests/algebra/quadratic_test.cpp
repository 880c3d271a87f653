#include "algebra/quadratic.h"

#include "algebra/case_file.h"
#include "conventions/numbers.h"

namespace zentaro::algebra {
namespace {

TEST(Quadratic, AnswersOfTheCaseTable)
{
    for (const auto& c : testing::ReadCases("quadratic.txt")) {
        SCOPED_TRACE(c.where);
        const double b = ParseNumber(c.inputs[0]), cx = ParseNumber(c.inputs[1]), d = ParseNumber(c.inputs[2]);
        const bool integral = c.inputs[3] == "I";
        if (c.expected == kNoEquation || c.expected == kLinearEquation)
            EXPECT_EQ(notquadratic(b, cx), c.expected);
        else if (c.expected == "Overflow")
            EXPECT_THROW(quadroots(b, cx, d, integral), RuntimeError);
        else
            EXPECT_EQ(quadroots(b, cx, d, integral), c.expected);
    }
}

TEST(Quadratic, GcdDmaxAndPrime)
{
    const double gcds[][3] = {{12, 18, 6}, {18, 12, 6}, {7, 7, 7}, {0, 6, 6}, {6, 0, 6}, {1e15, 2, 2}, {35, 64, 1}};
    for (const auto& g : gcds)
        EXPECT_EQ(gcd(g[0], g[1]), g[2]) << g[0] << ", " << g[1];
    const double exponents[][3] = {{8, 2, 3},           {12, 3, 1},          {12, 5, 0},
                                   {1162261467, 3, 19}, {1073741824, 2, 30}, {2147483647, 2147483647, 1}};
    for (const auto& e : exponents)
        EXPECT_EQ(dmax(e[0], e[1]), e[2]) << e[0] << " in " << e[1];
    // The last two are 46327² and 46337², whose factor sits at the trial bound.
    const double primes[][2] = {{0, 0},  {1, 0},   {2, 1},          {3, 1},          {4, 0},         {9, 0},
                                {97, 1}, {121, 0}, {2147483647, 1}, {2146190929, 0}, {2147117569, 0}};
    for (const auto& p : primes)
        EXPECT_EQ(prime(p[0]), p[1]) << p[0];
    EXPECT_THROW(prime(2147483649.0), RuntimeError);
    EXPECT_THROW(dmax(2147483648.0, 2), RuntimeError);
}

} // namespace
} // namespace zentaro::algebra
