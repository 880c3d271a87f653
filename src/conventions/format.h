#pragma once

#include <cstdint>
#include <string>

namespace zentaro {

// ' 3', '-.25', ' .5', ' 1.5E+20': a blank before a number that is not negative,
// no '0' before the point, at most 15 significant digits, '.' as the point.
std::string FormatSpaced(double x);
std::string FormatSpaced(std::int32_t x);
std::string FormatSpaced(std::int16_t x);

// '3', '-0.25', '0.5': the same digits without the blank, with a '0' before the
// point and the user's decimal separator.
std::string FormatPlain(double x);
std::string FormatPlain(std::int32_t x);
std::string FormatPlain(std::int16_t x);

} // namespace zentaro
