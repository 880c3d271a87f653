#include "largenum/addsub.h"

#include "conventions/runtime_error.h"

#include <algorithm>
#include <utility>

namespace zentaro::largenum {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// The digits of one input without blanks around them or leading zeros ("" for
// zero), or nothing when the text holds anything else.
std::optional<std::string_view> Digits(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::string_view{};
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const auto significant = text.find_first_not_of('0');
    return significant == std::string_view::npos ? std::string_view{} : text.substr(significant);
}

// Compares by digits, never through a double, so numbers that agree in their
// first fifteen digits are still told apart.
bool IsLarger(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return a.size() > b.size();
    return a > b;
}

struct Operands {
    std::string_view larger;
    std::string_view smaller;
    bool exchanged = false;
};

std::optional<Operands> Prepare(std::string_view a, std::string_view b, const ShowMessage& message)
{
    const auto digitsA = Digits(a);
    const auto digitsB = Digits(b);
    if (!digitsA || !digitsB) {
        message(kPositiveIntegersOnly, msgstyle::kOkOnly, {});
        return std::nullopt;
    }
    if (digitsA->size() > kMostDigits || digitsB->size() > kMostDigits)
        Raise(ErrorCode::SubscriptOutOfRange);
    if (IsLarger(*digitsB, *digitsA))
        return Operands{*digitsB, *digitsA, true};
    return Operands{*digitsA, *digitsB, false};
}

int DigitAt(std::string_view digits, std::size_t fromRight)
{
    return fromRight < digits.size() ? digits[digits.size() - 1 - fromRight] - '0' : 0;
}

// The digits were gathered least significant first.
std::string Finish(std::string reversed, bool negative)
{
    while (!reversed.empty() && reversed.back() == '0')
        reversed.pop_back();
    if (reversed.empty())
        return "0";
    if (negative)
        reversed.push_back('-');
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

} // namespace

std::optional<std::string> bigadd(std::string_view a, std::string_view b, const ShowMessage& message)
{
    const auto operands = Prepare(a, b, message);
    if (!operands)
        return std::nullopt;
    const std::size_t length = operands->larger.size();
    std::string reversed;
    reversed.reserve(length + 1);
    int carry = 0;
    for (std::size_t i = 0; i < length; ++i) {
        int d = DigitAt(operands->larger, i) + DigitAt(operands->smaller, i) + carry;
        carry = d >= 10 ? 1 : 0;
        d -= 10 * carry;
        reversed.push_back(static_cast<char>('0' + d));
    }
    reversed.push_back(static_cast<char>('0' + carry));
    return Finish(std::move(reversed), false);
}

std::optional<std::string> bigsub(std::string_view a, std::string_view b, const ShowMessage& message)
{
    const auto operands = Prepare(a, b, message);
    if (!operands)
        return std::nullopt;
    const std::size_t length = operands->larger.size();
    std::string reversed;
    reversed.reserve(length + 1);
    int borrow = 0;
    for (std::size_t i = 0; i < length; ++i) {
        int d = DigitAt(operands->larger, i) - DigitAt(operands->smaller, i) - borrow;
        borrow = d < 0 ? 1 : 0;
        d += 10 * borrow;
        reversed.push_back(static_cast<char>('0' + d));
    }
    return Finish(std::move(reversed), operands->exchanged);
}

} // namespace zentaro::largenum
