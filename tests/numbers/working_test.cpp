// The working of the GCD/LCM and base windows, line by line, against steps worked by hand.
#include "numbers/base_conversion.h"
#include "numbers/gcd_lcm.h"

#include "conventions/case_file.h"

#include <functional>

namespace zentaro::numbers {
namespace {

TEST(NumbersWorking, WorkedExamplesLineByLine)
{
    using namespace gcdlcm;
    const struct {
        const char* what;
        std::function<void(Working)> run;
        std::vector<std::string> lines;
    } cases[] = {
        {"Euclid's table for 1071 and 462, then the LCM",
         [](Working w) { lcm(1071, 462, gcd(1071, 462, w), w); },
         {"Euclid's algorithm on 1071 and 462:", "1071 = 2 × 462 + 147", "462 = 3 × 147 + 21", "147 = 7 × 21 + 0",
          "gcd(1071, 462) = 21", "LCM = |a × b| ÷ |gcd| = |1071 × 462| ÷ 21 = 494802 ÷ 21 = 23562"}},
        {"a negative gcd, the smaller number first",
         [](Working w) { lcm(-4, 6, gcd(-4, 6, w), w); },
         {"Euclid's algorithm on 6 and 4:", "6 = 1 × 4 + 2", "4 = 2 × 2 + 0",
          "gcd(-4, 6) = -2 (the signs differ, so the divisor is negative)",
          "LCM = |a × b| ÷ |gcd| = |-4 × 6| ÷ 2 = 24 ÷ 2 = 12"}},
        {"a 0 takes the other's value; 0 and 0 stop at the LCM",
         [](Working w) { lcm(0, 0, gcd(0, 0, w), w); },
         {"gcd(0, 0) = 0", "#6"}},
        {"11.5 is 12 without the factors above 11.5",
         [](Working w) { factorlist(11.5, w); },
         {"11.5 is taken as 12, and factors above 11.5 are left out",
          "Each divisor d of 12 with d² ≤ 12 (d up to √12), paired with 12 ÷ d:", "12 = 1 × 12", "12 = 2 × 6",
          "12 = 3 × 4", "Factors of 11.5: 1, 2, 3, 4, 6"}},
        {"13.5 rounds to 14, whose 7 is above what the twos leave",
         [](Working w) { primefactors(13.5, w); },
         {"13.5 is taken as 14", "14 ÷ 2 = 7",
          "What is left, 7, is above 6.75 (the number left after the twos), so it is not listed",
          "Prime factors of 13.5: 2"}},
        {"AF from base 16 to base 15: letters read and written",
         [](Working w) { convertbases("AF", "16", "15", cases::kIgnoreMessages, w); },
         {"F: 15 × 16⁰ = 15", "A: 10 × 16¹ = 160", "AF in base 16 = 15 + 160 = 175",
          "175 ÷ 15 = 11 remainder 10, the digit A", "11 ÷ 15 = 0 remainder 11, the digit B",
          "The remainders, from the last to the first, are the digits", "AF in base 16 = BA in base 15"}},
        {"G is no digit of base 16",
         [](Working w) { convertbases("1G", "16", "2", cases::kIgnoreMessages, w); },
         {"\"G\" is not a digit of base 16", "Error! Please check your inputs!"}},
        {"80000000 in base 16 is too large to write out",
         [](Working w) { convertbases("80000000", "16", "10", cases::kIgnoreMessages, w); },
         {"8: 8 × 16⁷ = 2147483648", "80000000 in base 16 = 2147483648", "#6"}},
        {"base 37 is refused",
         [](Working w) { convertbases("1", "10", "37", cases::kIgnoreMessages, w); },
         {"Bases run from 2 to 36, and 37 is not one of them", "Please check your inputs!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cases::WorkingOf(c.run), c.lines);
    }
}

} // namespace
} // namespace zentaro::numbers
