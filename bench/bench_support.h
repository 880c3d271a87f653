#pragma once

#include "conventions/dialogs.h"

#include <random>
#include <string>
#include <string_view>

namespace zentaro::bench {

// A message box nobody sees, answered OK.
inline const ShowMessage kNoMessage = [](std::string_view, int, std::string_view) { return MessageAnswer::Ok; };

// `length` random digits, the first a 7 so that no leading zero shortens the number.
inline std::string RandomDigits(std::mt19937& random, std::size_t length)
{
    std::uniform_int_distribution<int> digit(0, 9);
    std::string digits(length, '0');
    for (char& c : digits)
        c = static_cast<char>('0' + digit(random));
    digits.front() = '7';
    return digits;
}

} // namespace zentaro::bench
