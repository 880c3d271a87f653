// The base conversions. A whole number written in one base and converted to
// another reads back as itself; any text is converted exactly when every
// character is a digit of its base and its value fits 32 bits, gives the error
// text when a character is not a digit, and a base outside 2 to 36 gives the
// message only.
#include "conventions/runtime_error.h"
#include "fuzz_check.h"
#include "numbers/base_conversion.h"
#include "support/numeral_check.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using zentaro::testing::numeral_check::Written;

constexpr std::uint64_t kLargestConvertible = 2147483647;

// The value of the digits of `num` in `base`, above 32 bits capped, or nothing when
// a character is no digit of the base.
std::optional<std::uint64_t> Reading(const std::string& num, int base)
{
    const std::string_view digits = std::string_view("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ").substr(0, base);
    std::uint64_t value = 0;
    for (const char c : num) {
        const std::size_t digit = digits.find(c);
        if (digit == std::string_view::npos)
            return std::nullopt;
        value = std::min(value * static_cast<std::uint64_t>(base) + digit, kLargestConvertible + 1);
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const int from = static_cast<int>(input.byte() % 40);
    const int to = static_cast<int>(input.byte() % 40);
    const std::uint32_t number = input.u32() & 0x7FFFFFFFU;
    const std::string text = input.rest();

    int messages = 0;
    const zentaro::ShowMessage message = [&](std::string_view shown, int style, std::string_view title) {
        FUZZ_CHECK(shown == zentaro::numbers::kCheckInputs && style == 0 && title.empty());
        ++messages;
        return zentaro::MessageAnswer::Ok;
    };
    const bool basesValid = from >= 2 && from <= 36 && to >= 2 && to <= 36;

    // Round trip of a whole number through its digits in `from`.
    if (from >= 2 && from <= 36) {
        const std::string digits = zentaro::numbers::convfromden(number, static_cast<std::int16_t>(from));
        FUZZ_CHECK(digits == Written(number, from));
        FUZZ_CHECK(zentaro::numbers::convtoden(digits, static_cast<std::int16_t>(from)) == number);
        if (to >= 2 && to <= 36) {
            const auto converted =
                zentaro::numbers::convertbases(digits, std::to_string(from), std::to_string(to), message);
            FUZZ_CHECK(converted && *converted == Written(number, to));
        }
    }

    // Any text.
    std::optional<std::string> converted;
    try {
        converted = zentaro::numbers::convertbases(text, std::to_string(from), std::to_string(to), message);
    } catch (const zentaro::RuntimeError& error) {
        // Only a value beyond 32 bits fails, and only in the writing out.
        FUZZ_CHECK(basesValid);
        const auto value = Reading(text, from);
        FUZZ_CHECK(value && *value > kLargestConvertible && error.code() == zentaro::ErrorCode::Overflow);
        return 0;
    }
    if (!basesValid) {
        FUZZ_CHECK(!converted && messages == 1);
        return 0;
    }
    FUZZ_CHECK(converted && messages == 0);
    const auto value = Reading(text, from);
    FUZZ_CHECK(*converted == (value ? Written(*value, to) : zentaro::numbers::kConversionError));
    FUZZ_CHECK(!value || *value <= kLargestConvertible);
    return 0;
}
