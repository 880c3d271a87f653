#pragma once

#include "conventions/dialogs.h"
#include "conventions/working.h"

#include <functional>
#include <string>
#include <string_view>

namespace zentaro::largenum {

inline constexpr int kMaxReciprocalDigits = 2000;
inline constexpr std::string_view kOnly2000Digits = "Only 2000 digits will be returned!";
inline constexpr std::string_view kWholeNumbersOnly = "Please enter a whole number of at most 15 digits!";

// Receives the answer as far as it is written before a step that can still fail,
// so that a run-time error leaves the field showing it (the "- " of a negative
// number when the digit count is too large to read).
using ShowAnswer = std::function<void(std::string_view answer)>;

// The decimal expansion of 1/x by long division, digit by digit, as the
// reciprocal window shows it ("0.08333" for 12 and 5 digits). A digit count above
// 2000 is cut to 2000 after one message; a number that is not whole, or of 1E15
// or more, is refused with a message and gives the empty text.
// The working is the first divisions, then where the digits start to repeat
// and how many repeat, found exactly however far past 2000 digits that is.
std::string recipdigits(std::string_view numberText, std::string_view digitCountText, const ShowMessage& message,
                        const ShowAnswer& written, Working working = {});

} // namespace zentaro::largenum
