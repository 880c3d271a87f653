#include "conventions/locale.h"
#include "conventions/numbers.h"

#include "conventions/case_file.h"

#include <cmath>
#include <limits>

namespace zentaro {
namespace {

using cases::Args;
using cases::Text;

TEST(Numbers, ConversionsRoundingAndCheckedArithmetic)
{
    const auto round = [](auto f) { return [f](const Args& a) { return Text(f(a.number(0))); }; };
    const auto both = [](auto f) { return [f](const Args& a) { return Text(f(a.number(0), a.number(1))); }; };
    const auto int16 = [](const Args& a) { return static_cast<std::int16_t>(std::stoi(a[0])); };
    cases::Run(
        "conventions/numbers.txt",
        {
            {"ParseNumber", [](const Args& a) { return Text(ParseNumber(a[0])); }},
            {"StrictToDouble", [](const Args& a) { return Text(StrictToDouble(a[0])); }},
            {"StrictToInt32", [](const Args& a) { return Text(StrictToInt32(a[0])); }},
            {"RoundToInt32", round(RoundToInt32)},
            {"RoundToInt16", round(RoundToInt16)},
            {"Truncate", round(Truncate)},
            {"TruncateToInt32", round(TruncateToInt32)},
            {"TruncateToInt16", round(TruncateToInt16)},
            {"RoundHalfEven", [](const Args& a) { return Text(RoundHalfEven(a.number(0), std::stoi(a[1]))); }},
            {"AddInt16", both(AddInt16)},
            {"SubInt16", both(SubInt16)},
            {"MulInt16", both(MulInt16)},
            {"AddInt32", both(AddInt32)},
            {"MulInt32", both(MulInt32)},
            {"Divide", both(Divide)},
            {"Mod", both(Mod)},
            {"Power", both(Power)},
            {"Mul", both(Mul)},
            {"Sqrt", round(Sqrt)},
            {"Log", round(Log)},
            {"format", [](const Args& a) { return "[" + FormatSpaced(a.number(0)) + "] " + FormatPlain(a.number(0)); }},
            {"FormatSpaced32", [](const Args& a) { return FormatSpaced(std::int32_t{std::stoi(a[0])}); }},
            {"FormatSpaced16", [=](const Args& a) { return FormatSpaced(int16(a)); }},
            {"FormatPlain16", [=](const Args& a) { return FormatPlain(int16(a)); }},
        });
}

TEST(Format, RoundTripsThroughParseNumberToFifteenDigits)
{
    const double values[] = {1.0 / 7,         2.0 / 3,   6.02214076e23,
                             1.602176634e-19, 299792458, -0.0001234,
                             9.87654321e-5,   4.5e15,    std::numeric_limits<double>::denorm_min()};
    for (const double x : values) {
        SCOPED_TRACE(x);
        EXPECT_NEAR(ParseNumber(FormatSpaced(x)), x, std::fabs(x) * 5e-15);
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

TEST(Tagged, IntegerArithmeticWidensInsteadOfFailing)
{
    const Tagged sum = Tagged(std::int16_t{32767}) + Tagged(std::int16_t{1});
    EXPECT_EQ(sum.kind(), Tagged::Kind::Int32);
    EXPECT_EQ(sum.ToDouble(), 32768);
    const Tagged big = Tagged(std::int32_t{2147483647}) + Tagged(std::int16_t{1});
    EXPECT_EQ(big.kind(), Tagged::Kind::Double);
    EXPECT_EQ(big.ToDouble(), 2147483648.0);
    EXPECT_EQ((Tagged(std::int16_t{3}) * Tagged(std::int16_t{4})).kind(), Tagged::Kind::Int16);
    EXPECT_EQ((Tagged(std::int16_t{3}) * Tagged(2.0)).kind(), Tagged::Kind::Double);
    const Tagged quotient = Tagged(std::int16_t{6}) / Tagged(std::int16_t{3});
    EXPECT_EQ(quotient.kind(), Tagged::Kind::Double);
    EXPECT_EQ(quotient.ToDouble(), 2);
}

TEST(Tagged, EmptyCountsAsZeroAndTextIsReadStrictly)
{
    EXPECT_EQ((Tagged() + Tagged(std::int16_t{5})).ToDouble(), 5);
    EXPECT_EQ(Tagged() == Tagged(std::int16_t{0}), true);
    EXPECT_EQ(Concat(Tagged(), Tagged(std::string("x"))), "x");
    EXPECT_EQ(Concat(Tagged(1.5), Tagged(std::string(" m"))), "1.5 m");
    EXPECT_EQ((Tagged(std::string("2.5")) + Tagged(std::int16_t{1})).ToDouble(), 3.5);
    EXPECT_EQ(cases::Outcome([] { return (Tagged(std::string("x")) + Tagged(std::int16_t{1})).ToDouble(); }), "#13");
    EXPECT_TRUE(Tagged(std::int16_t{2}) < Tagged(2.5));
}

} // namespace
} // namespace zentaro
