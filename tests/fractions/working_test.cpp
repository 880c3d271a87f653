// The working of the fractions window, line by line, against steps worked by hand.
#include "fractions/arithmetic.h"
#include "fractions/conversions.h"
#include "fractions/gcd.h"

#include "conventions/case_file.h"

#include <functional>

namespace zentaro::fractions {
namespace {

const WriteMixedField kNowhere = [](MixedField, std::string_view) {};

TEST(FractionsWorking, WorkedExamplesLineByLine)
{
    const struct {
        const char* what;
        std::function<void(Working)> run;
        std::vector<std::string> lines;
    } cases[] = {
        {"6/8 + 1/3: a reduction, a common denominator, a mixed answer",
         [](Working w) { fracanswer(FracOp::Add, "6", "8", "1", "3", w); },
         {"  8 = 1 × 6 + 2", "  6 = 3 × 2 + 0", "gcd(6, 8) = 2", "6/8 = (6 ÷ 2)/(8 ÷ 2) = 3/4", "  3 = 3 × 1 + 0",
          "gcd(1, 3) = 1", "1/3 is in lowest terms", "Common denominator: 4 × 3 = 12", "Numerator: 3 × 3 + 1 × 4 = 13",
          "3/4 + 1/3 = 13/12", "  13 = 1 × 12 + 1", "  12 = 12 × 1 + 0", "gcd(13, 12) = 1", "13/12 is in lowest terms",
          "13 ÷ 12 = 1 remainder 1", "13/12 = 1 1/12", "6/8 + 1/3 = 1 1/12"}},
        {"1/2 − 3/4: a negative gcd moves the sign to the denominator",
         [](Working w) { fracanswer(FracOp::Subtract, "1", "2", "3", "4", w); },
         {"  2 = 2 × 1 + 0", "gcd(1, 2) = 1", "1/2 is in lowest terms", "  4 = 1 × 3 + 1", "  3 = 3 × 1 + 0",
          "gcd(3, 4) = 1", "3/4 is in lowest terms", "Common denominator: 2 × 4 = 8", "Numerator: 1 × 4 − 3 × 2 = -2",
          "1/2 − 3/4 = -2/8", "  8 = 4 × 2 + 0", "gcd(-2, 8) = -2: the signs differ, so the divisor is negative",
          "-2/8 = (-2 ÷ (-2))/(8 ÷ (-2)) = 1/-4", "1 ÷ (-4) = 0 remainder 1", "1/2 − 3/4 = 1/-4"}},
        {"1/2 ÷ 3/0: the steps up to the division by zero",
         [](Working w) { fracanswer(FracOp::Divide, "1", "2", "3", "0", w); },
         {"  2 = 2 × 1 + 0", "gcd(1, 2) = 1", "1/2 is in lowest terms", "  3 = 1 × 3 + 0", "gcd(3, 0) = 3",
          "3/0 = (3 ÷ 3)/(0 ÷ 3) = 1/0", "1/2 ÷ 1/0 = 1/2 × 0/1", "Numerator: 1 × 0 = 0", "Denominator: 2 × 1 = 2",
          "#11"}},
        {"a gcd of 44 divisions is only counted",
         [](Working w) { gcd(1836311903, -1134903170, w); },
         {"gcd(1836311903, -1134903170) = -1 (Euclid's algorithm, 44 divisions): the signs differ, so the divisor "
          "is negative"}},
        {"-7/2 to a mixed number: the remainder keeps the sign of -7",
         [](Working w) { impropertomixed("-7", "2", kNowhere, w); },
         {"-7 ÷ 2 = -3 remainder -1", "  2 = 2 × 1 + 0",
          "gcd(-1, 2) = -1: the signs differ, so the divisor is negative", "-1/2 = (-1 ÷ (-1))/(2 ÷ (-1)) = 1/-2",
          "-7/2 = -3 1/-2"}},
        {"1 2/4 to a reduced improper fraction",
         [](Working w) { mixedtoimproper("1", "2", "4", w); },
         {"1 2/4 = (1 × 4 + 2)/4 = 6/4", "  6 = 1 × 4 + 2", "  4 = 2 × 2 + 0", "gcd(6, 4) = 2",
          "6/4 = (6 ÷ 2)/(4 ÷ 2) = 3/2", "1 2/4 = 3/2"}},
        {"the whole answer 2 read back as improper",
         [](Working w) { improperanswer("2", "0", "", w); },
         {"The denominator is empty: it counts as 1", "2 0/1 = (2 × 1 + 0)/1 = 2/1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cases::WorkingOf(c.run), c.lines);
    }
}

} // namespace
} // namespace zentaro::fractions
