// recipdigits of a whole number: "0." then leading zeros then the long-division
// digits of 1/x, checked against an independent division; anything else is refused.
#include "conventions/numbers.h"
#include "fuzz_check.h"
#include "largenum/reciprocal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string numberText = input.substr(0, split);
    const std::string countText = split == std::string::npos ? "" : input.substr(split + 1);

    int messages = 0;
    const zentaro::ShowMessage message = [&](std::string_view, int, std::string_view) {
        ++messages;
        return zentaro::MessageAnswer::Ok;
    };
    double x = 0;
    double n = 0;
    std::string text;
    try {
        x = zentaro::ParseNumber(numberText);
        n = zentaro::ParseNumber(countText);
        text = zentaro::largenum::recipdigits(numberText, countText, message, [](std::string_view) {});
    } catch (const zentaro::RuntimeError& error) {
        FUZZ_CHECK(error.code() == zentaro::ErrorCode::Overflow);
        return 0;
    }
    if (std::trunc(x) != x || std::fabs(x) >= 1e15) {
        FUZZ_CHECK(text.empty() && messages == 1);
        return 0;
    }
    const std::string sign = x < 0 ? "- " : "";
    x = std::fabs(x);
    if (x == 0) {
        FUZZ_CHECK(text == "Indeterminate");
        return 0;
    }
    if (x == 1 || n == 0) {
        FUZZ_CHECK(text == sign + (x == 1 ? "1" : ""));
        return 0;
    }
    FUZZ_CHECK(messages == (n > 2000 ? 1 : 0));
    FUZZ_CHECK(text.rfind(sign + "0.", 0) == 0);

    // The true expansion of 1/x, digit by digit; the window shows its first
    // L - 1 + m digits (L digits in x, m passes of the digit loop), one fewer for
    // a power of ten when no pass runs.
    const auto divisor = static_cast<std::uint64_t>(x);
    const auto length = static_cast<long>(std::to_string(divisor).size());
    const double count = std::min(n, 2000.0);
    const long passes = count < 2 ? 0 : static_cast<long>(std::floor(count - 1));
    const std::string digits = std::to_string(divisor);
    const bool powerOfTen = digits[0] == '1' && digits.find_first_not_of('0', 1) == std::string::npos;
    const long shown = length - 1 + passes - (powerOfTen && passes == 0 ? 1 : 0);
    std::string expected;
    std::uint64_t remainder = 1;
    for (long i = 0; i < shown; ++i) {
        remainder *= 10;
        expected += static_cast<char>('0' + remainder / divisor);
        remainder %= divisor;
    }
    FUZZ_CHECK(text == sign + "0." + expected);
    return 0;
}
