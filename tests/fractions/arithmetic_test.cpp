#include "fractions/arithmetic.h"

#include "error_of.h"

#include <gtest/gtest.h>

#include <string>

namespace zentaro::fractions {
namespace {

using enum FracOp;
constexpr auto kOverflow = ErrorCode::Overflow;
constexpr auto kByZero = ErrorCode::DivisionByZero;
constexpr auto kMismatch = ErrorCode::TypeMismatch;
constexpr std::int32_t kMax = 2147483647;
constexpr std::int32_t kMin = -2147483647 - 1;

std::string Show(Fraction f)
{
    return std::to_string(f.numerator) + "/" + std::to_string(f.denominator);
}

TEST(FracReduce, MovesTheSignAsTheDivisorFalls)
{
    const struct {
        Fraction in;
        Fraction out;
        std::optional<ErrorCode> error;
    } cases[] = {
        {{2, 4}, {1, 2}, {}},
        {{-1, 2}, {1, -2}, {}},
        {{7, -2}, {-7, 2}, {}},
        {{-3, -6}, {-1, -2}, {}},
        {{0, 5}, {0, 1}, {}},
        {{0, -5}, {0, -1}, {}},
        {{5, 0}, {1, 0}, {}},
        {{-5, 0}, {-1, 0}, {}},
        {{kMax, kMax}, {1, 1}, {}},
        {{kMin, -1}, {kMin, -1}, {}},
        {{kMin, 2}, {1073741824, -1}, {}},
        {{0, 0}, {}, kOverflow},    // 0 / 0
        {{kMin, 1}, {}, kOverflow}, // divided by -1 it leaves 32 bits
        {{kMin, 0}, {}, kOverflow}, // the divisor 2147483648 leaves 32 bits
        {{kMin, kMin}, {}, kOverflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Show(c.in));
        Fraction out;
        EXPECT_EQ(ErrorOf([&] { out = fracreduce(c.in); }), c.error);
        if (!c.error) {
            EXPECT_EQ(out, c.out) << Show(out);
        }
    }
}

TEST(FracCombine, FollowsTheTableWithCheckedProducts)
{
    const struct {
        FracOp op;
        std::int32_t a, b, c, d;
        Fraction out;
        std::optional<ErrorCode> error;
    } cases[] = {
        {Add, 1, 2, 1, 3, {5, 6}, {}},
        {Subtract, 1, 2, 3, 4, {-2, 8}, {}},
        {Multiply, 7, -1, 1, 2, {7, -2}, {}},
        {Divide, 1, 2, 3, 4, {4, 6}, {}},
        {Divide, 1, 2, 0, 1, {1, 0}, {}}, // dividing by 0 leaves a zero denominator behind
        {Add, 1, 0, 1, 2, {2, 0}, {}},
        {Divide, 1, 2, 1, 0, {}, kByZero}, // 1/2 ÷ 1/0 used to give 0 silently
        {Divide, 0, 1, 1, 0, {}, kByZero},
        {Divide, 1, 0, 1, 0, {0, 0}, {}}, // 0/0: the reduction reports it
        {Add, 1, kMax, 1, 2, {}, kOverflow},
        {Add, kMax, 1, 1, 1, {}, kOverflow}, // the sum, not a product
        {Subtract, kMin, 1, 1, 1, {}, kOverflow},
        {Multiply, 65536, 1, 32768, 1, {}, kOverflow},
        {Multiply, 65536, 1, -32768, 1, {kMin, 1}, {}},
        {Divide, 1, 65536, 32768, 1, {}, kOverflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.op)) + ": " + std::to_string(c.a) + "/" + std::to_string(c.b) +
                     ", " + std::to_string(c.c) + "/" + std::to_string(c.d));
        Fraction out;
        EXPECT_EQ(ErrorOf([&] { out = fraccombine(c.op, c.a, c.b, c.c, c.d); }), c.error);
        if (!c.error) {
            EXPECT_EQ(out, c.out) << Show(out);
        }
    }
}

