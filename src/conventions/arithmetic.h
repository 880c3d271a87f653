#pragma once

#include <cstdint>

namespace zentaro {

// Integer arithmetic on fixed widths: a result outside the width raises Overflow.
std::int16_t AddInt16(std::int16_t a, std::int16_t b);
std::int16_t SubInt16(std::int16_t a, std::int16_t b);
std::int16_t MulInt16(std::int16_t a, std::int16_t b);
std::int32_t AddInt32(std::int32_t a, std::int32_t b);
std::int32_t SubInt32(std::int32_t a, std::int32_t b);
std::int32_t MulInt32(std::int32_t a, std::int32_t b);

// Double arithmetic: a result beyond the double range raises Overflow.
double Add(double a, double b);
double Sub(double a, double b);
double Mul(double a, double b);
// a / b: b = 0 raises DivisionByZero, or Overflow when a is 0 too.
double Divide(double a, double b);
// Both operands rounded to 32-bit integers first; the remainder has the sign of a.
std::int32_t Mod(double a, double b);
// a ^ b: a negative base with a fractional exponent raises InvalidCall; 0 to a
// negative power raises DivisionByZero.
double Power(double a, double b);
// Square root of a negative number and logarithm of a number not above 0 raise InvalidCall.
double Sqrt(double x);
double Log(double x);

} // namespace zentaro
