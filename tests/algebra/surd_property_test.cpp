#include "support/quadratic_roots_check.h"

#include <gtest/gtest.h>

#include <random>

namespace zentaro::testing {
namespace {

TEST(QuadraticRoots, AgreeWithTheFormulaOnSmallCoefficientsAllRoundAndRandomOnesUpToThe32BitRange)
{
    for (long long b = -8; b <= 8; ++b) {
        for (long long c = -16; c <= 16; ++c) {
            for (long long d = -16; d <= 16 && b != 0; ++d)
                ASSERT_EQ(CheckExactRoots(b, c, d), "") << b << ", " << c << ", " << d;
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
            ASSERT_EQ(CheckExactRoots(b, c, d), "") << b << ", " << c << ", " << d;
        }
    }
}

} // namespace
} // namespace zentaro::testing
