#include "conventions/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zentaro {
namespace {

ErrorCode CodeOf(auto&& f)
{
    try {
        f();
    } catch (const RuntimeError& error) {
        return error.code();
    }
    return ErrorCode{0};
}

TEST(Rounding, TiesGoToTheEvenNeighbour)
{
    const struct {
        double x;
        int rounded;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {-0.5, 0}, {0.5, 0}, {1.5, 2},
                 {2.4999999, 2}, {2.5000001, 3}, {-0.4, 0}, {32766.5, 32766}, {-32768.5, -32768}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(RoundToInt32(c.x), c.rounded);
        EXPECT_EQ(RoundToInt16(c.x), c.rounded);
    }
}

TEST(Rounding, OverflowsAtTheEdgesOfEachWidth)
{
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(CodeOf([] { RoundToInt16(32767.5); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { RoundToInt16(-32768.6); }), ErrorCode::Overflow);
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(CodeOf([] { RoundToInt32(2147483647.5); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { RoundToInt32(-2147483649.0); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { RoundToInt32(std::nan("")); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { RoundToInt32(std::numeric_limits<double>::infinity()); }), ErrorCode::Overflow);
}

TEST(Rounding, TruncateCutsTowardZero)
{
    EXPECT_EQ(Truncate(2.7), 2);
    EXPECT_EQ(Truncate(-2.7), -2);
    EXPECT_EQ(TruncateToInt32(-2147483648.9), -2147483647 - 1);
    EXPECT_EQ(CodeOf([] { TruncateToInt16(32768.2); }), ErrorCode::Overflow);
}

TEST(Rounding, RoundHalfEvenWorksOnTheScaledDouble)
{
    const struct {
        double x;
        int places;
        double rounded;
    } cases[] = {{2.15, 1, 2.2}, {2.45, 1, 2.4}, {2.5, 0, 2}, {3.5, 0, 4}, {-2.5, 0, -2}, {1.23456, 4, 1.2346},
                 {1.00004, 4, 1.0}, {45, 4, 45}, {-0.00004, 4, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_DOUBLE_EQ(RoundHalfEven(c.x, c.places), c.rounded);
    }
    EXPECT_FALSE(std::signbit(RoundHalfEven(-0.00004, 4)));
}

TEST(Arithmetic, IntegerWidthsAreRangeChecked)
{
    EXPECT_EQ(CodeOf([] { AddInt16(32767, 1); }), ErrorCode::Overflow);
    EXPECT_EQ(AddInt16(32766, 1), 32767);
    EXPECT_EQ(CodeOf([] { SubInt16(-32768, 1); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { MulInt16(256, 128); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { AddInt32(2147483647, 1); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { MulInt32(65536, 32768); }), ErrorCode::Overflow);
    EXPECT_EQ(MulInt32(-65536, 32768), -2147483647 - 1);
}

TEST(Arithmetic, DivisionRemainderPowerRootAndLogRaiseTheirErrors)
{
    EXPECT_EQ(CodeOf([] { Divide(1, 0); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(CodeOf([] { Divide(0, 0); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { Divide(1e308, 1e-10); }), ErrorCode::Overflow);
    EXPECT_EQ(Divide(7, 2), 3.5);
    EXPECT_EQ(Mod(-7, 3), -1);
    EXPECT_EQ(Mod(7, -3), 1);
    EXPECT_EQ(Mod(7.5, 3), 2); // 7.5 rounds to 8 first
    EXPECT_EQ(Mod(-2147483648.0, -1), 0);
    EXPECT_EQ(CodeOf([] { Mod(5, 0.4); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(CodeOf([] { Power(-8, 1.0 / 3); }), ErrorCode::InvalidCall);
    EXPECT_EQ(Power(-2, 3), -8);
    EXPECT_EQ(CodeOf([] { Power(10, 400); }), ErrorCode::Overflow);
    EXPECT_EQ(CodeOf([] { Sqrt(-1); }), ErrorCode::InvalidCall);
    EXPECT_EQ(CodeOf([] { Log(0); }), ErrorCode::InvalidCall);
    EXPECT_EQ(CodeOf([] { Mul(1e200, 1e200); }), ErrorCode::Overflow);
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
    EXPECT_EQ(CodeOf([] { (void)(Tagged(std::string("x")) + Tagged(std::int16_t{1})); }), ErrorCode::TypeMismatch);
    EXPECT_TRUE(Tagged(std::int16_t{2}) < Tagged(2.5));
}

} // namespace
} // namespace zentaro