TEST(FracMixed, WritesWholePartRemainderAndDenominator)
{
    const struct {
        Fraction in;
        MixedText out;
        std::optional<ErrorCode> error;
    } cases[] = {
        {{5, 6}, {{}, "5", "6"}, {}},
        {{7, 2}, {"3", "1", "2"}, {}},
        {{-7, 2}, {"-3", "-1", "2"}, {}},
        {{7, -2}, {"-3", "1", "-2"}, {}},
        {{-7, -2}, {"3", "-1", "-2"}, {}},
        {{1, -4}, {{}, "1", "-4"}, {}},
        {{4, 1}, {"4", "0", ""}, {}},
        {{-4, -1}, {"4", "0", ""}, {}},
        {{0, 1}, {{}, "0", ""}, {}},
        {{kMax, 1}, {"2147483647", "0", ""}, {}},
        {{kMin, 3}, {"-715827882", "-2", "3"}, {}},
        {{1, 0}, {}, kByZero},
        {{0, 0}, {}, kOverflow},
        {{kMin, -1}, {}, kOverflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Show(c.in));
        MixedText out;
        EXPECT_EQ(ErrorOf([&] { out = fracmixed(c.in); }), c.error);
        if (!c.error) {
            EXPECT_EQ(out, c.out) << out.whole.value_or("(none)") << " " << out.numerator << "/" << out.denominator;
        }
    }
}

TEST(FracAnswer, WorkedResultsAndFaults)
{
    const struct {
        FracOp op;
        const char *a, *b, *c, *d;
        MixedText out;
        std::optional<ErrorCode> error;
    } cases[] = {
        {Add, "1", "2", "1", "3", {{}, "5", "6"}, {}},
        {Add, "3", "4", "3", "4", {"1", "1", "2"}, {}},
        {Add, "1", "2", "1", "2", {"1", "0", ""}, {}},
        {Subtract, "1", "2", "3", "4", {{}, "1", "-4"}, {}},
        {Subtract, "1", "2", "1", "2", {{}, "0", ""}, {}},
        {Multiply, "-7", "1", "1", "2", {"-3", "-1", "2"}, {}},
        {Divide, "1", "2", "1", "4", {"2", "0", ""}, {}},
        {Divide, "-3", "4", "9", "-8", {{}, "2", "3"}, {}},
        {Add, "-1", "-2", "0", "1", {{}, "-1", "-2"}, {}},
        {Add, "2.5", "1", "0", "1", {"2", "0", ""}, {}}, // 2.5 rounds to the even 2
        {Add, "1e2", "3", " 0 ", "1", {"33", "1", "3"}, {}},
        {Multiply, "2147483647", "1", "1", "2147483647", {"1", "0", ""}, {}},
        {Add, "1", "2147483647", "1", "2147483646", {}, kOverflow},
        // Zero denominators.
        {Add, "1", "0", "1", "2", {}, kByZero},
        {Add, "1", "0", "1", "0", {}, kOverflow},
        {Divide, "1", "0", "1", "2", {}, kByZero},
        {Divide, "1", "2", "0", "3", {}, kByZero},
        {Divide, "0", "2", "0", "3", {}, kOverflow},
        {Divide, "1", "2", "3", "0", {}, kByZero},
        {Divide, "0", "5", "3", "0", {}, kByZero},
        {Divide, "1", "0", "3", "0", {}, kOverflow},
        {Multiply, "0", "0", "1", "2", {}, kOverflow},
        // Reading: strict, and the 1st fraction is reduced before the 2nd is read.
        {Add, "", "2", "1", "3", {}, kMismatch},
        {Add, "1", "2", "1", "abc", {}, kMismatch},
        {Add, "12abc", "2", "1", "3", {}, kMismatch},
        {Add, "1", "3000000000", "1", "3", {}, kOverflow},
        {Add, "x", "2", "1", "3000000000", {}, kMismatch},
        {Add, "0", "0", "x", "3", {}, kOverflow},
        {Add, "-2147483648", "1", "0", "1", {}, kOverflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.op)) + ": " + c.a + "/" + c.b + ", " + c.c + "/" + c.d);
        MixedText out;
        EXPECT_EQ(ErrorOf([&] { out = fracanswer(c.op, c.a, c.b, c.c, c.d); }), c.error);
        if (!c.error) {
            EXPECT_EQ(out, c.out) << out.whole.value_or("(none)") << " " << out.numerator << "/" << out.denominator;
        }
    }
}

} // namespace
} // namespace zentaro::fractions
