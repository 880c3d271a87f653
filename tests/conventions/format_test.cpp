#include "conventions/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zentaro {
namespace {

struct FormatCase {
    double value;
    const char* spaced;
    const char* plain;
};

TEST(Format, WritesFifteenSignificantDigitsInTheHouseLayout)
{
    const FormatCase cases[] = {
        {0, " 0", "0"},
        {-0.0, " 0", "0"},
        {3, " 3", "3"},
        {-3, "-3", "-3"},
        {0.5, " .5", "0.5"},
        {-0.25, "-.25", "-0.25"},
        {1.0 / 3, " .333333333333333", "0.333333333333333"},
        {2.0 / 3, " .666666666666667", "0.666666666666667"},
        {0.1 + 0.2, " .3", "0.3"},
        {999999999999999, " 999999999999999", "999999999999999"},
        {1e15, " 1E+15", "1E+15"},
        {999999999999999.5, " 1E+15", "1E+15"},
        {123456789012345678.0, " 1.23456789012346E+17", "1.23456789012346E+17"},
        {1.0 / 3000, " 3.33333333333333E-04", "3.33333333333333E-04"},
        {0.00001, " .00001", "0.00001"},
        {-0.00000025, "-.00000025", "-0.00000025"},
        {1e-7, " .0000001", "0.0000001"},
        {1e-15, " .000000000000001", "0.000000000000001"},
        {1e-16, " 1E-16", "1E-16"},
        {1.5e20, " 1.5E+20", "1.5E+20"},
        {-1.5e-20, "-1.5E-20", "-1.5E-20"},
        {1e100, " 1E+100", "1E+100"},
        {1.7976931348623157e308, " 1.79769313486232E+308", "1.79769313486232E+308"},
        {123.456, " 123.456", "123.456"},
        {0.1, " .1", "0.1"},
        {100, " 100", "100"},
        {12345.678901234567, " 12345.6789012346", "12345.6789012346"},
        // Exact binary ties at the 16th digit go away from zero.
        {1234567890123465.0, " 1.23456789012347E+15", "1.23456789012347E+15"},
        {-1234567890123465.0, "-1.23456789012347E+15", "-1.23456789012347E+15"},
        {1234567890123455.0, " 1.23456789012346E+15", "1.23456789012346E+15"},
        // 0.15 is just below its decimal text, so a tie-free rounding keeps it.
        {0.15, " .15", "0.15"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.spaced);
        EXPECT_EQ(FormatSpaced(c.value), c.spaced);
        EXPECT_EQ(FormatPlain(c.value), c.plain);
    }
}

TEST(Format, WritesIntegersInFull)
{
    EXPECT_EQ(FormatSpaced(std::int32_t{-2147483647 - 1}), "-2147483648");
    EXPECT_EQ(FormatSpaced(std::int32_t{2147483647}), " 2147483647");
    EXPECT_EQ(FormatSpaced(std::int16_t{0}), " 0");
    EXPECT_EQ(FormatPlain(std::int16_t{-32768}), "-32768");
}

TEST(Format, RoundTripsThroughParseNumberToFifteenDigits)
{
    const double values[] = {1.0 / 7, 2.0 / 3, 6.02214076e23, 1.602176634e-19, 299792458, -0.0001234,
                             9.87654321e-5, 4.5e15, std::numeric_limits<double>::denorm_min()};
    for (const double x : values) {
        SCOPED_TRACE(x);
        const double back = ParseNumber(FormatSpaced(x));
        EXPECT_NEAR(back, x, std::fabs(x) * 5e-15);
    }
}

} // namespace
} // namespace zentaro
