#include "largenum/reciprocal.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentaro::largenum {
namespace {

struct Messages {
    std::vector<std::string> seen;
    ShowMessage callback()
    {
        return [this](std::string_view text, int, std::string_view) {
            seen.emplace_back(text);
            return MessageAnswer::Ok;
        };
    }
};

// Long division written out with plain decimal strings, for the cross-check.
std::string Expansion(unsigned long long x, int count)
{
    std::string digits;
    unsigned long long remainder = 1;
    while (remainder < x)
        remainder *= 10;
    for (int i = 0; i < count; ++i) {
        digits += static_cast<char>('0' + remainder / x);
        remainder = remainder % x * 10;
    }
    return digits;
}

TEST(Reciprocal, WritesTheWorkedExamples)
{
    const struct {
        const char* number;
        const char* count;
        const char* text;
    } cases[] = {
        {"3", "5", "0.3333"},        {"7", "5", "0.1428"},      {"12", "5", "0.08333"},   {"-4", "5", "- 0.2500"},
        {"10", "5", "0.10000"},      {"100", "5", "0.010000"},  {"0", "5", "Indeterminate"}, {"", "5", "Indeterminate"},
        {"1", "5", "1"},             {"-1", "5", "- 1"},        {"-3", "4", "- 0.333"},   {"-3", "0", "- "},
        {"3", "", ""},               {"7", "3.5", "0.14"},      {"7", "1", "0."},         {"12", "-4", "0.0"},
        {"1000", "3", "0.00100"},     {"8", "2", "0.1"},         {"1.0", "3", "1"},        {"2e2", "3", "0.0050"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.number) + " / " + c.count);
        Messages messages;
        EXPECT_EQ(recipdigits(c.number, c.count, messages.callback()), c.text);
        EXPECT_TRUE(messages.seen.empty());
    }
}

TEST(Reciprocal, CutsTheDigitCountAt2000AfterOneMessage)
{
    Messages at2000;
    const std::string full = recipdigits("7", "2000", at2000.callback());
    EXPECT_TRUE(at2000.seen.empty());
    EXPECT_EQ(full.size(), 2 + 1999u);

    Messages above;
    EXPECT_EQ(recipdigits("7", "2001", above.callback()), full);
    ASSERT_EQ(above.seen.size(), 1u);
    EXPECT_EQ(above.seen[0], "Only 2000 digits will be returned!");
}

TEST(Reciprocal, AgreesWithPlainLongDivisionUpTo15Digits)
{
    for (const unsigned long long x : {2ull, 3ull, 97ull, 1234567ull, 999999999999989ull, 100000000000000ull + 7,
                                       999999999999999ull, 65536ull}) {
        SCOPED_TRACE(x);
        Messages messages;
        const std::string text = recipdigits(std::to_string(x), "60", messages.callback());
        const std::size_t length = std::to_string(x).size();
        EXPECT_EQ(text, "0." + std::string(length - 1, '0') + Expansion(x, 59));
    }
}

TEST(Reciprocal, RefusesNumbersThatAreNotWholeOrTooLong)
{
    for (const char* number : {"2.5", "0.5", "-0.5", "1e15", "-1E15", "1234567890123456"}) {
        SCOPED_TRACE(number);
        Messages messages;
        EXPECT_EQ(recipdigits(number, "10", messages.callback()), "");
        ASSERT_EQ(messages.seen.size(), 1u);
        EXPECT_EQ(messages.seen[0], kWholeNumbersOnly);
    }
}

TEST(Reciprocal, OverflowingNumberTextIsARunTimeError)
{
    Messages messages;
    EXPECT_THROW(recipdigits("1e999", "5", messages.callback()), RuntimeError);
}

} // namespace
} // namespace zentaro::largenum
