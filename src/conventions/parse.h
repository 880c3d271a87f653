#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zentaro {

// Reads the longest leading number and ignores the rest; never rejects text
// ("" and "abc" give 0, "12abc" gives 12). Raises Overflow beyond the double range.
double ParseNumber(std::string_view text);

// The whole text, blanks around it aside, must be a number in the user's locale:
// sign, digits, decimal separator and exponent, no '&H' or '&O' pattern.
// Anything else raises TypeMismatch.
double StrictToDouble(std::string_view text);
// The same reading for a caller that asks again instead: nothing for text that is
// not a number. A number beyond the double range still raises Overflow.
std::optional<double> StrictNumber(std::string_view text);
std::int32_t StrictToInt32(std::string_view text);

} // namespace zentaro
