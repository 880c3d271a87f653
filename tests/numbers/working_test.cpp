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
        {"36, a square, pairs 6 with itself",
         [](Working w) { factorlist(36, w); },
         {"Each divisor d of 36 with d² ≤ 36 (d up to √36), paired with 36 ÷ d:", "36 = 1 × 36", "36 = 2 × 18",
          "36 = 3 × 12", "36 = 4 × 9", "36 = 6 × 6", "Factors of 36: 1, 2, 3, 4, 6, 9, 12, 18, 36"}},
        {"11.5 is 12 without the factors above 11.5",
         [](Working w) { factorlist(11.5, w); },
         {"11.5 is taken as 12, and factors above 11.5 are left out",
          "Each divisor d of 12 with d² ≤ 12 (d up to √12), paired with 12 ÷ d:", "12 = 1 × 12", "12 = 2 × 6",
          "12 = 3 × 4", "Factors of 11.5: 1, 2, 3, 4, 6"}},
        {"the division ladder of 360",
         [](Working w) { primefactors(360, w); },
         {"360 ÷ 2 = 180", "180 ÷ 2 = 90", "90 ÷ 2 = 45", "45 ÷ 3 = 15", "15 ÷ 3 = 5", "5 ÷ 5 = 1",
          "Prime factors of 360: 2³ × 3² × 5"}},
        {"13.5 rounds to 14, whose 7 is above what the twos leave",
         [](Working w) { primefactors(13.5, w); },
         {"13.5 is taken as 14", "14 ÷ 2 = 7",
          "What is left, 7, is above 6.75 (the number left after the twos), so it is not listed",
          "Prime factors of 13.5: 2"}},
        {"1A7 from base 16 to base 2",
         [](Working w) { convertbases("1A7", "16", "2", cases::kIgnoreMessages, w); },
         {"7: 7 × 16⁰ = 7", "A: 10 × 16¹ = 160", "1: 1 × 16² = 256", "1A7 in base 16 = 7 + 160 + 256 = 423",
          "423 ÷ 2 = 211 remainder 1", "211 ÷ 2 = 105 remainder 1", "105 ÷ 2 = 52 remainder 1",
          "52 ÷ 2 = 26 remainder 0", "26 ÷ 2 = 13 remainder 0", "13 ÷ 2 = 6 remainder 1", "6 ÷ 2 = 3 remainder 0",
          "3 ÷ 2 = 1 remainder 1", "1 ÷ 2 = 0 remainder 1",
          "The remainders, from the last to the first, are the digits", "1A7 in base 16 = 110100111 in base 2"}},
        {"255 to base 16: remainders above 9 are letters",
         [](Working w) { convertbases("255", "10", "16", cases::kIgnoreMessages, w); },
         {"5: 5 × 10⁰ = 5", "5: 5 × 10¹ = 50", "2: 2 × 10² = 200", "255 in base 10 = 5 + 50 + 200 = 255",
          "255 ÷ 16 = 15 remainder 15, the digit F", "15 ÷ 16 = 0 remainder 15, the digit F",
          "The remainders, from the last to the first, are the digits", "255 in base 10 = FF in base 16"}},
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
