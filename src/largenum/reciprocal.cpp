#include "largenum/reciprocal.h"

#include "conventions/numbers.h"

#include <cmath>
#include <cstdint>

namespace zentaro::largenum {

std::string recipdigits(std::string_view numberText, std::string_view digitCountText, const ShowMessage& message,
                        const ShowAnswer& written)
{
    std::string text;
    double x = ParseNumber(numberText);
    // Past 1E15 the digit count below no longer counts digits, and a fraction has
    // no place in long division by a whole divisor: either would print a wrong answer.
    if (std::trunc(x) != x || std::fabs(x) >= 1e15) {
        message(kWholeNumbersOnly, msgstyle::kOkOnly, {});
        return {};
    }
    if (x < 0) {
        text = "- ";
        x = -x;
    }
    if (x == 0)
        return "Indeterminate";
    if (x == 1)
        return text + "1";

    written(text);
    double n = ParseNumber(digitCountText);
    if (n == 0)
        return text;
    if (n > kMaxReciprocalDigits) {
        message(kOnly2000Digits, msgstyle::kOkOnly, {});
        n = kMaxReciprocalDigits;
    }
    text += "0.";

    const auto length = FormatSpaced(ParseNumber(numberText)).size() - 1;
    // Whole numbers below 1E15 keep every remainder below 1E16, so 64-bit integers
    // carry the long division exactly.
    const auto divisor = static_cast<std::uint64_t>(x);
    std::uint64_t remainder = 1;
    for (std::size_t i = 0; i < length; ++i)
        remainder *= 10;

    const bool powerOfTen = remainder == 10 * divisor;
    text.append(length - (powerOfTen ? 2 : 1), '0');

    for (double k = 1; k <= n - 1; ++k) {
        const std::uint64_t q = remainder / divisor;
        if (q == 10)
            text += "10";
        else
            text += static_cast<char>('0' + q);
        remainder = (remainder - q * divisor) * 10;
    }
    return text;
}

} // namespace zentaro::largenum
