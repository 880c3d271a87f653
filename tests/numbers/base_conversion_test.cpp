#include "numbers/base_conversion.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zentaro::numbers {
namespace {

struct Messages {
    std::vector<std::string> seen;
    ShowMessage callback()
    {
        return [this](std::string_view text, int style, std::string_view title) {
            EXPECT_EQ(style, msgstyle::kOkOnly);
            EXPECT_TRUE(title.empty());
            seen.emplace_back(text);
            return MessageAnswer::Ok;
        };
    }
};

// The digits of x in base as the standard library writes them, capitalised.
std::string Reference(std::uint32_t x, int base)
{
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, base).ptr;
    std::string digits(buffer, end);
    for (char& c : digits)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return digits;
}

TEST(BaseConversion, DigitCharactersAndValuesMatch)
{
    const struct {
        const char* character;
        double value;
    } cases[] = {
        {"0", 0},          {"1", 1},          {"9", 9},          {"A", 10},         {"F", 15},
        {"Z", 35},         {"a", 42},         {"z", 67},         {" ", kNotADigit}, {".", kNotADigit},
        {"-", kNotADigit}, {"+", kNotADigit}, {":", kNotADigit}, {"@", kNotADigit}, {"\xC3", kNotADigit},
        {"", kNotADigit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.character);
        EXPECT_EQ(decodify(c.character), c.value);
        if (c.value < 36) {
            EXPECT_EQ(codify(c.value), c.character);
        }
    }
}

TEST(BaseConversion, WeighsDigitStringsAndRefusesForeignCharacters)
{
    const struct {
        const char* num;
        std::int16_t base;
        double value;
    } cases[] = {
        {"FF", 16, 255},
        {"128", 10, 128},
        {"12", 2, -1},
        {"", 10, 0},
        {"ff", 16, -1},
        {"Z", 36, 35},
        {"0010", 2, 2},
        {"7FFFFFFF", 16, 2147483647},
        {"80000000", 16, 2147483648.0},
        {"10", 36, 36},
        // Not digits of any base, though their codes would make them small digits.
        {"1 0", 10, -1},
        {" 5", 10, -1},
        {"1.5", 10, -1},
        {"-1", 10, -1},
        {"+1", 10, -1},
        {"1:", 36, -1},
        {"9@", 36, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.num) + " base " + std::to_string(c.base));
        EXPECT_EQ(convtoden(c.num, c.base), c.value);
    }
}

TEST(BaseConversion, WritesDigitsUpTo32BitValuesOnly)
{
    EXPECT_EQ(convfromden(255, 16), "FF");
    EXPECT_EQ(convfromden(35, 36), "Z");
    EXPECT_EQ(convfromden(0, 2), "");
    EXPECT_EQ(convfromden(2147483647, 10), "2147483647");
    EXPECT_THROW(convfromden(2147483648.0, 10), RuntimeError);
}

TEST(BaseConversion, ConvertButtonCases)
{
    const struct {
        const char* num;
        const char* from;
        const char* to;
        const char* answer; // nullptr: refused with the message
    } cases[] = {
        {"128", "10", "2", "10000000"},
        {"FF", "16", "10", "255"},
        {"255", "10", "16", "FF"},
        {"Z", "36", "10", "35"},
        {"ff", "16", "10", "Error! Please check your inputs!"},
        {"0", "7", "3", ""},
        {"", "10", "2", ""},
        {"7FFFFFFF", "16", "10", "2147483647"},
        {"2", "2", "10", "Error! Please check your inputs!"},
        {"0010", "2", "10", "2"},
        {"1 0", "10", "2", "Error! Please check your inputs!"},
        {"-5", "10", "2", "Error! Please check your inputs!"},
        {"12", "1e1", "2.5", "1100"},
        {"35", "10", "36", "Z"},
        {"1", "1", "10", nullptr},
        {"1", "37", "10", nullptr},
        {"1", "10", "37", nullptr},
        {"1", "10", "", nullptr},
        {"1", "ab", "10", nullptr},
        {"1", "10", "1.5", "1"},
        {"1", "10", "1.4", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.num) + " " + c.from + " -> " + c.to);
        Messages messages;
        const auto answer = convertbases(c.num, c.from, c.to, messages.callback());
        if (c.answer == nullptr) {
            EXPECT_FALSE(answer.has_value());
            EXPECT_EQ(messages.seen, std::vector<std::string>{"Please check your inputs!"});
        } else {
            ASSERT_TRUE(answer.has_value());
            EXPECT_EQ(*answer, c.answer);
            EXPECT_TRUE(messages.seen.empty());
        }
    }
}

TEST(BaseConversion, ValuesBeyond32BitsOverflow)
{
    Messages messages;
    try {
        convertbases("80000000", "16", "10", messages.callback());
        ADD_FAILURE() << "no run-time error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), ErrorCode::Overflow);
    }
}

TEST(BaseConversion, RandomValuesRoundTripInEveryBase)
{
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::uint32_t> values(0, 2147483647u);
    for (std::int16_t base = 2; base <= 36; ++base) {
        std::vector<std::uint32_t> samples = {0, 1, static_cast<std::uint32_t>(base - 1),
                                              static_cast<std::uint32_t>(base), 2147483647u};
        for (int i = 0; i < 200; ++i)
            samples.push_back(values(random));
        for (const std::uint32_t x : samples) {
            SCOPED_TRACE(std::to_string(x) + " base " + std::to_string(base));
            const std::string digits = convfromden(x, base);
            EXPECT_EQ(digits, x == 0 ? std::string() : Reference(x, base));
            EXPECT_EQ(convtoden(digits, base), x);
            const std::string viaTen = *convertbases(digits, std::to_string(base), "10", {});
            EXPECT_EQ(viaTen, x == 0 ? std::string() : std::to_string(x));
        }
    }
}

} // namespace
} // namespace zentaro::numbers
