#include "largenum/reciprocal.h"

#include "conventions/numbers.h"
#include "conventions/working_text.h"
#include "largenum/period.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zentaro::largenum {
namespace {

using working::Count;
using working::Ordinal;
using working::Superscript;

// The first divisions of the long division are written out; the rest go the same way.
constexpr double kDivisionsShown = 8;
// The repeating block is quoted up to this many digits.
constexpr std::uint64_t kBlockDigitsQuoted = 60;

// One step of the long division: the next digit, and the remainder moved on.
std::uint64_t NextDigit(std::uint64_t& remainder, std::uint64_t divisor)
{
    const std::uint64_t q = remainder / divisor;
    remainder = (remainder - q * divisor) * 10;
    return q;
}

void AppendDigit(std::string& text, std::uint64_t q)
{
    if (q == 10)
        text += "10";
    else
        text += static_cast<char>('0' + q);
}

// "12 = 2² × 3": the factors 2 and 5 apart from the rest.
std::string Factored(std::uint64_t x, const DecimalPeriod& p)
{
    std::string parts;
    const auto add = [&](std::uint64_t base, unsigned power) {
        if (power == 0)
            return;
        parts += (parts.empty() ? "" : " × ") + std::to_string(base) + (power > 1 ? Superscript(power) : "");
    };
    add(2, p.twos);
    add(5, p.fives);
    if (p.rest > 1)
        parts += " × " + std::to_string(p.rest);
    return std::to_string(x) + " = " + parts;
}

// Where the digits of 1/divisor start to repeat and how many repeat, in words.
// `digits` are the digits after the point the answer shows; `remainder` is
// where the long division stopped, to go on from if the block needs more.
void RecordPeriod(Working working, std::uint64_t divisor, std::string digits, std::uint64_t remainder)
{
    const DecimalPeriod p = decimalperiod(divisor);
    const std::size_t shown = digits.size();
    const std::uint64_t needed = p.start + std::min(p.length, kBlockDigitsQuoted);
    while (digits.size() < needed)
        AppendDigit(digits, NextDigit(remainder, divisor));
    const std::string one = "1/" + std::to_string(divisor) + " = 0.";
    if (p.twos > 0 || p.fives > 0)
        working.step(Factored(divisor, p));
    if (p.length == 0) {
        working.step("Only the primes 2 and 5 divide " + std::to_string(divisor) + ", so the division ends after the " +
                     Ordinal(p.start) + " digit");
        working.step(one + digits.substr(0, p.start) + " exactly");
        return;
    }
    if (p.start > 0)
        working.step("Its factors 2 and 5 hold the repetition back by " + Count(p.start, "digit", "digits"));
    working.step("10" + Superscript(p.length) + " ≡ 1 (mod " + std::to_string(p.rest) +
                 "), and no smaller power of 10 is: the order of 10 modulo " + std::to_string(p.rest) + " is " +
                 std::to_string(p.length));
    const std::string block = digits.substr(p.start, std::min(p.length, kBlockDigitsQuoted));
    std::string line = one + digits.substr(0, needed) + "…: the " + Count(p.length, "digit", "digits") +
                       (p.length > kBlockDigitsQuoted ? " that start " : " ") + block +
                       (p.length == 1 ? " repeats" : " repeat") + " from the " + Ordinal(p.start + 1) +
                       " digit after the point";
    if (p.start + p.length > shown)
        line += ", further than the answer's " + Count(shown, "digit", "digits") + " reach";
    working.step(line);
}

} // namespace

std::string recipdigits(std::string_view numberText, std::string_view digitCountText, const ShowMessage& message,
                        const ShowAnswer& written, Working working)
{
    std::string text;
    double x = ParseNumber(numberText);
    // Past 1E15 the digit count below no longer counts digits, and a fraction has
    // no place in long division by a whole divisor: either would print a wrong answer.
    if (std::trunc(x) != x || std::fabs(x) >= 1e15) {
        working.step(kWholeNumbersOnly);
        message(kWholeNumbersOnly, msgstyle::kOkOnly, {});
        return {};
    }
    const std::string typed = FormatPlain(x);
    const auto answer = [&](const std::string& result) {
        working.step([&] { return "1/" + typed + " = " + result; });
        return result;
    };
    if (x < 0) {
        text = "- ";
        x = -x;
        working.step([&] { return "1/" + typed + " = -(1/" + FormatPlain(x) + "): the minus sign goes in front"; });
    }
    if (x == 0) {
        working.step("No number times 0 gives 1");
        return answer("Indeterminate");
    }
    if (x == 1)
        return answer(text + "1");

    written(text);
    double n = ParseNumber(digitCountText);
    if (n == 0) {
        working.step("No digits were asked for");
        return text;
    }
    if (n > kMaxReciprocalDigits) {
        working.step(kOnly2000Digits);
        message(kOnly2000Digits, msgstyle::kOkOnly, {});
        n = kMaxReciprocalDigits;
    }
    text += "0.";
    const std::size_t point = text.size();

    const auto length = FormatSpaced(ParseNumber(numberText)).size() - 1;
    // Whole numbers below 1E15 keep every remainder below 1E16, so 64-bit integers
    // carry the long division exactly.
    const auto divisor = static_cast<std::uint64_t>(x);
    std::uint64_t remainder = 1;
    for (std::size_t i = 0; i < length; ++i)
        remainder *= 10;

    const bool powerOfTen = remainder == 10 * divisor;
    const std::size_t zeros = length - (powerOfTen ? 2 : 1);
    text.append(zeros, '0');
    working.step([&] {
        return "Write 0." + (zeros > 0 ? " and " + Count(zeros, "zero", "zeros") : std::string()) + ", then divide " +
               std::to_string(remainder) + " by " + std::to_string(divisor) + ", digit by digit:";
    });

    for (double k = 1; k <= n - 1; ++k) {
        const std::uint64_t dividend = remainder;
        const std::uint64_t q = NextDigit(remainder, divisor);
        AppendDigit(text, q);
        if (k <= kDivisionsShown) {
            working.step([&] {
                return std::to_string(dividend) + " ÷ " + std::to_string(divisor) + " = " + std::to_string(q) +
                       " remainder " + std::to_string(remainder / 10);
            });
        }
    }
    if (n - 1 > kDivisionsShown) {
        working.step([&] {
            return "… and so on, " +
                   Count(static_cast<std::uint64_t>(std::floor(n - 1) - kDivisionsShown), "more digit", "more digits");
        });
    }
    if (working.recording())
        RecordPeriod(working, divisor, text.substr(point), remainder);
    return answer(text);
}

} // namespace zentaro::largenum
