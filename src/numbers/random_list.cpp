#include "numbers/random_list.h"

#include "conventions/numbers.h"

namespace zentaro::numbers {
namespace {

constexpr double kMultiplier = 109;
constexpr double kIncrement = 853;
constexpr double kModulus = 4096;

} // namespace

double nextrandom(double x)
{
    return Mod(Add(Mul(kMultiplier, x), kIncrement), kModulus);
}

std::int16_t randomcount(std::string_view countText, const ShowMessage& message)
{
    const std::int16_t k = RoundToInt16(ParseNumber(countText));
    if (k > kMostRandomNumbers) {
        message(kOnly4095Numbers, msgstyle::kOkOnly, {});
        return kMostRandomNumbers;
    }
    return k;
}

std::string randomlist(std::int16_t count)
{
    std::string text(kRandomSeedText);
    double x = 0;
    for (std::int16_t i = 1; i <= count; ++i) {
        x = nextrandom(x);
        text += ",";
        text += FormatSpaced(x);
    }
    return text;
}

} // namespace zentaro::numbers
