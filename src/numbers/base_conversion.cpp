#include "numbers/base_conversion.h"

#include "conventions/numbers.h"

namespace zentaro::numbers {
namespace {

// Capital letters follow the ten digits: "A" is 10.
constexpr int kLetterOffset = 55;

bool IsBaseInRange(std::int16_t base)
{
    return base >= kLowestBase && base <= kHighestBase;
}

} // namespace

std::string codify(double x)
{
    if (x < 10)
        return FormatSpaced(x).substr(FormatSpaced(x).size() - 1);
    return std::string(1, static_cast<char>(RoundToInt32(x + kLetterOffset)));
}

double decodify(std::string_view abcd)
{
    if (abcd.empty())
        return kNotADigit;
    const char c = abcd.front();
    if (c >= '0' && c <= '9')
        return c - '0';
    // Blanks, points, signs and the like are not digits of any base: left to
    // their character codes they would weigh in as small or negative digits.
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return c - kLetterOffset;
    return kNotADigit;
}

double convtoden(std::string_view num, std::int16_t base)
{
    // Every character is checked before any is weighed: a long text would
    // otherwise overflow on its high powers before its stray character is seen.
    for (std::size_t i = num.size(); i >= 1; --i) {
        if (RoundToInt16(decodify(num.substr(i - 1, 1))) >= base)
            return -1;
    }
    double sum = 0;
    const auto n = num.size();
    for (std::size_t i = n; i >= 1; --i) {
        const std::int16_t d = RoundToInt16(decodify(num.substr(i - 1, 1)));
        // A zero weighs nothing, however high its power: leading zeros vanish.
        if (d != 0)
            sum = Add(sum, Mul(d, Power(base, static_cast<double>(n - i))));
    }
    return sum;
}

std::string convfromden(double x, std::int16_t base)
{
    std::string s;
    while (x != 0) {
        const std::int32_t r = Mod(x, base);
        s.insert(0, codify(r));
        x = Truncate(Divide(x, base));
    }
    return s;
}

std::optional<std::string> convertbases(std::string_view num, std::string_view fromBaseText,
                                        std::string_view toBaseText, const ShowMessage& message)
{
    const std::int16_t b1 = RoundToInt16(ParseNumber(fromBaseText));
    const std::int16_t b2 = RoundToInt16(ParseNumber(toBaseText));
    if (!IsBaseInRange(b1) || !IsBaseInRange(b2)) {
        message(kCheckInputs, msgstyle::kOkOnly, {});
        return std::nullopt;
    }
    const double x = convtoden(num, b1);
    if (x > -1)
        return convfromden(x, b2);
    return std::string(kConversionError);
}

} // namespace zentaro::numbers
