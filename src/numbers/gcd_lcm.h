#pragma once

#include "conventions/tagged.h"
#include "conventions/working.h"

#include <string>
#include <string_view>

// The procedures of the GCD/LCM/factoring window. Other windows have procedures
// with the same names and other rules, hence the namespace of their own.
namespace zentaro::numbers::gcdlcm {

// Every list starts with this separator; each item is followed by two blanks and it.
inline constexpr std::string_view kListStart = "\u00A4";

// The greatest common divisor, negative when exactly one of a and b is negative
// and neither is 0: gcd(12, 18) = 6, gcd(-4, 6) = -2, gcd(0, -4) = 4, gcd(0, 0) = 0.
// Fractions that a double holds work too: gcd(2.5, 1) = 0.5.
// Not the fractions' gcd (32-bit, Overflow at 2^31) nor the quadratic solver's (never negative).
// The working is Euclid's table, one division a line.
double gcd(double a, double b, Working working = {});

// |b · a| / |g| in doubles: 0 / 0 (a = b = 0) raises Overflow.
double lcm(double a, double b, double g, Working working = {});

// The exponent of b (a whole number from 2) in a rounded to a 32-bit integer: the
// largest i with b^i dividing it, or empty when a rounds to 0. A number a not
// above 0 raises InvalidCall, one beyond the 32-bit range Overflow.
// Unlike the quadratic solver's dmax, empty (not 0) for a zero a and any base b, prime or not.
// The working is each division by b, as a rung of a division ladder.
Tagged dmax(double a, double b, Working working = {});

// 1 when the 32-bit rounding of a is prime, else 0; meant for odd numbers from 3
// (it calls 1 prime too).
// Unlike the prime list's and the quadratic solver's prime, it calls 1 prime and 2 not (only odd numbers reach it).
int prime(double a);

// "¤   1  ¤   2  ¤   3  ¤   4  ¤   6  ¤   12  ¤" for 12: the divisors of a rounded
// to a 32-bit integer that are not above a. Only "¤" below 1.
// The working pairs each divisor d up to √a with a / d.
std::string factorlist(double a, Working working = {});

// "¤   2( 3)  ¤   3( 2)  ¤   5( 1)  ¤" for 360: each prime with its exponent.
// 0 and negative numbers that round to an even number raise InvalidCall.
// The working is the division ladder and the product it gives.
std::string primefactors(double a, Working working = {});

} // namespace zentaro::numbers::gcdlcm
