#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zentaro {

// How the steps of a working write their numbers: with the digits the answers
// use (FormatPlain), and the signs a reader expects around them.

// FormatPlain(x).
std::string Plain(double x);

// FormatPlain(x), in parentheses when negative, so that it can stand after ×, −
// or before ²: "(-3)".
std::string Factor(double x);

// True when the digits FormatPlain writes are exactly x: 0.5 and 2.25 are, the
// double nearest √5 is not, though its 15 digits read back to it.
bool ShownExactly(double x);

// " = 3" when FormatPlain shows x exactly, " ≈ 2.23606797749979" when it had to
// round: for the results of roots, quotients and angles, which seldom end.
// A ≈ is never false; an = would be, for the √5 above.
std::string Equals(double x);

// Signed terms as a sum: "2 + 4 − 9", "-3 − 1"; a negative zero, the negation
// of a zero, reads "− 0".
std::string SignedSum(std::initializer_list<double> terms);

// A polynomial or the left side of an equation, from (coefficient, unknown)
// pairs: "2x² + x − 1". Zero terms are left out and a coefficient of 1 before
// an unknown is not written; nothing left reads "0".
using Term = std::pair<double, std::string_view>;
std::string Polynomial(const std::vector<Term>& terms);

// x·y − z·w in checked arithmetic, with its two products kept for the steps.
struct Difference {
    double xy, zw, value;
};
Difference DifferenceOf(double x, double y, double z, double w);

// "5 × 10 − 6 × 8 = 50 − 48 = 2".
std::string WrittenDifference(double x, double y, double z, double w, const Difference& d);

// The exponent e as superscript digits: "²", "¹⁹".
std::string Superscript(int e);

// Items joined by ", ".
std::string Listed(std::initializer_list<double> items);

} // namespace zentaro
