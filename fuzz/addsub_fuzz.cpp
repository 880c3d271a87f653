// bigadd and bigsub of two texts (split at the first line feed): digit strings
// give the sum and difference of an independent column sum, anything else one
// message and no result; and the two undo each other.
#include "conventions/runtime_error.h"
#include "fuzz_check.h"
#include "largenum/addsub.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace {

// The digits without the blanks around them and without leading zeros ("0" for
// zero), or nothing for any other text.
std::optional<std::string> Normalised(const std::string& text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    std::string digits;
    for (std::size_t i = first; i < last; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        if (!digits.empty() || text[i] != '0')
            digits += text[i];
    }
    return digits.empty() ? "0" : digits;
}

std::string Negative(const std::string& digits)
{
    return std::string("-").append(digits);
}

bool Less(const std::string& x, const std::string& y)
{
    return x.size() != y.size() ? x.size() < y.size() : x < y;
}

// Right-aligned columns, worked from the last one.
std::string Sum(const std::string& x, const std::string& y)
{
    const std::size_t width = std::max(x.size(), y.size()) + 1;
    const std::string px = std::string(width - x.size(), '0') + x;
    const std::string py = std::string(width - y.size(), '0') + y;
    std::string out(width, '0');
    int carry = 0;
    for (std::size_t i = width; i-- > 0;) {
        const int column = (px[i] - '0') + (py[i] - '0') + carry;
        out[i] = static_cast<char>('0' + column % 10);
        carry = column / 10;
    }
    return Normalised(out).value();
}

// x - y for x not less than y.
std::string Difference(const std::string& x, const std::string& y)
{
    const std::string py = std::string(x.size() - y.size(), '0') + y;
    std::string out(x.size(), '0');
    int borrow = 0;
    for (std::size_t i = x.size(); i-- > 0;) {
        int column = (x[i] - '0') - (py[i] - '0') - borrow;
        borrow = column < 0 ? 1 : 0;
        out[i] = static_cast<char>('0' + column + 10 * borrow);
    }
    FUZZ_CHECK(borrow == 0);
    return Normalised(out).value();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string a = input.substr(0, split);
    const std::string b = split == std::string::npos ? "" : input.substr(split + 1);

    int messages = 0;
    const zentaro::ShowMessage message = [&](std::string_view text, int style, std::string_view title) {
        FUZZ_CHECK(text == zentaro::largenum::kPositiveIntegersOnly);
        FUZZ_CHECK(style == 0 && title.empty());
        ++messages;
        return zentaro::MessageAnswer::Ok;
    };
    const auto x = Normalised(a);
    const auto y = Normalised(b);
    const bool tooLong =
        (x && x->size() > zentaro::largenum::kMostDigits) || (y && y->size() > zentaro::largenum::kMostDigits);
    std::optional<std::string> sum;
    std::optional<std::string> difference;
    try {
        sum = zentaro::largenum::bigadd(a, b, message);
        difference = zentaro::largenum::bigsub(a, b, message);
    } catch (const zentaro::RuntimeError& error) {
        FUZZ_CHECK(x && y && tooLong);
        FUZZ_CHECK(error.code() == zentaro::ErrorCode::SubscriptOutOfRange);
        return 0;
    }
    if (!x || !y) {
        FUZZ_CHECK(!sum && !difference && messages == 2);
        return 0;
    }
    FUZZ_CHECK(!tooLong);
    FUZZ_CHECK(sum && difference && messages == 0);
    FUZZ_CHECK(*sum == Sum(*x, *y));
    FUZZ_CHECK(*difference == (Less(*x, *y) ? Negative(Difference(*y, *x)) : Difference(*x, *y)));

    // The result is a valid input again: (a + b) - b is a, and b - a is -(a - b).
    const auto back = zentaro::largenum::bigsub(*sum, b, message);
    FUZZ_CHECK(back && *back == *x);
    const auto reversed = zentaro::largenum::bigsub(b, a, message);
    FUZZ_CHECK(reversed && (*reversed == "0"        ? *difference == "0"
                            : (*reversed)[0] == '-' ? reversed->substr(1) == *difference
                                                    : Negative(*reversed) == *difference));
    FUZZ_CHECK(messages == 0);
    return 0;
}
