// The working of the GCD/LCM and base windows, line by line, against steps worked by hand.
#include "numbers/base_conversion.h"
#include "numbers/gcd_lcm.h"

#include "conventions/case_file.h"

namespace zentaro::numbers {
namespace {

using cases::Args;

TEST(NumbersWorking, WorkedExamplesLineByLine)
{
    using namespace gcdlcm;
    cases::RunWorked("numbers/working.txt",
                     {{"gcdlcm", [](const Args& a,
                                    Working w) { lcm(a.number(0), a.number(1), gcd(a.number(0), a.number(1), w), w); }},
                      {"factorlist", [](const Args& a, Working w) { factorlist(a.number(0), w); }},
                      {"primefactors", [](const Args& a, Working w) { primefactors(a.number(0), w); }},
                      {"convertbases",
                       [](const Args& a, Working w) { convertbases(a[0], a[1], a[2], cases::kIgnoreMessages, w); }}});
}

} // namespace
} // namespace zentaro::numbers
