#include "algebra/linear_system.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace zentaro::algebra {
namespace {

TEST(LinearSystem, TwoUnknowns)
{
    const struct {
        double x1, y1, z1, x2, y2, z2;
        const char* answer;
    } cases[] = {
        {1, 1, 3, 1, -1, 1, "x = 2; y = 1"},
        {1, 2, 3, 2, 4, 6, "No Unique Solution"},
        {3, 0, 1, 0, 1, 1, "x = .333333333333333; y = 1"},
        {0, 0, 0, 0, 0, 0, "No Unique Solution"},
        {1, 1, 0, 1, -1, 0, "x = 0; y = 0"},
        {2, 0, -1, 0, -4, 1, "x =-.5; y =-.25"},
        // A determinant of 2^-52 is not zero, and is solved.
        {1, 1, 2, 1, 1 + std::ldexp(1.0, -52), 2, "x = 2; y = 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(cramer2(c.x1, c.y1, c.z1, c.x2, c.y2, c.z2), c.answer);
    }
}

TEST(LinearSystem, ThreeUnknowns)
{
    const struct {
        Square3 a;
        std::array<double, 3> s;
        const char* answer;
    } cases[] = {
        {{1, 1, 1, 1, -1, 1, 2, 1, -1}, {6, 2, 1}, "x= 1; y= 2; z= 3"},
        // Coefficient columns (1, 2, 3), (4, 5, 6), (7, 8, 9): singular.
        {{1, 4, 7, 2, 5, 8, 3, 6, 9}, {1, 2, 3}, "No Unique Solution"},
        {{}, {}, "No Unique Solution"},
        {{2, 0, 0, 0, 4, 0, 0, 0, -1}, {1, 1, 1}, "x= .5; y= .25; z=-1"},
        {{0, 1, 0, 0, 0, 1, 1, 0, 0}, {7, 8, 9}, "x= 9; y= 7; z= 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(cramer3(c.a, c.s), c.answer);
    }
}

TEST(LinearSystem, FourUnknowns)
{
    const struct {
        Square4 a;
        std::array<double, 4> e;
        const char* answer;
    } cases[] = {
        {{1, 1, 1, 1, 1, -1, 1, -1, 2, 1, -1, 1, 1, 2, 3, -1}, {10, -2, 5, 10}, "x= 1; y= 2; z= 3; u= 4"},
        {{2, 0, 0, 0, 0, 4, 0, 0, 0, 0, -1, 0, 0, 0, 0, 8}, {1, 1, 1, 1}, "x= .5; y= .25; z=-1; u= .125"},
        {{}, {}, "No Unique Solution"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, {1, 1, 1, 1}, "No Unique Solution"},
        // u alone in the first equation, x alone in the last.
        {{0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0}, {4, 2, 3, 1}, "x= 1; y= 2; z= 3; u= 4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(cramer4(c.a, c.e), c.answer);
    }
}

TEST(LinearSystem, QuotientsAndProductsBeyondTheDoubleRangeOverflow)
{
    const std::function<void()> cases[] = {
        [] { cramer2(1e-300, 0, 1e10, 0, 1, 0); },
        [] { cramer2(1e200, 0, 0, 0, 1e200, 0); },
        [] {
            cramer3({1e-300, 0, 0, 0, 1, 0, 0, 0, 1}, {1e10, 0, 0});
        },
        [] {
            cramer4({1e-300, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, {1e10, 0, 0, 0});
        },
    };
    int index = 0;
    for (const auto& solve : cases) {
        SCOPED_TRACE(index++);
        try {
            solve();
            ADD_FAILURE() << "no run-time error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::Overflow);
        }
    }
}

} // namespace
} // namespace zentaro::algebra
