#include "numbers/base_conversion.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace zentaro::numbers {
namespace {

constexpr const char* kError = "Error! Please check your inputs!";
constexpr const char* kRefused = "(refused)";

// Blanks, points, signs and the characters between "9" and "A" are not digits,
// though their codes would pass for small ones; bases outside 2 to 36 are refused.
TEST(BaseConversion, ConvertButtonCases)
{
    // clang-format off
    const struct {
        const char *num, *from, *to, *answer;
    } cases[] = {
        {"128", "10", "2", "10000000"}, {"FF", "16", "10", "255"}, {"255", "10", "16", "FF"}, {"Z", "36", "10", "35"},
        {"ff", "16", "10", kError}, {"0", "7", "3", ""}, {"", "10", "2", ""}, {"2", "2", "10", kError},
        {"7FFFFFFF", "16", "10", "2147483647"}, {"0010", "2", "10", "2"}, {"12", "1e1", "2.5", "1100"},
        {"1 0", "10", "2", kError}, {" 5", "10", "2", kError}, {"1.5", "10", "2", kError}, {"-5", "10", "2", kError},
        {"+1", "10", "2", kError}, {"1:", "36", "2", kError}, {"9@", "36", "2", kError}, {"\xC3\xA9", "36", "2", kError},
        {"1", "1", "10", kRefused}, {"1", "37", "10", kRefused}, {"1", "10", "37", kRefused},
        {"1", "10", "", kRefused}, {"1", "ab", "10", kRefused}, {"1", "10", "1.4", kRefused}, {"1", "10", "1.5", "1"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.num) + " " + c.from + " -> " + c.to);
        std::vector<std::string> seen;
        const auto answer = convertbases(c.num, c.from, c.to, [&](std::string_view text, int, std::string_view) {
            seen.emplace_back(text);
            return MessageAnswer::Ok;
        });
        EXPECT_EQ(answer.value_or(kRefused), c.answer);
        EXPECT_EQ(seen, c.answer == kRefused ? std::vector<std::string>{"Please check your inputs!"}
                                             : std::vector<std::string>{});
    }
    EXPECT_THROW(convertbases("80000000", "16", "10", {}), RuntimeError);
}

// Long texts: leading zeros weigh nothing however many there are, and a
// character that is no digit is refused before any weighing could overflow.
// Only a value beyond 32 bits is an Overflow.
TEST(BaseConversion, LongTextsAreRefusedOrConvertedNotOverflowed)
{
    const std::string zeros(400, '0');
    const std::string zees(300, 'Z');
    const struct {
        std::string num;
        const char *from, *answer;
    } cases[] = {{zeros + "1", "36", "1"},
                 {zeros + "FF", "16", "11111111"},
                 {zeros, "2", ""},
                 {zees + "^", "36", kError},
                 {"^" + zees, "36", kError},
                 {zees + "z", "36", kError},
                 {zeros + "1" + zeros, "36", nullptr},
                 {zees, "36", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.num.substr(0, 12) + "... (" + std::to_string(c.num.size()) + ") from " + c.from);
        const auto convert = [&] { return convertbases(c.num, c.from, "2", {}); };
        if (c.answer == nullptr) {
            EXPECT_THROW(convert(), RuntimeError);
        } else {
            std::optional<std::string> answer;
            EXPECT_NO_THROW(answer = convert());
            EXPECT_EQ(answer.value_or(kRefused), c.answer);
        }
    }
}

TEST(BaseConversion, RandomValuesRoundTripInEveryBase)
{
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::uint32_t> values(0, 2147483647u);
    for (std::int16_t base = 2; base <= 36; ++base) {
        std::vector<std::uint32_t> samples = {1, static_cast<std::uint32_t>(base - 1), 2147483647u};
        for (int i = 0; i < 200; ++i)
            samples.push_back(values(random));
        for (const std::uint32_t x : samples) {
            SCOPED_TRACE(std::to_string(x) + " base " + std::to_string(base));
            char buffer[40];
            std::string expected(buffer, std::to_chars(buffer, buffer + sizeof buffer, x, base).ptr);
            for (char& c : expected)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            const std::string digits = convfromden(x, base);
            EXPECT_EQ(digits, expected);
            EXPECT_EQ(convtoden(digits, base), x);
        }
    }
}

} // namespace
} // namespace zentaro::numbers
