#include "fractions/gcd.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

namespace zentaro::fractions {
namespace {

constexpr std::int32_t kMax = 2147483647;
constexpr std::int32_t kMin = -2147483647 - 1;

// The signed divisor by repeated subtraction, step by step as it was first
// defined; only usable for small operands.
std::int64_t BySubtraction(std::int64_t x, std::int64_t y)
{
    std::int64_t s = 1;
    if (x == 0)
        x = y;
    else if (y == 0)
        y = x;
    if (x < 0) {
        x = -x;
        s = -1;
    }
    if (y < 0) {
        y = -y;
        s = s * -1;
    }
    while (x != y) {
        if (x > y)
            x -= y;
        else
            y -= x;
    }
    return s * x;
}

TEST(Gcd, SignsAndMagnitudes)
{
    const struct {
        std::int32_t a, b;
        double g;
    } cases[] = {
        {0, 0, 0},
        {-1, 2, -1},
        {-4, -6, 2},
        {12, 18, 6},
        {0, -5, 5},
        {-5, 0, 5},
        {7, 0, 7},
        {6, -4, -2},
        {-6, 4, -2},
        {1, kMax, 1},
        {kMax, kMax, kMax},
        {kMax, -1, -1},
        {kMin, kMax, -1},
        {kMin, 1073741824, -1073741824},
        {1836311903, 1134903170, 1}, // consecutive Fibonacci numbers: the longest remainder chain
        {kMin, kMin, 2147483648.0},
        {kMin, 0, 2147483648.0},
        {0, kMin, 2147483648.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + ", " + std::to_string(c.b));
        const Tagged g = gcd(c.a, c.b);
        EXPECT_EQ(g.ToDouble(), c.g);
        // Only the one magnitude beyond 32 bits leaves the 32-bit width.
        EXPECT_EQ(g.kind(), c.g > kMax ? Tagged::Kind::Double : Tagged::Kind::Int32);
    }
}

TEST(Gcd, AgreesWithRepeatedSubtractionOnEverySmallPair)
{
    for (std::int32_t a = -40; a <= 40; ++a) {
        for (std::int32_t b = -40; b <= 40; ++b) {
            SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b));
            ASSERT_EQ(gcd(a, b).ToDouble(), static_cast<double>(BySubtraction(a, b)));
        }
    }
}

TEST(Gcd, AgreesWithRepeatedSubtractionOnLargePairsOfSmallRatio)
{
    // Operands near the 32-bit limits whose ratio keeps the subtraction short.
    const struct {
        std::int32_t a, b;
    } pairs[] = {
        {1836311903, -1134903170}, {2147441940, -2147395599}, {2147483646, -1073741823},
        {-2000000000, 1500000000}, {kMin, -1610612736},       {-1207959552, 2013265920},
    };
    for (const auto& p : pairs) {
        for (const auto& [a, b] : {std::pair{p.a, p.b}, std::pair{p.b, p.a}}) {
            SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b));
            EXPECT_EQ(gcd(a, b).ToDouble(), static_cast<double>(BySubtraction(a, b)));
        }
    }
}

} // namespace
} // namespace zentaro::fractions
