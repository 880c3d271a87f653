#include "conventions/runtime_error.h"
#include "fractions/arithmetic.h"
#include "fractions/conversions.h"
#include "fractions/gcd.h"

#include <gtest/gtest.h>

#include <string>

namespace zentaro::fractions {
namespace {

using enum FracOp;

// The result as one line ("-3 -1/2", "_ 0/" for an unwritten whole part), or the
// run-time error number ("#11").
template <typename Call> std::string Outcome(Call&& call)
{
    try {
        return call();
    } catch (const RuntimeError& e) {
        return "#" + std::to_string(e.number());
    }
}

std::string Show(const MixedText& m)
{
    return m.whole.value_or("_") + " " + m.numerator + "/" + m.denominator;
}

std::string Show(const ImproperText& t)
{
    return t.numerator + "/" + t.denominator;
}

// The signed divisor by repeated subtraction, as first defined; small operands only.
std::int64_t BySubtraction(std::int64_t x, std::int64_t y)
{
    std::int64_t s = 1;
    if (x == 0)
        x = y;
    else if (y == 0)
        y = x;
    if (x < 0) {
        x = -x;
        s = -1;
    }
    if (y < 0) {
        y = -y;
        s = -s;
    }
    while (x != y)
        (x > y ? x : y) -= (x > y ? y : x);
    return s * x;
}

TEST(Gcd, KeepsTheSignsOfRepeatedSubtraction)
{
    for (std::int32_t a = -30; a <= 30; ++a) {
        for (std::int32_t b = -30; b <= 30; ++b)
            ASSERT_EQ(gcd(a, b).ToDouble(), static_cast<double>(BySubtraction(a, b))) << a << ", " << b;
    }
    const std::int32_t kMin = -2147483647 - 1;
    const struct {
        std::int32_t a, b;
        double g;
    } cases[] = {{1, 2147483647, 1},         {1836311903, -1134903170, -1},
                 {kMin, 2147483647, -1},     {kMin, 1073741824, -1073741824},
                 {kMin, kMin, 2147483648.0}, {0, kMin, 2147483648.0}};
    for (const auto& c : cases)
        EXPECT_EQ(gcd(c.a, c.b).ToDouble(), c.g) << c.a << ", " << c.b;
}

TEST(FracAnswer, ReducesCombinesAndSplits)
{
    const struct {
        FracOp op;
        const char *a, *b, *c, *d, *out;
    } cases[] = {
        // clang-format off
        {Add, "1", "2", "1", "3", "_ 5/6"}, {Add, "3", "4", "3", "4", "1 1/2"},
        {Add, "1", "2", "1", "2", "1 0/"}, {Subtract, "1", "2", "3", "4", "_ 1/-4"},
        {Subtract, "1", "2", "1", "2", "_ 0/"}, {Multiply, "-7", "1", "1", "2", "-3 -1/2"},
        {Multiply, "7", "-1", "1", "2", "-3 1/-2"}, {Add, "-1", "-2", "0", "1", "_ -1/-2"},
        {Divide, "-3", "4", "9", "-8", "_ 2/3"}, {Add, "2.5", "1", "1e2", "3", "35 1/3"},
        {Multiply, "2147483647", "1", "1", "2147483647", "1 0/"}, {Add, "1", "0", "1", "2", "#11"},
        {Add, "1", "0", "1", "0", "#6"}, {Divide, "1", "2", "0", "3", "#11"},
        {Divide, "0", "2", "0", "3", "#6"}, {Divide, "1", "2", "3", "0", "#11"},
        {Divide, "0", "5", "-3", "0", "#11"}, {Divide, "1", "0", "3", "0", "#6"},
        {Multiply, "0", "0", "1", "2", "#6"}, {Add, "1", "2147483647", "1", "2", "#6"},
        {Multiply, "65536", "1", "32768", "1", "#6"}, {Add, "-2147483648", "1", "0", "1", "#6"},
        {Add, "", "2", "1", "3", "#13"}, {Add, "12abc", "2", "1", "3", "#13"},
        {Add, "1", "3000000000", "1", "3", "#6"}, {Add, "x", "2", "1", "3000000000", "#13"},
        {Add, "0", "0", "x", "3", "#6"}
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Outcome([&] { return Show(fracanswer(c.op, c.a, c.b, c.c, c.d)); }), c.out)
            << static_cast<int>(c.op) << ": " << c.a << "/" << c.b << ", " << c.c << "/" << c.d;
    }
}

TEST(Conversions, MixedToImproperPlainAndReduced)
{
    const struct {
        const char *whole, *numerator, *denominator, *plain, *reduced;
    } cases[] = {
        // clang-format off
        {"", "", "", "0/1", "0/1"}, {"2", "0", "", "2/1", "2/1"},
        {"-3", "1", "-2", "7/-2", "-7/2"}, {"1", "2", "4", "6/4", "3/2"},
        {"-1", "1", "2", "-1/2", "1/-2"}, {"", "0", "-5", "0/-5", "0/-1"},
        {"abc", "3.5", "", "4/1", "4/1"}, {"&HFFFF", "1 2", "", "11/1", "11/1"},
        {"", "-2147483648", "-2147483648", "-2147483648/-2147483648", "-1/-1"}, {"", "1", "0", "1/0", "#11"},
        {"5", "1", "x", "1/0", "#11"}, {"65536", "-1", "32768", "#6", "#6"},
        {"1e10", "1", "0", "#6", "#6"}
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.whole) + " " + c.numerator + "/" + c.denominator);
        EXPECT_EQ(Outcome([&] { return Show(improperanswer(c.whole, c.numerator, c.denominator)); }), c.plain);
        EXPECT_EQ(Outcome([&] { return Show(mixedtoimproper(c.whole, c.numerator, c.denominator)); }), c.reduced);
    }
}

// An Overflow part-way leaves the fields already written: 1 over -2147483648
// writes its numerator before the denominator 2147483648 is found not to fit.
TEST(Conversions, ImproperToMixedWritesFieldByField)
{
    const struct {
        const char *numerator, *denominator, *written;
    } cases[] = {
        // clang-format off
        {"7", "2", "3 1/2"}, {"4", "2", "2 0/"}, {"1", "2", "_ 1/2"},
        {"6", "4", "1 1/2"}, {"-7", "2", "-3 1/-2"}, {"7", "-2", "-3 -1/2"},
        {"0", "5", "_ 0/"}, {"2.5", "1", "2 0/"}, {"5", "0", "_ / #11"},
        {"5", "", "_ / #11"}, {"0", "0", "_ / #6"}, {"-2147483648", "-1", "_ / #6"},
        {"1", "-2147483648", "_ -1/ #6"}, {"2", "-2147483648", "_ -1/1073741824"}
        // clang-format on
    };
    for (const auto& c : cases) {
        MixedText fields;
        const std::string error = Outcome([&] {
            impropertomixed(c.numerator, c.denominator, [&](MixedField f, std::string_view text) {
                std::string& target = f == MixedField::Whole       ? fields.whole.emplace()
                                      : f == MixedField::Numerator ? fields.numerator
                                                                   : fields.denominator;
                EXPECT_TRUE(target.empty()) << "written twice";
                target = text;
            });
            return std::string();
        });
        EXPECT_EQ(Show(fields) + (error.empty() ? "" : " " + error), c.written) << c.numerator << "/" << c.denominator;
    }
}

} // namespace
} // namespace zentaro::fractions
