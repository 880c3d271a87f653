#pragma once

#include <cstdint>

namespace zentaro {

// Nearest integer, a tie going to the even neighbour; Overflow outside the width.
std::int32_t RoundToInt32(double x);
std::int16_t RoundToInt16(double x);

// The integer part, toward zero. The sized forms range-check like the rounding ones.
double Truncate(double x);
std::int32_t TruncateToInt32(double x);
std::int16_t TruncateToInt16(double x);

// x rounded to `places` decimals: x·10^places rounded half to even, divided back.
double RoundHalfEven(double x, int places = 0);

} // namespace zentaro
