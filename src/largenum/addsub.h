#pragma once

#include "conventions/dialogs.h"
#include "conventions/working.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zentaro::largenum {

// The digit arrays hold this many digits of each number.
inline constexpr std::size_t kMostDigits = 65536;
inline constexpr std::string_view kPositiveIntegersOnly = "Please Enter only positive integers!";

// a + b for whole numbers written as digit strings, every digit kept. Blanks
// around a number are ignored, leading zeros dropped, and an empty text counts
// as 0. A text that is anything but digits shows one message and gives nothing
// (the window then clears both inputs). More than 65536 significant digits
// raise Subscript out of range.
// The working is the column sum with its carries, in full up to 40 digits; for
// longer numbers the digit counts, the first columns and the last.
std::optional<std::string> bigadd(std::string_view a, std::string_view b, const ShowMessage& message,
                                  Working working = {});

// a - b on the same terms; "-" in front when b is the larger ("5", "12" give "-7").
std::optional<std::string> bigsub(std::string_view a, std::string_view b, const ShowMessage& message,
                                  Working working = {});

} // namespace zentaro::largenum
