#pragma once

// The long-number procedures against plain column arithmetic and long division on
// decimal strings: bigadd and bigsub give the sum and difference of digit strings
// and undo each other, anything else one message and no result; recipdigits gives
// "0." then the digits of 1/x for a whole x, anything else is refused.

#include "conventions/numbers.h"
#include "largenum/addsub.h"
#include "largenum/reciprocal.h"
#include "support/property.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace zentaro::testing {
namespace large_number_check {

// The digits without the blanks around them and without leading zeros ("0" for
// zero), or nothing for any other text.
inline std::optional<std::string> Normalised(const std::string& text)
{
    const char* const blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    const std::string digits =
        first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(blanks) - first + 1);
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const std::size_t lead = digits.find_first_not_of('0');
    return lead == std::string::npos ? "0" : digits.substr(lead);
}

// x + sign·y in right-aligned columns, worked from the last one; x not less than y
// when subtracting.
inline std::string Columns(const std::string& x, const std::string& y, int sign)
{
    const std::size_t width = std::max(x.size(), y.size()) + 1;
    const std::string px = std::string(width - x.size(), '0') + x;
    const std::string py = std::string(width - y.size(), '0') + y;
    std::string out(width, '0');
    int carry = 0;
    for (std::size_t i = width; i-- > 0;) {
        const int column = (px[i] - '0') + sign * (py[i] - '0') + carry;
        carry = column < 0 ? -1 : column / 10;
        out[i] = static_cast<char>('0' + column - 10 * carry);
    }
    return Normalised(out).value();
}

} // namespace large_number_check

inline std::string CheckSumAndDifference(const std::string& a, const std::string& b)
{
    using namespace large_number_check;
    int messages = 0;
    std::string wrongMessage;
    const ShowMessage message = [&](std::string_view text, int style, std::string_view title) {
        ++messages;
        if (text != largenum::kPositiveIntegersOnly || style != 0 || !title.empty())
            wrongMessage = text;
        return MessageAnswer::Ok;
    };
    const auto x = Normalised(a);
    const auto y = Normalised(b);
    const bool tooLong = (x && x->size() > largenum::kMostDigits) || (y && y->size() > largenum::kMostDigits);
    std::optional<std::string> sum;
    std::optional<std::string> difference;
    try {
        sum = largenum::bigadd(a, b, message);
        difference = largenum::bigsub(a, b, message);
    } catch (const RuntimeError& error) {
        PROPERTY(x && y && tooLong && error.code() == ErrorCode::SubscriptOutOfRange);
        return {};
    }
    PROPERTY(wrongMessage.empty());
    if (!x || !y) {
        PROPERTY(!sum && !difference && messages == 2);
        return {};
    }
    PROPERTY(!tooLong && sum && difference && messages == 0);
    PROPERTY(*sum == Columns(*x, *y, 1));
    const bool negative = x->size() != y->size() ? x->size() < y->size() : *x < *y;
    PROPERTY(difference->starts_with(negative ? "-" : "") &&
             difference->substr(negative ? 1 : 0) == (negative ? Columns(*y, *x, -1) : Columns(*x, *y, -1)));

    // The result is a valid input again: (a + b) - b is a, and b - a is -(a - b).
    const auto back = largenum::bigsub(*sum, b, message);
    PROPERTY(back && *back == *x);
    const auto reversed = largenum::bigsub(b, a, message);
    PROPERTY(reversed && (*reversed == "0"        ? *difference == "0"
                          : (*reversed)[0] == '-' ? reversed->substr(1) == *difference
                                                  : "-" + *reversed == *difference));
    PROPERTY(messages == 0);
    return {};
}

inline std::string CheckReciprocal(const std::string& numberText, const std::string& countText)
{
    int messages = 0;
    const ShowMessage message = [&](std::string_view, int, std::string_view) {
        ++messages;
        return MessageAnswer::Ok;
    };
    double x = 0;
    double n = 0;
    std::string text;
    try {
        x = ParseNumber(numberText);
        n = ParseNumber(countText);
        text = largenum::recipdigits(numberText, countText, message, [](std::string_view) {});
    } catch (const RuntimeError& error) {
        PROPERTY(error.code() == ErrorCode::Overflow);
        return {};
    }
    if (std::trunc(x) != x || std::fabs(x) >= 1e15) {
        PROPERTY(text.empty() && messages == 1);
        return {};
    }
    const std::string sign = x < 0 ? "- " : "";
    x = std::fabs(x);
    if (x == 0) {
        PROPERTY(text == "Indeterminate");
        return {};
    }
    if (x == 1 || n == 0) {
        PROPERTY(text == sign + (x == 1 ? "1" : ""));
        return {};
    }
    PROPERTY(messages == (n > 2000 ? 1 : 0));

    // The true expansion of 1/x, digit by digit; the window shows its first
    // L - 1 + m digits (L digits in x, m passes of the digit loop), one fewer for
    // a power of ten when no pass runs.
    const auto divisor = static_cast<std::uint64_t>(x);
    const std::string digits = std::to_string(divisor);
    const double count = std::min(n, 2000.0);
    const long passes = count < 2 ? 0 : static_cast<long>(std::floor(count - 1));
    const bool powerOfTen = digits[0] == '1' && digits.find_first_not_of('0', 1) == std::string::npos;
    const long shown = static_cast<long>(digits.size()) - 1 + passes - (powerOfTen && passes == 0 ? 1 : 0);
    std::string expected = sign + "0.";
    std::uint64_t remainder = 1;
    for (long i = 0; i < shown; ++i) {
        remainder *= 10;
        expected += static_cast<char>('0' + remainder / divisor);
        remainder %= divisor;
    }
    PROPERTY(text == expected);
    return {};
}

} // namespace zentaro::testing
