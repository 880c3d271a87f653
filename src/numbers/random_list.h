#pragma once

#include "conventions/dialogs.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zentaro::numbers {

// The generator walks through all 4096 values 0 to 4095 before it repeats, so
// the list after the seed holds at most 4095 numbers.
inline constexpr std::int16_t kMostRandomNumbers = 4095;
inline constexpr std::string_view kOnly4095Numbers = "Only 4095 numbers will be generated!";
inline constexpr std::string_view kRandomSeedText = "0";

// One step of the generator: (109 x + 853) mod 4096.
double nextrandom(double x);

// How many numbers to generate for the text of the count field: rounded half to
// even to 16 bits (Overflow beyond), cut to 4095 after one message.
std::int16_t randomcount(std::string_view countText, const ShowMessage& message);

// The seed and `count` numbers after it: "0, 853, 3718, 611" for 3.
std::string randomlist(std::int16_t count);

} // namespace zentaro::numbers
