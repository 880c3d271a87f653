#include "conventions/locale.h"
#include "conventions/numbers.h"

#include "conventions/case_file.h"

#include <cmath>
#include <limits>

namespace zentaro {
namespace {

TEST(Format, WritesFifteenSignificantDigitsInTheHouseLayout)
{
    for (const cases::Case& c : cases::Read("conventions/format.txt", 30)) {
        SCOPED_TRACE(c.where);
        const double x = cases::Number(c.inputs.at(0));
        EXPECT_EQ(FormatSpaced(x), c.outputs.at(0));
        EXPECT_EQ(FormatPlain(x), c.outputs.at(1));
    }
}

TEST(Format, RoundTripsThroughParseNumberToFifteenDigits)
{
    const double values[] = {1.0 / 7,         2.0 / 3,   6.02214076e23,
                             1.602176634e-19, 299792458, -0.0001234,
                             9.87654321e-5,   4.5e15,    std::numeric_limits<double>::denorm_min()};
    for (const double x : values) {
        SCOPED_TRACE(x);
        const double back = ParseNumber(FormatSpaced(x));
        EXPECT_NEAR(back, x, std::fabs(x) * 5e-15);
    }
}

TEST(Format, TheUsersDecimalSeparatorIsReadStrictlyAndWrittenPlain)
{
    SetDecimalSeparator(',');
    EXPECT_EQ(StrictToDouble("1,5"), 1.5);
    EXPECT_THROW(StrictToDouble("1.5"), RuntimeError);
    EXPECT_EQ(FormatPlain(-0.25), "-0,25");
    EXPECT_EQ(FormatSpaced(-0.25), "-.25");
    EXPECT_EQ(ParseNumber("1,5"), 1);
    SetDecimalSeparator('.');
}

} // namespace
} // namespace zentaro
