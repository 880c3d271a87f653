#pragma once

#include "conventions/working.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zentaro::algebra {

// The answers of the quadratic solver for b·x² + c·x + d = 0. Answer texts read
// "a =" root 1 "; b =" root 2 and keep the characters the solver's answer field
// draws as symbols: a, b and i (α, β, ι) and "Ö" (√).

inline constexpr std::string_view kNoEquation = "Please Enter an equation!";
inline constexpr std::string_view kLinearEquation = "You Entered a linear equation!";

// The greatest common divisor of two whole numbers that are not negative; a zero
// operand gives the other one.
// Not the fractions' gcd (signed, 32-bit) nor the GCD/LCM window's (signed, any double): unsigned here.
double gcd(double a, double b);

// The exponent of the prime p in the whole number n > 0. Remainders work on
// 32-bit integers: an n above 2147483647 raises Overflow.
// Unlike the GCD/LCM window's dmax, 0 (not empty) when p does not divide n, and no InvalidCall.
std::int32_t dmax(double n, double p);

// 1 when the whole number x is prime, else 0. Overflow for x above 2147483647.
// Unlike the GCD/LCM window's prime (1 prime, 2 not) and the prime list's (a tagged answer): a plain 0 or 1.
int prime(double x);

// c² − 4·b·d; Overflow beyond the double range.
double discriminant(double b, double c, double d, Working working = {});

// The roots as decimal numbers, complex ones with the unit i ("a =-1+ ( 2)i; ...").
// b ≠ 0.
std::string decimalroots(double b, double c, double d, Working working = {});

// The roots in exact form: a reduced fraction plus or minus a reduced multiple of
// a square root ("a =(- 1/ 2)+(1/ 2)Ö 5; ..."). For whole numbers b ≠ 0, c and d
// whose discriminant D has an |D| that is not a perfect square; an |D| above
// 2147483647 raises Overflow.
std::string surdroots(double b, double c, double d, Working working = {});

// True when none of the three coefficients has a fractional part; otherwise the
// solver switches itself to its decimal ("Rational") mode.
bool wholecoefficients(double b, double c, double d);

// The message that refuses an equation without an x² term, or the empty text
// when b ≠ 0.
std::string_view notquadratic(double b, double c, Working working = {});

// The answer for b ≠ 0: in "Integral" mode with whole coefficients the exact form
// unless |D| is a perfect square, otherwise the decimal form.
std::string quadroots(double b, double c, double d, bool integral, Working working = {});

// An answer as the solver's field shows it, with the glyphs its symbol font
// draws: α, β, ι and √. The working ends with it.
std::string answerglyphs(std::string_view answer);

} // namespace zentaro::algebra
