// The working of the fractions window, line by line, against steps worked by hand.
#include "fractions/arithmetic.h"
#include "fractions/conversions.h"
#include "fractions/gcd.h"

#include "conventions/case_file.h"

namespace zentaro::fractions {
namespace {

using cases::Args;

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
                      {"impropertomixed",
                       [](const Args& a, Working w) {
                           impropertomixed(
                               a[0], a[1], [](MixedField, std::string_view) {}, w);
                       }},
                      {"mixedtoimproper", [](const Args& a, Working w) { mixedtoimproper(a[0], a[1], a[2], w); }},
                      {"improperanswer", [](const Args& a, Working w) { improperanswer(a[0], a[1], a[2], w); }}});
}

} // namespace
} // namespace zentaro::fractions
