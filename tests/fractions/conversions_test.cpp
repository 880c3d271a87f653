#include "fractions/conversions.h"

#include "error_of.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zentaro::fractions {
namespace {

constexpr auto kOverflow = ErrorCode::Overflow;
constexpr auto kByZero = ErrorCode::DivisionByZero;

TEST(ToImproper, ReadsLenientlyAndTakesAnEmptyDenominatorAsOne)
{
    const struct {
        const char *whole, *numerator, *denominator;
        Fraction out;
        std::optional<ErrorCode> error;
    } cases[] = {
        {"", "", "", {0, 1}, {}},
        {"2", "0", "", {2, 1}, {}},
        {"-3", "1", "-2", {7, -2}, {}},
        {"-3", "-1", "2", {-7, 2}, {}},
        {"1", "2", "4", {6, 4}, {}},
        {"abc", "x", "", {0, 1}, {}},
        {"2.5", "3.5", "", {6, 1}, {}}, // halves round to even
        {"", "3", "0", {3, 0}, {}},
        {"", "1", " ", {1, 0}, {}}, // a blank is text, and reads as 0
        {"&HFFFF", "", "", {-1, 1}, {}},
        {"1 2", "", "", {12, 1}, {}},
        {"65535", "32767", "32768", {2147483647, 32768}, {}},
        {"-65536", "0", "32768", {-2147483647 - 1, 32768}, {}},
        {"65536", "-1", "32768", {}, kOverflow}, // the product alone leaves 32 bits
        {"65536", "0", "32768", {}, kOverflow},
        {"2147483647", "1", "", {}, kOverflow},
        {"1e10", "", "", {}, kOverflow},
        {"", "", "1e400", {}, kOverflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.whole) + " " + c.numerator + "/" + c.denominator);
        Fraction out;
        EXPECT_EQ(ErrorOf([&] { out = toimproper(c.whole, c.numerator, c.denominator); }), c.error);
        if (!c.error) {
            EXPECT_EQ(out, c.out) << out.numerator << "/" << out.denominator;
        }
    }
}

TEST(ImproperAnswer, ReadsBackEveryAnswerLayoutUnreduced)
{
    const struct {
        const char *whole, *numerator, *denominator;
        ImproperText out;
    } cases[] = {
        {"", "", "", {"0", "1"}},   // a frame that has not computed yet
        {"2", "0", "", {"2", "1"}}, // a whole answer
        {"", "0", "", {"0", "1"}},  // a zero answer
        {"-3", "1", "-2", {"7", "-2"}},
        {"-3", "-1", "2", {"-7", "2"}},
        {"", "5", "6", {"5", "6"}},
        {"", "1", "-4", {"1", "-4"}},
        {"3", "-1", "-2", {"-7", "-2"}},
        {"1", "2", "4", {"6", "4"}},
        {"-715827882", "-2", "3", {"-2147483648", "3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.whole) + " " + c.numerator + "/" + c.denominator);
        EXPECT_EQ(improperanswer(c.whole, c.numerator, c.denominator), c.out);
    }
}

TEST(MixedToImproper, ReducesBySignedGcd)
{
    const struct {
        const char *whole, *numerator, *denominator;
        ImproperText out;
        std::optional<ErrorCode> error;
    } cases[] = {
        {"2", "0", "", {"2", "1"}, {}},
        {"1", "2", "4", {"3", "2"}, {}},
        {"-1", "1", "2", {"1", "-2"}, {}},
        {"", "0", "5", {"0", "1"}, {}},
        {"", "0", "-5", {"0", "-1"}, {}},
        {"", "", "", {"0", "1"}, {}},
        {"", "-6", "-4", {"-3", "-2"}, {}},
        {"", "-2147483648", "-2147483648", {"-1", "-1"}, {}},
        {"", "-2147483648", "-1", {"-2147483648", "-1"}, {}},
        {"", "1", "2147483647", {"1", "2147483647"}, {}},
        {"", "1", "0", {}, kByZero},
        {"5", "1", "abc", {}, kByZero},
        {"65536", "0", "32768", {}, kOverflow},
        {"1e10", "1", "0", {}, kOverflow}, // the reading fails before the zero is seen
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.whole) + " " + c.numerator + "/" + c.denominator);
        ImproperText out;
        EXPECT_EQ(ErrorOf([&] { out = mixedtoimproper(c.whole, c.numerator, c.denominator); }), c.error);
        if (!c.error) {
            EXPECT_EQ(out, c.out) << out.numerator << "/" << out.denominator;
        }
    }
}

TEST(ImproperToMixed, WritesEachFieldAsItIsKnown)
{
    using Fields = std::map<MixedField, std::string>;
    const struct {
        const char *numerator, *denominator;
        Fields written;
        std::optional<ErrorCode> error;
    } cases[] = {
        {"7", "2", {{MixedField::Whole, "3"}, {MixedField::Numerator, "1"}, {MixedField::Denominator, "2"}}, {}},
        {"4", "2", {{MixedField::Whole, "2"}, {MixedField::Numerator, "0"}}, {}},
        {"1", "2", {{MixedField::Numerator, "1"}, {MixedField::Denominator, "2"}}, {}},
        {"6", "4", {{MixedField::Whole, "1"}, {MixedField::Numerator, "1"}, {MixedField::Denominator, "2"}}, {}},
        {"-7", "2", {{MixedField::Whole, "-3"}, {MixedField::Numerator, "1"}, {MixedField::Denominator, "-2"}}, {}},
        {"7", "-2", {{MixedField::Whole, "-3"}, {MixedField::Numerator, "-1"}, {MixedField::Denominator, "2"}}, {}},
        {"-6", "-4", {{MixedField::Whole, "1"}, {MixedField::Numerator, "-1"}, {MixedField::Denominator, "-2"}}, {}},
        {"0", "5", {{MixedField::Numerator, "0"}}, {}},
        {"abc", "5", {{MixedField::Numerator, "0"}}, {}},
        {"2.5", "1", {{MixedField::Whole, "2"}, {MixedField::Numerator, "0"}}, {}},
        {"2147483647",
         "2",
         {{MixedField::Whole, "1073741823"}, {MixedField::Numerator, "1"}, {MixedField::Denominator, "2"}},
         {}},
        {"-2147483648",
         "3",
         {{MixedField::Whole, "-715827882"}, {MixedField::Numerator, "2"}, {MixedField::Denominator, "-3"}},
         {}},
        {"5", "0", {}, kByZero},
        {"5", "", {}, kByZero},
        {"0", "0", {}, kOverflow},
        {"-2147483648", "-1", {}, kOverflow},
        {"1e10", "2", {}, kOverflow},
        // 1 over -2147483648 would need a denominator of 2147483648: the numerator
        // is written before that is found.
        {"1", "-2147483648", {{MixedField::Numerator, "-1"}}, kOverflow},
        {"2", "-2147483648", {{MixedField::Numerator, "-1"}, {MixedField::Denominator, "1073741824"}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.numerator) + "/" + c.denominator);
        Fields written;
        int writes = 0;
        const auto write = [&](MixedField field, std::string_view text) {
            ++writes;
            written[field] = std::string(text);
        };
        EXPECT_EQ(ErrorOf([&] { impropertomixed(c.numerator, c.denominator, write); }), c.error);
        EXPECT_EQ(written, c.written);
        EXPECT_EQ(writes, static_cast<int>(written.size())) << "a field written twice";
    }
}

} // namespace
} // namespace zentaro::fractions
