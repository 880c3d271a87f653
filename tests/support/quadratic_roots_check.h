#pragma once

// The quadratic solver's answers for b·x² + c·x + d = 0 against the formula. The
// exact form, read back, is a reduced fraction plus or minus a reduced multiple of
// √r with r square-free, equal to -c/2b ± √|D|/|2b| and to the decimal answer. The
// decimal roots add up to -c/b and leave the equation near zero; complex ones have
// the real part -c/2b and an imaginary part of the sign of b.

#include "algebra/quadratic.h"
#include "conventions/runtime_error.h"
#include "support/property.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <regex>
#include <string>

namespace zentaro::testing {
namespace quadratic_check {

// Exact products of up to 96 bits.
__extension__ typedef __int128 Wide;

struct Complex {
    double re = 0, im = 0;
};

// The two roots of a decimal answer; false for a text of any other shape.
inline bool ReadDecimal(const std::string& text, Complex& x1, Complex& x2, bool& complex)
{
    int end = 0;
    complex = std::sscanf(text.c_str(), "a =%lf+ (%lf)i; b =%lf- (%lf)i%n", &x1.re, &x1.im, &x2.re, &x2.im, &end) == 4;
    if (complex) {
        x2.im = -x2.im;
        return end == static_cast<int>(text.size());
    }
    x1.im = x2.im = 0;
    return std::sscanf(text.c_str(), "a =%lf; b =%lf%n", &x1.re, &x2.re, &end) == 2 &&
           end == static_cast<int>(text.size());
}

// Some step of the formula leaves the double range.
inline bool Overflows(double b, double c, double d)
{
    const double D = c * c - 4 * b * d;
    const double root = std::sqrt(std::fabs(D));
    for (const double x : {c * c, 4 * b, 4 * b * d, D, 2 * b, -c + root, -c - root, (-c + root) / (2 * b),
                           (-c - root) / (2 * b), -c / (2 * b), root / (2 * b)}) {
        if (!std::isfinite(x))
            return true;
    }
    return false;
}

// Coefficients whose squares and products stay normal doubles: below that,
// rounding to zero, not the solver, decides the answer.
inline bool Ordinary(double x)
{
    return x == 0 || (std::fabs(x) > 1e-150 && std::fabs(x) < 1e150);
}

} // namespace quadratic_check

// The decimal answer, for any b ≠ 0.
inline std::string CheckDecimalRoots(double b, double c, double d)
{
    using namespace quadratic_check;
    std::string text;
    try {
        text = algebra::decimalroots(b, c, d);
    } catch (const RuntimeError& error) {
        PROPERTY(error.code() == ErrorCode::Overflow && Overflows(b, c, d));
        return {};
    }
    Complex x1, x2;
    bool complex = false;
    PROPERTY(ReadDecimal(text, x1, x2, complex));
    if (!Ordinary(b) || !Ordinary(c) || !Ordinary(d))
        return {};
    const double D = c * c - 4 * b * d;
    PROPERTY(complex == (D < 0));
    if (complex) {
        PROPERTY(x1.re == x2.re);
        PROPERTY(std::fabs(x1.re + c / (2 * b)) <= 1e-14 * std::fabs(c / (2 * b)));
        PROPERTY(x1.im != 0 && (x1.im > 0) == (b > 0));
        PROPERTY(std::fabs(std::fabs(x1.im) - std::sqrt(-D) / std::fabs(2 * b)) <= 1e-14 * std::fabs(x1.im));
        return {};
    }
    const double size = std::fabs(x1.re) + std::fabs(x2.re);
    PROPERTY(std::fabs(x1.re + x2.re + c / b) <= 1e-12 * size + 1e-300);
    const double scale = std::fabs(b) * size * size + std::fabs(c) * size + std::fabs(d);
    for (const double x : {x1.re, x2.re})
        PROPERTY(std::fabs((b * x + c) * x + d) <= 1e-11 * scale);
    return {};
}

// The answer in "Integral" mode for whole b ≠ 0, c and d: the exact form, or the
// decimal one when |D| is a perfect square.
inline std::string CheckExactRoots(long long b, long long c, long long d)
{
    using namespace quadratic_check;
    const long long D = c * c - 4 * b * d, magnitude = std::llabs(D);
    const long long root = std::llround(std::sqrt(static_cast<double>(magnitude)));
    std::string text;
    try {
        text = algebra::quadroots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d), true);
    } catch (const RuntimeError& error) {
        PROPERTY(root * root != magnitude && magnitude > 2147483647 && error.code() == ErrorCode::Overflow);
        return {};
    }
    if (root * root == magnitude) {
        PROPERTY(text == algebra::decimalroots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d)));
        return CheckDecimalRoots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d));
    }
    PROPERTY(magnitude <= 2147483647);
    // "a =(-n/ den)+(s/ den2)Ö r; b =..." with "iÖ" for complex roots: both roots
    // share both parts, only the sign between them differs.
    static const std::regex shape(
        R"(^a =\((-?) (\d+)(?:/ (\d+))?\)([+-])\( ?(\d+)(?:/ (\d+))?\)(i?)Ö (\d+); b =\(\1 \2(?:/ \3)?\)([+-])\( ?\5(?:/ \6)?\)\7Ö \8$)");
    std::smatch m;
    PROPERTY(std::regex_match(text, m, shape));
    const auto number = [&](int i) { return m[i].matched ? std::stoll(m[i].str()) : 1; };
    const long long n = m[1] == "-" ? -number(2) : number(2), den = number(3), s = number(5), den2 = number(6),
                    r = number(8);
    PROPERTY(m[4] != m[9]);
    PROPERTY((m[7] == "i") == (D < 0));
    PROPERTY(den >= 1 && den2 >= 1 && s >= 1 && r >= 2);
    PROPERTY(n * 2 * b == -c * den);                  // the rational part is -c/2b,
    PROPERTY(std::gcd(n, den) == (c == 0 ? den : 1)); // reduced,
    PROPERTY(static_cast<Wide>(s) * s * r * 4 * b * b == static_cast<Wide>(magnitude) * den2 * den2);
    PROPERTY(std::gcd(s, den2) == 1); // s·√r/den2 = √|D|/|2b|, reduced,
    for (long long k = 2; k * k <= r; ++k)
        PROPERTY(r % (k * k) != 0); // and r free of square factors

    // Both roots, as numbers, are the decimal answer's roots (in either order).
    const double re = static_cast<double>(n) / static_cast<double>(den);
    const double part = static_cast<double>(s) * std::sqrt(static_cast<double>(r)) / static_cast<double>(den2);
    const auto value = [&](const std::string& sign) {
        const double signedPart = sign == "+" ? part : -part;
        return D < 0 ? Complex{re, signedPart} : Complex{re + signedPart, 0};
    };
    Complex d1, d2;
    bool complex = false;
    PROPERTY(ReadDecimal(algebra::decimalroots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d)),
                         d1, d2, complex));
    const Complex x1 = value(m[4]), x2 = value(m[9]);
    // Close enough against the size of the largest root: a small root found by
    // cancellation carries the rounding of the large one.
    const auto size = [](const Complex& x) { return std::max(std::fabs(x.re), std::fabs(x.im)); };
    const double scale = std::max({1.0, size(x1), size(x2), size(d1), size(d2)});
    const auto near = [&](const Complex& x, const Complex& y) {
        return std::fabs(x.re - y.re) <= 1e-9 * scale && std::fabs(x.im - y.im) <= 1e-9 * scale;
    };
    PROPERTY((near(x1, d1) && near(x2, d2)) || (near(x1, d2) && near(x2, d1)));
    return CheckDecimalRoots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d));
}

} // namespace zentaro::testing
