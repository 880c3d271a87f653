#include "numbers/base_conversion.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
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
