#include "conventions/locale.h"
#include "conventions/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zentaro {
namespace {

struct ParseCase {
    const char* text;
    double value;
};

TEST(ParseNumber, ReadsTheLongestLeadingNumberAndIgnoresTheRest)
{
    const ParseCase cases[] = {
        {"", 0},           {"abc", 0},         {".", 0},          {"-", 0},          {"+", 0},
        {" -3.5e2x", -350}, {"1,5", 1},        {"12abc", 12},     {"1 2", 12},       {"\t1\n2 .5", 12.5},
        {"+7", 7},         {"-.25", -0.25},    {"5.", 5},         {"1.2.3", 1.2},    {"1D2", 100},
        {"1d-2", 0.01},    {"2E+3", 2000},     {"1e", 1},         {"1e+", 1},        {"1e-x", 1},
        {"--1", 0},        {"-0", 0},          {"1e-400", 0},     {"0e999999", 0},   {"007", 7},
        {"&HFFFF", -1},    {"&H7FFF", 32767},  {"&H8000", -32768}, {"&H10000", 65536}, {"&HFFFFFFFF", -1},
        {"&h0000FFFF", -1}, {"&H7FFFFFFF", 2147483647}, {"&H80000000", -2147483648.0}, {"&H", 0},
        {"&Hff zz", 255},  {"&O177777", -1},   {"&O77777", 32767}, {"&O200000", 65536},
        {"&O37777777777", -1}, {"&o17", 15},  {"& H1", 1},       {"&X12", 0},       {"1e308", 1e308},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        EXPECT_EQ(ParseNumber(c.text), c.value);
    }
}

TEST(ParseNumber, NegativeZeroReadsAsZero)
{
    EXPECT_FALSE(std::signbit(ParseNumber("-0")));
}

TEST(ParseNumber, ReportsOverflowBeyondTheDoubleRange)
{
    for (const char* text : {"1e309", "-1e309", "1e99999999999999999999", "&H100000000", "&O40000000000",
                             "&H123456789"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(ParseNumber(text), RuntimeError);
    }
    EXPECT_THROW(ParseNumber(std::string(400, '9')), RuntimeError);
    EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(StrictToDouble, AcceptsOnlyAWholeNumberWithBlanksAround)
{
    const ParseCase good[] = {{" 12 ", 12}, {"-3.5", -3.5}, {"+2", 2},       {"1e3", 1000}, {"1D2", 100},
                              {".5", 0.5},  {"5.", 5},      {"&HFF", 255},   {"\t7\t", 7}};
    for (const ParseCase& c : good) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrictToDouble(c.text), c.value);
    }
    for (const char* text : {"", "  ", "abc", "12abc", "1,5", "1 2", "-", ".", "1e", "1e+", "--1", "&H", "&HFG", "1.2.3"}) {
        SCOPED_TRACE(text);
        try {
            StrictToDouble(text);
            ADD_FAILURE() << "accepted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::TypeMismatch);
        }
    }
}

TEST(StrictToDouble, UsesTheUsersDecimalSeparator)
{
    SetDecimalSeparator(',');
    EXPECT_EQ(StrictToDouble("1,5"), 1.5);
    EXPECT_THROW(StrictToDouble("1.5"), RuntimeError);
    EXPECT_EQ(FormatPlain(-0.25), "-0,25");
    EXPECT_EQ(FormatSpaced(-0.25), "-.25");
    EXPECT_EQ(ParseNumber("1,5"), 1);
    SetDecimalSeparator('.');
}

TEST(StrictToInt32, RoundsHalfToEvenAndChecksTheRange)
{
    EXPECT_EQ(StrictToInt32("2.5"), 2);
    EXPECT_EQ(StrictToInt32("3.5"), 4);
    EXPECT_EQ(StrictToInt32("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrictToInt32("2147483647.49"), 2147483647);
    for (const char* text : {"2147483647.5", "-2147483649", "1e10"}) {
        SCOPED_TRACE(text);
        try {
            StrictToInt32(text);
            ADD_FAILURE() << "accepted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::Overflow);
        }
    }
    EXPECT_THROW(StrictToInt32(""), RuntimeError);
}

} // namespace
} // namespace zentaro
