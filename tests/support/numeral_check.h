#pragma once

// Numbers worked out by hand: the Roman numeral of a number by greedy writing, a
// whole number's digits in bases 2 to 36 (0-9, then A-Z; nothing for 0), and the
// signed greatest divisor by repeated subtraction.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

namespace zentaro::testing::numeral_check {

// The largest symbol or subtractive pair that fits, again and again.
inline std::string Greedy(int n)
{
    const std::pair<int, const char*> steps[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                                                 {90, "XC"},  {50, "L"},   {40, "XL"}, {10, "X"},   {9, "IX"},
                                                 {5, "V"},    {4, "IV"},   {1, "I"}};
    std::string numeral;
    for (const auto& [value, symbols] : steps) {
        for (; n >= value; n -= value)
            numeral += symbols;
    }
    return numeral;
}

inline std::string Written(std::uint64_t value, int base)
{
    static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string text;
    for (; value != 0; value /= static_cast<std::uint64_t>(base))
        text.insert(text.begin(), kDigits[value % static_cast<std::uint64_t>(base)]);
    return text;
}

// As first defined: a 0 takes the other's value, and the divisor is negative when
// the signs differ. For inputs where it ends quickly.
template <typename T> T SubtractionGcd(T x, T y)
{
    if (x == 0)
        x = y;
    else if (y == 0)
        y = x;
    const T s = (x < 0) != (y < 0) ? -1 : 1;
    x = std::abs(x);
    y = std::abs(y);
    while (x != y)
        (x > y ? x : y) -= std::min(x, y);
    return s * x;
}

} // namespace zentaro::testing::numeral_check
