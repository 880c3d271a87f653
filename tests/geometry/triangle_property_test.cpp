#include "geometry/triangle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace zentaro::geometry {
namespace {

void ExpectSame(const Triangle& got, const Triangle& truth, const char* mode, double sides = 1e-9, double angles = 1e-9)
{
    SCOPED_TRACE(mode);
    const double expected[] = {truth.a, truth.b, truth.c, truth.A, truth.B, truth.C};
    const double actual[] = {got.a, got.b, got.c, got.A, got.B, got.C};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const double tolerance = i < 3 ? sides : angles;
        EXPECT_NEAR(actual[i], expected[i], tolerance * std::max(1.0, std::fabs(expected[i]))) << "part " << i;
    }
}

// Random triangles with sides in whole hundredths from 1 to 100 and no angle
// below 10°, solved from all three sides; then from each other mode's three
// parts of the same triangle.
TEST(TriangleProperty, EveryModeGivesTheTriangleTheOthersGive)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> hundredths(100, 10000);
    int checked = 0;
    int ambiguous = 0;
    while (checked < 5000) {
        const double a = hundredths(random) / 100.0;
        const double b = hundredths(random) / 100.0;
        const double c = hundredths(random) / 100.0;
        const Solution sss = solvesss(a, b, c);
        if (sss.outcome != Outcome::Solved)
            continue;
        const Triangle t = sss.triangle;
        if (std::min({t.A, t.B, t.C}) < 10)
            continue;
        SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b) + ", " + std::to_string(c));
        ++checked;

        const Solution asa = solveasa(t.a, t.B, t.C);
        ASSERT_EQ(asa.outcome, Outcome::Solved);
        ExpectSame(asa.triangle, t, "two angles and a side");

        const Solution sas = solvesas(t.A, t.b, t.c);
        ASSERT_EQ(sas.outcome, Outcome::Solved);
        ExpectSame(sas.triangle, t, "two sides and the angle between");

        // At C = 90° the two candidates for a meet: the tangent case, which
        // data in doubles cannot tell from two triangles or none.
        if (std::fabs(t.C - 90) < 0.01)
            continue;
        bool asked = false;
        bool tookA2 = false;
        const Solution ssa = solvessa(t.B, t.b, t.c, [&](double a1, double a2) {
            asked = true;
            tookA2 = std::fabs(a2 - t.a) < std::fabs(a1 - t.a);
            return std::string(tookA2 ? "a2" : "a1");
        });
        ASSERT_EQ(ssa.outcome, Outcome::Solved);
        // Two triangles fit exactly when b < c and B is acute.
        EXPECT_EQ(asked, t.b < t.c && t.B < 90) << "C = " << t.C;
        if (!tookA2) {
            // a1, rounded to 8 decimals, is a side in hundredths unchanged.
            ExpectSame(ssa.triangle, t, "two sides and an opposite angle, a1");
        } else {
            // a2 comes from the rounded a1 and is rounded again: up to two half
            // units of the 8th decimal, which the angles then carry.
            EXPECT_NEAR(ssa.triangle.a, t.a, 1e-8 + 1e-12);
            ExpectSame(ssa.triangle, t, "two sides and an opposite angle, a2", 1e-8, 1e-5);
        }
        ambiguous += tookA2 ? 1 : 0;
    }
    EXPECT_GT(ambiguous, 100);
}

} // namespace
} // namespace zentaro::geometry
