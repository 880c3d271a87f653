#include "numbers/roman.h"

#include "conventions/numbers.h"

#include <array>

namespace zentaro::numbers {
namespace {

constexpr std::array<std::string_view, 4> kThousands = {"", "M", "MM", "MMM"};
constexpr std::array<std::string_view, 10> kHundreds = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
constexpr std::array<std::string_view, 10> kTens = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
constexpr std::array<std::string_view, 10> kUnits = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};

template <std::size_t N> std::string_view Entry(const std::array<std::string_view, N>& table, std::int32_t digit)
{
    if (digit < 0 || static_cast<std::size_t>(digit) >= N)
        Raise(ErrorCode::SubscriptOutOfRange);
    return table[static_cast<std::size_t>(digit)];
}

// One step of the split: the place value left after taking off the last digit.
std::int16_t Shift(std::int16_t m, std::int32_t digit)
{
    return RoundToInt16(Divide(SubInt32(m, digit), 10));
}

} // namespace

std::string romannumeral(std::int16_t n)
{
    const std::int32_t u = Mod(n, 10);
    std::int16_t m = Shift(n, u);
    const std::int32_t t = Mod(m, 10);
    m = Shift(m, t);
    const std::int32_t h = Mod(m, 10);
    m = Shift(m, h);
    const std::int32_t k = Mod(m, 10);

    std::string numeral(Entry(kThousands, k));
    numeral += Entry(kHundreds, h);
    numeral += Entry(kTens, t);
    numeral += Entry(kUnits, u);
    return numeral;
}

std::optional<std::string> romanfor(std::string_view arabicText)
{
    const double x = ParseNumber(arabicText);
    if (x > kLargestRoman)
        return std::nullopt;
    return romannumeral(RoundToInt16(x));
}

} // namespace zentaro::numbers
