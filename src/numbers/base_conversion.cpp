#include "numbers/base_conversion.h"

#include "conventions/numbers.h"
#include "conventions/working_text.h"

#include <string>
#include <vector>

namespace zentaro::numbers {
namespace {

// Capital letters follow the ten digits: "A" is 10.
constexpr int kLetterOffset = 55;

// A sum of more terms than this is only given as its total.
constexpr std::size_t kMostTermsShown = 12;

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

double convtoden(std::string_view num, std::int16_t base, Working working)
{
    // Every character is checked before any is weighed: a long text would
    // otherwise overflow on its high powers before its stray character is seen.
    for (std::size_t i = num.size(); i >= 1; --i) {
        if (RoundToInt16(decodify(num.substr(i - 1, 1))) >= base) {
            working.step(
                [&] { return working::Quoted(num.substr(i - 1, 1)) + " is not a digit of base " + FormatPlain(base); });
            return -1;
        }
    }
    double sum = 0;
    std::vector<std::string> terms;
    const auto n = num.size();
    for (std::size_t i = n; i >= 1; --i) {
        const std::int16_t d = RoundToInt16(decodify(num.substr(i - 1, 1)));
        // A zero weighs nothing, however high its power: leading zeros vanish.
        if (d != 0) {
            const double term = Mul(d, Power(base, static_cast<double>(n - i)));
            sum = Add(sum, term);
            working.step([&] {
                return std::string(num.substr(i - 1, 1)) + ": " + FormatPlain(d) + " × " + FormatPlain(base) +
                       working::Superscript(n - i) + " = " + FormatPlain(term);
            });
            if (working.recording())
                terms.push_back(FormatPlain(term));
        }
    }
    working.step([&] {
        std::string line = (num.empty() ? "0" : std::string(num)) + " in base " + FormatPlain(base) + " = ";
        if (terms.size() > 1 && terms.size() <= kMostTermsShown) {
            for (std::size_t t = 0; t < terms.size(); ++t)
                line += (t > 0 ? " + " : "") + terms[t];
            line += " = ";
        }
        return line + FormatPlain(sum);
    });
    return sum;
}

std::string convfromden(double x, std::int16_t base, Working working)
{
    std::string s;
    while (x != 0) {
        const std::int32_t r = Mod(x, base);
        s.insert(0, codify(r));
        const double before = x;
        x = Truncate(Divide(x, base));
        working.step([&] {
            return FormatPlain(before) + " ÷ " + FormatPlain(base) + " = " + FormatPlain(x) + " remainder " +
                   FormatPlain(r) + (r > 9 ? ", the digit " + codify(r) : std::string());
        });
    }
    if (s.size() > 1)
        working.step("The remainders, from the last to the first, are the digits");
    return s;
}

std::optional<std::string> convertbases(std::string_view num, std::string_view fromBaseText,
                                        std::string_view toBaseText, const ShowMessage& message, Working working)
{
    const std::int16_t b1 = RoundToInt16(ParseNumber(fromBaseText));
    const std::int16_t b2 = RoundToInt16(ParseNumber(toBaseText));
    if (!IsBaseInRange(b1) || !IsBaseInRange(b2)) {
        working.step([&] {
            return "Bases run from " + FormatPlain(kLowestBase) + " to " + FormatPlain(kHighestBase) + ", and " +
                   FormatPlain(IsBaseInRange(b1) ? b2 : b1) + " is not one of them";
        });
        working.step(kCheckInputs);
        message(kCheckInputs, msgstyle::kOkOnly, {});
        return std::nullopt;
    }
    const double x = convtoden(num, b1, working);
    if (x > -1) {
        std::string digits = convfromden(x, b2, working);
        working.step([&] {
            const std::string number = (num.empty() ? "0" : std::string(num)) + " in base " + FormatPlain(b1);
            if (digits.empty())
                return number + " is 0, which has no digits: the answer is left empty";
            return number + " = " + digits + " in base " + FormatPlain(b2);
        });
        return digits;
    }
    working.step(kConversionError);
    return std::string(kConversionError);
}

} // namespace zentaro::numbers
