#include "fractions/arithmetic.h"
#include "fractions/conversions.h"
#include "fractions/gcd.h"

#include "conventions/case_file.h"
#include "support/numeral_check.h"

namespace zentaro::fractions {
namespace {

using cases::Args;
using cases::Outcome;

std::string Show(const MixedText& m)
{
    return m.whole.value_or("_") + " " + m.numerator + "/" + m.denominator;
}

std::string Show(const ImproperText& t)
{
    return t.numerator + "/" + t.denominator;
}

// A mixed answer as a reader says it: "1 1/2", "1/-4", "2" for whole 2 over
// nothing, "0" for a zero answer.
std::string Said(const MixedText& m)
{
    if (m.denominator.empty())
        return m.whole.value_or(m.numerator);
    return (m.whole ? *m.whole + " " : "") + m.numerator + "/" + m.denominator;
}

void Unwritten(MixedField, std::string_view) {}

// The fields impropertomixed writes, each once, and the error that stopped it.
std::string Written(const Args& a)
{
    MixedText fields;
    const auto into = [&](MixedField f, std::string_view text) {
        std::string& target = f == MixedField::Whole       ? fields.whole.emplace()
                              : f == MixedField::Numerator ? fields.numerator
                                                           : fields.denominator;
        EXPECT_TRUE(target.empty()) << "written twice";
        target = text;
    };
    const std::string error = Outcome([&] { impropertomixed(a[0], a[1], into); });
    const auto lines = cases::WorkingOf([&](Working w) { impropertomixed(a[0], a[1], Unwritten, w); });
    return cases::EndingWith(Show(fields) + (error.empty() ? "" : " " + error), lines,
                             error.empty() ? " = " + Said(fields) : error);
}

TEST(Fractions, CaseTable)
{
    const auto op = [](const std::string& name) {
        return name == "Add"        ? FracOp::Add
               : name == "Subtract" ? FracOp::Subtract
               : name == "Multiply" ? FracOp::Multiply
                                    : FracOp::Divide;
    };
    cases::Run("fractions/fractions.txt",
               {
                   {"gcd", [](const Args& a) { return gcd(std::stoi(a[0]), std::stoi(a[1])).ToText(); }},
                   {"answer",
                    [&](const Args& a) {
                        const auto run = [&](Working w) { return fracanswer(op(a[0]), a[1], a[2], a[3], a[4], w); };
                        const MixedText answer = run({});
                        return cases::EndingWith(Show(answer), cases::WorkingOf(run), " = " + Said(answer));
                    }},
                   {"improper",
                    [](const Args& a) {
                        const auto withWorking = [&](auto convert) {
                            const auto run = [&](Working w) { return convert(a[0], a[1], a[2], w); };
                            const std::string shown = Show(run({}));
                            return cases::EndingWith(shown, cases::WorkingOf(run), " = " + shown);
                        };
                        return Outcome([&] { return withWorking(improperanswer); }) + " " +
                               Outcome([&] { return withWorking(mixedtoimproper); });
                    }},
                   {"mixed", Written},
               });
}

TEST(Gcd, KeepsTheSignsOfRepeatedSubtraction)
{
    for (std::int32_t a = -30; a <= 30; ++a) {
        for (std::int32_t b = -30; b <= 30; ++b)
            ASSERT_EQ(gcd(a, b).ToDouble(), testing::numeral_check::SubtractionGcd(a, b)) << a << ", " << b;
    }
}

// The working of the fractions window, line by line, against steps worked by hand.

cases::Worker Operation(FracOp op)
{
    return [op](const Args& a, Working w) { fracanswer(op, a[0], a[1], a[2], a[3], w); };
}

TEST(FractionsWorking, WorkedExamplesLineByLine)
{
    cases::RunWorked("fractions/working.txt",
                     {{"add", Operation(FracOp::Add)},
                      {"divide", Operation(FracOp::Divide)},
                      {"gcd", [](const Args& a, Working w) { gcd(std::stoi(a[0]), std::stoi(a[1]), w); }},
                      {"impropertomixed", [](const Args& a, Working w) { impropertomixed(a[0], a[1], Unwritten, w); }},
                      {"mixedtoimproper", [](const Args& a, Working w) { mixedtoimproper(a[0], a[1], a[2], w); }},
                      {"improperanswer", [](const Args& a, Working w) { improperanswer(a[0], a[1], a[2], w); }}});
}

} // namespace
} // namespace zentaro::fractions
