#include "algebra/quadratic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>
#include <regex>
#include <string>

namespace zentaro::algebra {
namespace {

using Int = long long;

// Reads the exact answer back, "a =(-n/ den)+(s/ den2)Ö r; b =..." with "iÖ" for
// complex roots, and checks it against the roots of b·x² + c·x + d = 0.
void Check(Int b, Int c, Int d)
{
    const Int D = c * c - 4 * b * d, root = std::llround(std::sqrt(double(std::llabs(D))));
    if (root * root == std::llabs(D))
        return;
    const std::string text = quadroots(double(b), double(c), double(d), true);
    SCOPED_TRACE(std::to_string(b) + ", " + std::to_string(c) + ", " + std::to_string(d) + ": " + text);
    static const std::regex shape(
        R"(^a =\((-?) (\d+)(?:/ (\d+))?\)([+-])\( ?(\d+)(?:/ (\d+))?\)(i?)Ö (\d+); b =\(\1 \2(?:/ \3)?\)([+-])\( ?\5(?:/ \6)?\)\7Ö \8$)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(text, m, shape)); // both roots share both parts
    auto number = [&](int i) { return m[i].matched ? std::stoll(m[i].str()) : 1; };
    const Int n = m[1] == "-" ? -number(2) : number(2), den = number(3), s = number(5), den2 = number(6), r = number(8);
    EXPECT_NE(m[4], m[9]);
    EXPECT_EQ(m[7] == "i", D < 0);
    EXPECT_EQ(n * 2 * b, -c * den);                                // the rational part is −c/2b,
    EXPECT_EQ(std::gcd(n, den), c == 0 ? den : 1);                 // reduced,
    EXPECT_EQ(s * s * r * 4 * b * b, std::llabs(D) * den2 * den2); // s·√r/|b2| = √|D|/|2b|,
    EXPECT_EQ(std::gcd(s, den2), 1);                               // reduced,
    for (Int k = 2; k * k <= r; ++k)                               // and r free of square factors.
        ASSERT_NE(r % (k * k), 0) << "square factor " << k * k;

    // Read back as numbers, the first root equals the decimal form's first (real
    // roots) or one of the conjugates (complex roots), to 1e-9.
    const double rational = double(n) / den, radical = (m[4] == "-" ? -1.0 : 1.0) * s / den2 * std::sqrt(double(r));
    const double re = -double(c) / (2.0 * b), magnitude = std::sqrt(std::fabs(double(D))) / (2.0 * b);
    const double scale = 1e-9 * std::max(1.0, std::fabs(re) + std::fabs(magnitude));
    if (D > 0) {
        EXPECT_NEAR(rational + radical, re + magnitude, scale);
    } else {
        EXPECT_NEAR(rational, re, scale);
        EXPECT_NEAR(std::fabs(radical), std::fabs(magnitude), scale);
    }
}

TEST(SurdProperty, SmallCoefficientsAllRound)
{
    for (Int b = -8; b <= 8; ++b)
        for (Int c = -16; c <= 16; ++c)
            for (Int d = -16; d <= 16 && b != 0; ++d)
                Check(b, c, d);
}

TEST(SurdProperty, RandomEquationsUpToThe32BitRange)
{
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<Int> bd(-10000, 10000), cs(-46000, 46000);
    for (int k = 0; k < 600; ++k) {
        const Int b = bd(random), c = cs(random);
        Int d = bd(random);
        while (std::llabs(c * c - 4 * b * d) > 2147483647)
            d /= 2;
        if (b != 0)
            Check(b, c, d);
    }
}

} // namespace
} // namespace zentaro::algebra
