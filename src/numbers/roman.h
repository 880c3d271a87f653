#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentaro::numbers {

inline constexpr double kLargestRoman = 3999;
inline constexpr std::string_view kUnknownNumeral = "??????????";
inline constexpr std::string_view kBelow4000 = "Please enter a number less than 4000!";

// The numeral of 0 to 3999 from one table per decimal place ("" for 0). A
// negative number has negative digits, which no table has: Subscript out of range.
std::string romannumeral(std::int16_t n);

// The numeral for the text of the Arabic field: its number rounded half to even
// to a 16-bit integer. Nothing when the number is above 3999 (before rounding).
std::optional<std::string> romanfor(std::string_view arabicText);

} // namespace zentaro::numbers
