#include "conventions/locale.h"
#include "conventions/numbers.h"

#include "conventions/case_file.h"

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

// Integer arithmetic widens instead of failing; empty counts as zero and text is read strictly.
TEST(Tagged, KindsOfResults)
{
    const auto i16 = [](int x) { return Tagged(static_cast<std::int16_t>(x)); };
    const auto shown = [](const Tagged& t) { return Text(t.ToDouble()) + "/" + Text(static_cast<int>(t.kind())); };
    const auto kind = [&](Tagged::Kind k) { return "/" + Text(static_cast<int>(k)); };
    EXPECT_EQ(shown(i16(32767) + i16(1)), "32768" + kind(Tagged::Kind::Int32));
    EXPECT_EQ(shown(Tagged(std::int32_t{2147483647}) + i16(1)), "2147483648" + kind(Tagged::Kind::Double));
    EXPECT_EQ(shown(i16(3) * i16(4)), "12" + kind(Tagged::Kind::Int16));
    EXPECT_EQ(shown(i16(3) * Tagged(2.0)), "6" + kind(Tagged::Kind::Double));
    EXPECT_EQ(shown(i16(6) / i16(3)), "2" + kind(Tagged::Kind::Double));
    EXPECT_EQ((Tagged() + i16(5)).ToDouble(), 5);
    EXPECT_TRUE(Tagged() == i16(0) && i16(2) < Tagged(2.5));
    EXPECT_EQ(Concat(Tagged(), Tagged(std::string("x"))) + Concat(Tagged(1.5), Tagged(std::string(" m"))), "x1.5 m");
    EXPECT_EQ((Tagged(std::string("2.5")) + i16(1)).ToDouble(), 3.5);
    EXPECT_EQ(cases::Outcome([] { return (Tagged(std::string("x")) + Tagged(std::int16_t{1})).ToDouble(); }), "#13");
}

} // namespace
} // namespace zentaro
