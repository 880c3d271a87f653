#include "algebra/quadratic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <random>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace zentaro::algebra {
namespace {

using Int = long long;

// One root of the exact form: (±n/den) sign (s/den2)·√r, with i before the root
// for complex roots.
struct SurdRoot {
    Int n = 0, den = 1, s = 0, den2 = 1, r = 0;
    bool negativeRational = false, minus = false, imaginary = false;
};

// Reads "a =" root "; b =" root back; false when the text has another shape.
bool ReadSurds(const std::string& text, SurdRoot& first, SurdRoot& second)
{
    static const std::string root =
        R"(\((-?) ([0-9]+)(?:/ ([0-9]+))?\)([+-])\(( ?)([0-9]+)(?:/ ([0-9]+))?\)(i?)Ö ([0-9]+))";
    static const std::regex shape("^a =" + root + "; b =" + root + "$");
    std::smatch m;
    if (!std::regex_match(text, m, shape))
        return false;
    auto number = [&](std::size_t i, Int otherwise) { return m[i].matched ? std::stoll(m[i].str()) : otherwise; };
    for (std::size_t k = 0; k < 2; ++k) {
        SurdRoot& out = k == 0 ? first : second;
        const std::size_t at = 1 + 9 * k;
        out.negativeRational = m[at].length() == 1;
        out.n = number(at + 1, 0);
        out.den = number(at + 2, 1);
        out.minus = m[at + 3] == "-";
        out.s = number(at + 5, 0);
        out.den2 = number(at + 6, 1);
        out.imaginary = m[at + 7].length() == 1;
        out.r = number(at + 8, 0);
    }
    return true;
}

struct Complex {
    double re = 0, im = 0;
};

Complex Value(const SurdRoot& root)
{
    const double rational = (root.negativeRational ? -1.0 : 1.0) * static_cast<double>(root.n) / root.den;
    const double radical =
        (root.minus ? -1.0 : 1.0) * static_cast<double>(root.s) / root.den2 * std::sqrt(static_cast<double>(root.r));
    return root.imaginary ? Complex{rational, radical} : Complex{rational + radical, 0};
}

// "a = 3; b = 2" or "a =-1+ ( 2)i; b =-1- ( 2)i" back to numbers.
std::pair<Complex, Complex> ReadDecimals(const std::string& text)
{
    static const std::regex real(R"(^a = ?(\S+); b = ?(\S+)$)");
    static const std::regex complex(R"(^a = ?(\S+)\+ \( ?(\S+)\)i; b = ?(\S+)- \( ?(\S+)\)i$)");
    std::smatch m;
    if (std::regex_match(text, m, complex))
        return {{std::stod(m[1]), std::stod(m[2])}, {std::stod(m[3]), -std::stod(m[4])}};
    if (std::regex_match(text, m, real))
        return {{std::stod(m[1]), 0}, {std::stod(m[2]), 0}};
    ADD_FAILURE() << "decimal answer of another shape: " << text;
    return {};
}

bool Near(double x, double y)
{
    return std::fabs(x - y) <= 1e-9 * std::max(1.0, std::fabs(y));
}

bool SameRoots(Complex a1, Complex a2, Complex b1, Complex b2)
{
    auto same = [](Complex x, Complex y) { return Near(x.re, y.re) && Near(x.im, y.im); };
    return (same(a1, b1) && same(a2, b2)) || (same(a1, b2) && same(a2, b1));
}

bool SquareFree(Int r)
{
    for (Int k = 2; k * k <= r; ++k) {
        if (r % (k * k) == 0)
            return false;
    }
    return true;
}

bool PerfectSquare(Int x)
{
    const auto root = static_cast<Int>(std::llround(std::sqrt(static_cast<double>(x))));
    return root * root == x;
}

// Checks one equation whose |D| is not a perfect square; the counts say how many ran.
void CheckEquation(Int b, Int c, Int d, int& checked)
{
    const Int D = c * c - 4 * b * d;
    if (PerfectSquare(std::llabs(D)))
        return;
    ++checked;
    const std::string exact = quadroots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d), true);
    SurdRoot first, second;
    ASSERT_TRUE(ReadSurds(exact, first, second)) << exact;
    SCOPED_TRACE(exact);

    // Both roots share their rational part, reduced and equal to −c/2b.
    EXPECT_EQ(first.n, second.n);
    EXPECT_EQ(first.den, second.den);
    EXPECT_EQ(first.negativeRational, second.negativeRational);
    EXPECT_EQ(std::gcd(first.n, first.den), c == 0 ? first.den : 1);
    EXPECT_EQ((first.negativeRational ? -first.n : first.n) * 2 * b, -c * first.den);

    // And their radical part, with opposite signs: s·√r/|b2| = √|D|/|2b|, r free of squares.
    EXPECT_EQ(first.s, second.s);
    EXPECT_EQ(first.den2, second.den2);
    EXPECT_EQ(first.r, second.r);
    EXPECT_NE(first.minus, second.minus);
    EXPECT_EQ(first.imaginary, D < 0);
    EXPECT_EQ(first.s * first.s * first.r * 4 * b * b, std::llabs(D) * first.den2 * first.den2);
    EXPECT_TRUE(SquareFree(first.r)) << first.r;

    const auto [d1, d2] =
        ReadDecimals(quadroots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d), false));
    EXPECT_TRUE(SameRoots(Value(first), Value(second), d1, d2));
    // Real roots come in the decimal form's order.
    if (D > 0) {
        EXPECT_TRUE(Near(Value(first).re, d1.re));
    }
}

TEST(SurdProperty, SmallCoefficientsAllRound)
{
    int checked = 0;
    for (Int b = -8; b <= 8; ++b) {
        for (Int c = -16; c <= 16; ++c) {
            for (Int d = -16; d <= 16; ++d) {
                if (b == 0)
                    continue;
                SCOPED_TRACE(std::to_string(b) + ", " + std::to_string(c) + ", " + std::to_string(d));
                CheckEquation(b, c, d, checked);
            }
        }
    }
    EXPECT_GT(checked, 14000);
}

TEST(SurdProperty, RandomEquationsUpToThe32BitRange)
{
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<Int> bs(-10000, 10000);
    std::uniform_int_distribution<Int> cs(-46000, 46000);
    int checked = 0;
    for (int k = 0; k < 600; ++k) {
        const Int b = bs(random);
        const Int c = cs(random);
        Int d = bs(random);
        if (b == 0)
            continue;
        // Keep |D| inside the exact form's range.
        while (std::llabs(c * c - 4 * b * d) > 2147483647)
            d /= 2;
        SCOPED_TRACE(std::to_string(b) + ", " + std::to_string(c) + ", " + std::to_string(d));
        CheckEquation(b, c, d, checked);
    }
    EXPECT_GT(checked, 500);
}

} // namespace
} // namespace zentaro::algebra
