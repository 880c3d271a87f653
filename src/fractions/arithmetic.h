#pragma once

#include "conventions/working.h"
#include "fractions/fraction.h"

#include <string>
#include <string_view>

namespace zentaro::fractions {

enum class FracOp { Add, Subtract, Multiply, Divide };

// Both terms divided by their signed gcd, each quotient rounded to 32 bits. With
// exactly one negative term the sign moves to the other (-1/2 becomes 1/-2); 0/0
// raises Overflow.
Fraction fracreduce(Fraction f, Working working = {});

// The unreduced a/b op c/d in checked 32-bit arithmetic (Overflow):
//   add c·b + d·a over d·b, subtract d·a − c·b over d·b,
//   multiply c·a over d·b, divide d·a over c·b.
// Dividing by c/0 (c not 0) raises DivisionByZero: the product d·a would be 0 and
// pass for a true answer of 0.
Fraction fraccombine(FracOp op, std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d, Working working = {});

// num/den (in lowest terms) as whole part, numerator and denominator texts. The
// whole part is num/den cut toward zero and written only when not 0; the remainder
// keeps the sign of num. A zero remainder gives numerator "0" and no denominator.
// den = 0 raises DivisionByZero (Overflow for 0/0).
MixedText fracmixed(Fraction f, Working working = {});

// One arithmetic answer from the four input texts: the 1st fraction read strictly
// (TypeMismatch, Overflow) and reduced, then the 2nd read and reduced, combined,
// reduced again and written out as a mixed number.
// The working ends with the question and the answer as the fields show it.
MixedText fracanswer(FracOp op, std::string_view numerator1, std::string_view denominator1, std::string_view numerator2,
                     std::string_view denominator2, Working working = {});

// "3/4", "1/-4": a fraction as the working writes it.
std::string Written(Fraction f);

// "6/8 = (6 ÷ 2)/(8 ÷ 2) = 3/4", or "3/4 is in lowest terms" when g is 1.
std::string WrittenReduction(Fraction from, const std::string& g, const std::string& to);

// A mixed answer read as one number: "1 1/2", "1/-4", "2" (a whole answer), "0".
std::string Written(const MixedText& m);

} // namespace zentaro::fractions
