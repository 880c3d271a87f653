#include "numbers/roman.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <string>

namespace zentaro::numbers {
namespace {

// The numeral written greedily from the largest value down, for the cross-check.
std::string Greedy(int n)
{
    static const struct {
        int value;
        const char* symbols;
    } steps[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
                 {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    std::string numeral;
    for (const auto& step : steps)
        for (; n >= step.value; n -= step.value)
            numeral += step.symbols;
    return numeral;
}

TEST(Roman, FollowsTheArabicText)
{
    const struct {
        const char* arabic;
        const char* numeral; // nullptr: above 3999
    } cases[] = {
        {"3999", "MMMCMXCIX"},
        {"1994", "MCMXCIV"},
        {"400", "CD"},
        {"40", "XL"},
        {"9", "IX"},
        {"0", ""},
        {"abc", ""},
        {"", ""},
        {"-", ""},
        {"12.5", "XII"},
        {"13.5", "XIV"},
        {"-0.4", ""},
        {"1", "I"},
        {"19", "XIX"},
        {"199", "CXCIX"},
        {"3888", "MMMDCCCLXXXVIII"},
        {"2e3", "MM"},
        {"3999.4", nullptr},
        {"4000", nullptr},
        {"1e300", nullptr},
        {"3998.6", "MMMCMXCIX"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arabic);
        const auto numeral = romanfor(c.arabic);
        if (c.numeral == nullptr) {
            EXPECT_FALSE(numeral.has_value());
        } else {
            ASSERT_TRUE(numeral.has_value());
            EXPECT_EQ(*numeral, c.numeral);
        }
    }
}

TEST(Roman, NegativeNumbersAreRunTimeErrors)
{
    const struct {
        const char* arabic;
        ErrorCode code;
    } cases[] = {
        {"-5", ErrorCode::SubscriptOutOfRange},   {"-10", ErrorCode::SubscriptOutOfRange},
        {"-0.6", ErrorCode::SubscriptOutOfRange}, {"-32768", ErrorCode::SubscriptOutOfRange},
        {"-32769", ErrorCode::Overflow},          {"1e400", ErrorCode::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arabic);
        try {
            romanfor(c.arabic);
            ADD_FAILURE() << "no run-time error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), c.code);
        }
    }
}

TEST(Roman, EveryNumberUpTo3999AgreesWithGreedyWriting)
{
    for (int n = 0; n <= 3999; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(romannumeral(static_cast<std::int16_t>(n)), Greedy(n));
    }
}

} // namespace
} // namespace zentaro::numbers
