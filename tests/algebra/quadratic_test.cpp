#include "algebra/quadratic.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <string>

namespace zentaro::algebra {
namespace {

struct Equation {
    double b, c, d;
    bool integral;
    const char* answer;
};

std::string Name(const Equation& e)
{
    return std::to_string(e.b) + ", " + std::to_string(e.c) + ", " + std::to_string(e.d) +
           (e.integral ? " integral" : " rational");
}

TEST(QuadRoots, WritesTheWorkedAnswers)
{
    const Equation cases[] = {
        {1, -5, 6, true, "a = 3; b = 2"},
        {1, 2, 5, true, "a =-1+ ( 2)i; b =-1- ( 2)i"},
        {1, 2, 1, true, "a =-1; b =-1"},
        {2, -3, 1, true, "a = 1; b = .5"},
        {-1, 0, -1, true, "a = 0+ (-1)i; b = 0- (-1)i"},
        {1, 1, -1, true, "a =(- 1/ 2)+(1/ 2)Ö 5; b =(- 1/ 2)-(1/ 2)Ö 5"},
        {-1, 1, 1, true, "a =( 1/ 2)-(1/ 2)Ö 5; b =( 1/ 2)+(1/ 2)Ö 5"},
        {1, -2, -1, true, "a =( 1)+( 1)Ö 2; b =( 1)-( 1)Ö 2"},
        {-1, 2, 1, true, "a =( 1/ 1)-( 1/ 1)Ö 2; b =( 1/ 1)+( 1/ 1)Ö 2"},
        {2, 2, -1, true, "a =(- 1/ 2)+( 1/ 2)Ö 3; b =(- 1/ 2)-( 1/ 2)Ö 3"},
        {1, 2, 4, true, "a =(- 1)+( 1)iÖ 3; b =(- 1)-( 1)iÖ 3"},
        {2, 2, 2, true, "a =(- 1/ 2)-( 1/ 2)iÖ 3; b =(- 1/ 2)+( 1/ 2)iÖ 3"},
        {1, 1, 1, true, "a =(- 1/ 2)+(1/ 2)iÖ 3; b =(- 1/ 2)-(1/ 2)iÖ 3"},
        {1, 1, -1, false, "a = .618033988749895; b =-1.61803398874989"},
        {0.5, -1.5, 1, false, "a = 2; b = 1"},
        // Rational mode writes every discriminant in decimals, perfect square or not.
        {1, -5, 6, false, "a = 3; b = 2"},
        {1, 0, 1, false, "a = 0+ ( 1)i; b = 0- ( 1)i"},
        // Negative b with a prime negative discriminant: the order follows 2b.
        {-1, 1, -1, true, "a =( 1/ 2)-(1/ 2)iÖ 3; b =( 1/ 2)+(1/ 2)iÖ 3"},
        // A reduced denominator of 1 from a negative b on a negative D.
        {-1, 2, -4, true, "a =( 1/ 1)-( 1/ 1)iÖ 3; b =( 1/ 1)+( 1/ 1)iÖ 3"},
        // A perfect square above the 32-bit range still solves in decimals.
        {1, 0, -4294967296.0, true, "a = 65536; b =-65536"},
    };
    for (const Equation& e : cases) {
        SCOPED_TRACE(Name(e));
        EXPECT_EQ(quadroots(e.b, e.c, e.d, e.integral), e.answer);
    }
}

TEST(QuadRoots, ExactFormOfTheFormerFaults)
{
    const Equation cases[] = {
        // No x term: the rational part is zero and reads "( 0)".
        {1, 0, -2, true, "a =( 0)+( 1)Ö 2; b =( 0)-( 1)Ö 2"},
        {-1, 0, 2, true, "a =( 0)-( 1/ 1)Ö 2; b =( 0)+( 1/ 1)Ö 2"},
        {1, 0, 3, true, "a =( 0)+( 1)iÖ 3; b =( 0)-( 1)iÖ 3"},
        {3, 0, -1, true, "a =( 0)+( 1/ 3)Ö 3; b =( 0)-( 1/ 3)Ö 3"},
        // A prime above √|D| stays under the root: 21 = 3·7, 117 = 3²·13, 20 = 2²·5.
        {1, 1, -5, true, "a =(- 1/ 2)+( 1/ 2)Ö 21; b =(- 1/ 2)-( 1/ 2)Ö 21"},
        {1, 1, -29, true, "a =(- 1/ 2)+( 3/ 2)Ö 13; b =(- 1/ 2)-( 3/ 2)Ö 13"},
        {1, 0, -5, true, "a =( 0)+( 1)Ö 5; b =( 0)-( 1)Ö 5"},
        {1, 0, 7, true, "a =( 0)+( 1)iÖ 7; b =( 0)-( 1)iÖ 7"},
        // |D| = 3^19 and the largest 32-bit discriminant, 2^31 − 1 (a prime).
        {1, 1, 290565367, true, "a =(- 1/ 2)-( 19683/ 2)iÖ 3; b =(- 1/ 2)+( 19683/ 2)iÖ 3"},
        {1, 1, 536870912, true, "a =(- 1/ 2)+(1/ 2)iÖ 2147483647; b =(- 1/ 2)-(1/ 2)iÖ 2147483647"},
        // |D| = 2^31 − 4 = 4·536870911 = 4·233·1103·2089.
        {1, 0, 536870911, true, "a =( 0)+( 1)iÖ 536870911; b =( 0)-( 1)iÖ 536870911"},
    };
    for (const Equation& e : cases) {
        SCOPED_TRACE(Name(e));
        EXPECT_EQ(quadroots(e.b, e.c, e.d, e.integral), e.answer);
    }
}

TEST(QuadRoots, OverflowsBeyondTheirRanges)
{
    const Equation cases[] = {
        {1, 1, 536870913, true, ""}, // |D| = 2^31 + 3 in the exact form
        {1, 1e200, 1, true, ""},     // c² beyond the double range
        {1, 1e200, 1, false, ""},
        {1e200, 1, 1e200, false, ""},
    };
    for (const Equation& e : cases) {
        SCOPED_TRACE(Name(e));
        try {
            quadroots(e.b, e.c, e.d, e.integral);
            ADD_FAILURE() << "no run-time error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::Overflow);
        }
    }
    // The decimal form has no 32-bit limit.
    EXPECT_EQ(quadroots(1, 1, 536870913, false), "a =-.5+ ( 23170.4750221052)i; b =-.5- ( 23170.4750221052)i");
}

TEST(QuadHelpers, GcdEndsOnZeroAndOnLargeQuotients)
{
    const struct {
        double a, b, gcd;
    } cases[] = {
        {12, 18, 6}, {18, 12, 6}, {7, 7, 7}, {1, 9, 1}, {0, 6, 6}, {6, 0, 6}, {1e15, 2, 2}, {2, 1e15, 2}, {35, 64, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + ", " + std::to_string(c.b));
        EXPECT_EQ(gcd(c.a, c.b), c.gcd);
    }
}

TEST(QuadHelpers, DmaxFindsTheExponentWithoutPassingThe32BitRange)
{
    const struct {
        double n, p;
        int exponent;
    } cases[] = {
        {8, 2, 3},
        {12, 2, 2},
        {12, 3, 1},
        {12, 5, 0},
        {1162261467, 3, 19},
        {1073741824, 2, 30},
        {2147483647, 2147483647, 1},
        {2147483646, 2, 1},
        {1977326743, 7, 11},
        {25, 5, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " in " + std::to_string(c.p));
        EXPECT_EQ(dmax(c.n, c.p), c.exponent);
    }
    EXPECT_THROW(dmax(2147483648.0, 2), RuntimeError);
}

TEST(QuadHelpers, PrimeByTrialDivision)
{
    const struct {
        double x;
        int prime;
    } cases[] = {
        {0, 0},  {1, 0},  {2, 1},   {3, 1},          {4, 0},          {5, 1},          {9, 0},          {25, 0},
        {49, 0}, {97, 1}, {121, 0}, {2147483647, 1}, {2147483629, 1}, {2146190929, 0}, {2147117569, 0}, // the last two:
                                                                                                        // 46327²,
                                                                                                        // 46337²
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(prime(c.x), c.prime);
    }
    EXPECT_THROW(prime(2147483649.0), RuntimeError);
}

TEST(QuadHelpers, RefusalAndModeChoice)
{
    EXPECT_EQ(notquadratic(0, 0), kNoEquation);
    EXPECT_EQ(notquadratic(0, 3), kLinearEquation);
    EXPECT_EQ(notquadratic(0, -0.5), kLinearEquation);
    EXPECT_EQ(notquadratic(2, 0), "");
    EXPECT_EQ(notquadratic(-1e-300, 0), "");

    const struct {
        double b, c, d;
        bool whole;
    } cases[] = {
        {1, 2, 3, true}, {-4, 0, 1e20, true}, {0.5, 1, 1, false}, {1, -1.5, 1, false}, {1, 1, 1e-9, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.b) + ", " + std::to_string(c.c) + ", " + std::to_string(c.d));
        EXPECT_EQ(wholecoefficients(c.b, c.c, c.d), c.whole);
    }
}

} // namespace
} // namespace zentaro::algebra
