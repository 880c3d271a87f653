#include "largenum/addsub.h"

#include "conventions/runtime_error.h"
#include "conventions/working_text.h"

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

std::optional<Operands> Prepare(std::string_view a, std::string_view b, const ShowMessage& message, Working working)
{
    const auto digitsA = Digits(a);
    const auto digitsB = Digits(b);
    if (!digitsA || !digitsB) {
        working.step(
            [&] { return working::Quoted(digitsA ? b : a) + " is not a whole number written in digits alone"; });
        working.step(kPositiveIntegersOnly);
        message(kPositiveIntegersOnly, msgstyle::kOkOnly, {});
        return std::nullopt;
    }
    if (digitsA->size() > kMostDigits || digitsB->size() > kMostDigits) {
        working.step([&] {
            return "A number has " + std::to_string(std::max(digitsA->size(), digitsB->size())) +
                   " digits, more than the " + std::to_string(kMostDigits) + " there is room for";
        });
        Raise(ErrorCode::SubscriptOutOfRange);
    }
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

// The working of one column sum or difference, kept as it is worked out: the
// whole layout for short numbers, the first and last columns for long ones.
class ColumnWorking {
public:
    ColumnWorking(Working working, const Operands& operands, bool adding)
        : working_(working), operands_(operands), adding_(adding),
          layout_(working.recording() && operands.larger.size() <= kMostDigitsLaidOut),
          columns_(working.recording() && !layout_)
    {
        if (layout_)
            marks_.assign(operands.larger.size() + 1, ' ');
        if (columns_) {
            working.step([&] {
                return "The numbers have " + std::to_string(operands.larger.size()) + " and " +
                       std::to_string(operands.smaller.size()) +
                       " digits: too many to write out, so the first columns and the last:";
            });
        }
    }

    // Column i (0 for the units) took `top` and `bottom` with `in` carried or
    // borrowed into it, wrote `digit` and passed `out` on to the next.
    void column(std::size_t i, int top, int bottom, int in, int digit, int out)
    {
        if (layout_) {
            if (out != 0)
                marks_[marks_.size() - 2 - i] = '1';
        } else if (columns_ && (i < kColumnsShown || i + 1 == operands_.larger.size())) {
            working_.step([&] { return ColumnLine(i, top, bottom, in, digit, out); });
        }
    }

    void lastCarry(int carry) const
    {
        if (columns_ && carry != 0) {
            working_.step([&] {
                return "The last carry, 1, is the " + working::Ordinal(operands_.larger.size() + 1) + " digit";
            });
        }
    }

    void finish(const std::string& result) const
    {
        const std::string a = Shown(operands_.exchanged ? operands_.smaller : operands_.larger);
        const std::string b = Shown(operands_.exchanged ? operands_.larger : operands_.smaller);
        const std::string sign = adding_ ? " + " : " − ";
        if (operands_.exchanged) {
            working_.step([&] {
                return b + " is larger than " + a + ", so work out " + b + " − " + a + " and put a minus sign in front";
            });
        }
        if (layout_) {
            const std::size_t width = marks_.size();
            const auto row = [width](std::string_view lead, std::string_view digits) {
                return std::string(lead) + std::string(width - std::min(width, digits.size()), ' ') +
                       std::string(digits);
            };
            working_.step(adding_ ? "Add column by column from the right, carrying 1 when a column reaches 10:"
                                  : "Subtract column by column from the right, borrowing 1 when a digit is too small:");
            if (marks_.find('1') != std::string::npos)
                working_.step(row("  ", marks_) + (adding_ ? "   carries" : "   borrows"));
            working_.step(row("  ", Shown(operands_.larger)));
            working_.step(row(adding_ ? "+ " : "− ", Shown(operands_.smaller)));
            working_.step(std::string(width + 2, '-'));
            working_.step(row("  ", result.starts_with('-') ? result.substr(1) : result));
        } else if (working_.recording()) {
            working_.step([&] {
                return "The " + std::string(adding_ ? "sum" : "difference") + " has " +
                       std::to_string(result.size() - (result.starts_with('-') ? 1 : 0)) + " digits";
            });
        }
        working_.step([&] {
            return working::Shortened(a, kDigitsQuoted) + sign + working::Shortened(b, kDigitsQuoted) + " = " +
                   working::Shortened(result, kDigitsQuoted);
        });
    }

private:
    static constexpr std::size_t kMostDigitsLaidOut = 40;
    static constexpr std::size_t kColumnsShown = 3;
    static constexpr std::size_t kDigitsQuoted = 20;

    static std::string Shown(std::string_view digits) { return digits.empty() ? "0" : std::string(digits); }

    std::string ColumnLine(std::size_t i, int top, int bottom, int in, int digit, int out) const
    {
        std::string line = "Column " + std::to_string(i + 1) + (i == 0 ? " (units): " : ": ");
        const std::string moved = in != 0 ? (adding_ ? " + 1" : " − 1") : "";
        const std::string sum = std::to_string(top) + (adding_ ? " + " : " − ") + std::to_string(bottom) + moved;
        if (adding_)
            return line + sum + " = " + std::to_string(digit + 10 * out) + ": write " + std::to_string(digit) +
                   (out != 0 ? ", carry 1" : "");
        if (out != 0)
            return line + sum + " is below 0: borrow 1, " + std::to_string(digit - 10) +
                   " + 10 = " + std::to_string(digit);
        return line + sum + " = " + std::to_string(digit);
    }

    Working working_;
    const Operands& operands_;
    bool adding_;
    bool layout_;
    bool columns_;
    std::string marks_;
};

// What the column loop tells when nobody records: nothing, and the loop is
// compiled as tight as if it told nothing at all.
struct NoColumns {
    void column(std::size_t, int, int, int, int, int) const {}
    void lastCarry(int) const {}
};

// Runs the column loop `digits` once, with the working's columns when it records.
template <typename Digits> std::string InColumns(Working working, const Operands& operands, bool adding, Digits digits)
{
    if (!working.recording()) {
        NoColumns none;
        return digits(none);
    }
    ColumnWorking columns(working, operands, adding);
    std::string result = digits(columns);
    columns.finish(result);
    return result;
}

} // namespace

