#pragma once

// Numerals written out by hand: the Roman numeral of a number by greedy writing,
// and a whole number's digits in bases 2 to 36 (0-9, then A-Z; nothing for 0).

#include <cstdint>
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

} // namespace zentaro::testing::numeral_check
