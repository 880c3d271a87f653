#pragma once

#include "conventions/tagged.h"
#include "conventions/working.h"

#include <cstdint>

namespace zentaro::fractions {

// The signed greatest common divisor that every fraction operation reduces by.
// Its magnitude is the common divisor of |a| and |b|; it is negative exactly when
// one operand is negative and the other positive. A zero operand takes the other's
// value for both, so gcd(0, b) and gcd(a, 0) are never negative; gcd(0, 0) is 0.
// The magnitude can reach 2147483648 (gcd(-2147483648, 0)), which no longer fits
// 32 bits: the result is then a double, and converting it raises Overflow.
// Not the GCD/LCM window's gcd (doubles, fractions allowed) nor the quadratic solver's (never negative).
// The working shows Euclid's divisions when there are few of them, then the divisor.
Tagged gcd(std::int32_t a, std::int32_t b, Working working = {});

} // namespace zentaro::fractions
