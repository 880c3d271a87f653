#include "numbers/roman.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <string>

namespace zentaro::numbers {
namespace {

TEST(Roman, FollowsTheArabicText)
{
    const struct {
        const char *arabic, *numeral; // "-": above 3999
    } cases[] = {{"3999", "MMMCMXCIX"},
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
                 {"2e3", "MM"},
                 {"3998.6", "MMMCMXCIX"},
                 {"3999.4", "-"},
                 {"4000", "-"}};
    for (const auto& c : cases)
        EXPECT_EQ(romanfor(c.arabic).value_or("-"), c.numeral) << c.arabic;
    EXPECT_THROW(romanfor("-5"), RuntimeError);
    EXPECT_THROW(romanfor("-32769"), RuntimeError);
}

TEST(Roman, EveryNumberAgreesWithGreedyWriting)
{
    const struct {
        int value;
        const char* symbols;
    } steps[] = {{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
                 {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    for (int n = 0; n <= 3999; ++n) {
        std::string expected;
        for (int rest = n; const auto& step : steps)
            for (; rest >= step.value; rest -= step.value)
                expected += step.symbols;
        EXPECT_EQ(romannumeral(static_cast<std::int16_t>(n)), expected) << n;
    }
}

} // namespace
} // namespace zentaro::numbers