std::optional<std::string> bigadd(std::string_view a, std::string_view b, const ShowMessage& message, Working working)
{
    const auto operands = Prepare(a, b, message, working);
    if (!operands)
        return std::nullopt;
    return InColumns(working, *operands, true, [&](auto& columns) {
        // Local views: the loop's own writes cannot change them, so they stay in registers.
        const std::string_view larger = operands->larger;
        const std::string_view smaller = operands->smaller;
        const std::size_t length = larger.size();
        std::string reversed;
        reversed.reserve(length + 1);
        int carry = 0;
        for (std::size_t i = 0; i < length; ++i) {
            const int top = DigitAt(larger, i);
            const int bottom = DigitAt(smaller, i);
            const int in = carry;
            int d = top + bottom + carry;
            carry = d >= 10 ? 1 : 0;
            d -= 10 * carry;
            reversed.push_back(static_cast<char>('0' + d));
            columns.column(i, top, bottom, in, d, carry);
        }
        reversed.push_back(static_cast<char>('0' + carry));
        columns.lastCarry(carry);
        return Finish(std::move(reversed), false);
    });
}

std::optional<std::string> bigsub(std::string_view a, std::string_view b, const ShowMessage& message, Working working)
{
    const auto operands = Prepare(a, b, message, working);
    if (!operands)
        return std::nullopt;
    return InColumns(working, *operands, false, [&](auto& columns) {
        const std::string_view larger = operands->larger;
        const std::string_view smaller = operands->smaller;
        const std::size_t length = larger.size();
        std::string reversed;
        reversed.reserve(length + 1);
        int borrow = 0;
        for (std::size_t i = 0; i < length; ++i) {
            const int top = DigitAt(larger, i);
            const int bottom = DigitAt(smaller, i);
            const int in = borrow;
            int d = top - bottom - borrow;
            borrow = d < 0 ? 1 : 0;
            d += 10 * borrow;
            reversed.push_back(static_cast<char>('0' + d));
            columns.column(i, top, bottom, in, d, borrow);
        }
        return Finish(std::move(reversed), operands->exchanged);
    });
}

} // namespace zentaro::largenum
