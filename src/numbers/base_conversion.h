#pragma once

#include "conventions/dialogs.h"
#include "conventions/working.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentaro::numbers {

inline constexpr std::int16_t kLowestBase = 2;
inline constexpr std::int16_t kHighestBase = 36;
inline constexpr std::string_view kCheckInputs = "Please check your inputs!";
inline constexpr std::string_view kConversionError = "Error! Please check your inputs!";

// What decodify gives a character that is neither a digit nor a letter: a value
// no base has as a digit, so the whole number is refused.
inline constexpr double kNotADigit = 99;

// The digit character of a value 0 to 35: "0" to "9", then "A" to "Z".
std::string codify(double x);

// The value of one digit character: "0" to "9" give 0 to 9, "A" to "Z" give 10
// to 35, lower-case letters 42 and more (a digit of no base), anything else
// kNotADigit.
double decodify(std::string_view abcd);

// The value of a digit string in `base`, weighed in doubles; -1 when a character
// is not a digit of that base, 0 for the empty text. Leading zeros, however
// many, weigh nothing; a value beyond the double range raises Overflow.
// The working gives each digit's value and weight.
double convtoden(std::string_view num, std::int16_t base, Working working = {});

// The digits of a whole number in `base`, most significant first; the empty
// text for 0. Values beyond the 32-bit range raise Overflow.
// The working is the repeated division with its remainders.
std::string convfromden(double x, std::int16_t base, Working working = {});

// The Convert! button: `num` from the base in `fromBaseText` to the base in
// `toBaseText`. A base outside 2 to 36 shows one message and gives nothing (the
// answer keeps its text); a number that is not written in its base gives
// kConversionError.
std::optional<std::string> convertbases(std::string_view num, std::string_view fromBaseText,
                                        std::string_view toBaseText, const ShowMessage& message, Working working = {});

} // namespace zentaro::numbers
