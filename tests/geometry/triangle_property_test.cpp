#include "support/triangle_check.h"

#include <gtest/gtest.h>

#include <random>

namespace zentaro::testing {
namespace {

// Random data for every mode and reply; of three sides between 1 and 100 many
// fit a well-shaped triangle, which the other modes then solve again.
TEST(TriangleProperty, EveryModeAgreesWithTheLawsOfTrianglesAndWithTheOtherModes)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<long long> angle(1, 179999), side(100, 10000);
    const char* const replies[] = {"a1", "a2", ""};
    for (int k = 0; k < 20000; ++k) {
        const int mode = k % 4;
        long long parts[3];
        for (int i = 0; i < 3; ++i)
            parts[i] = IsAngle(mode, i) ? angle(random) : side(random);
        ASSERT_EQ(CheckTriangle(mode, parts, replies[k / 4 % 3]), "")
            << mode << ": " << parts[0] << ", " << parts[1] << ", " << parts[2];
    }
}

} // namespace
} // namespace zentaro::testing
