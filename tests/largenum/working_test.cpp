// The working of the adder-subtracter and the reciprocal, line by line against
// steps worked by hand, and the period of 1/x against the remainders themselves.
#include "largenum/addsub.h"
#include "largenum/period.h"
#include "largenum/reciprocal.h"

#include "conventions/case_file.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace zentaro::largenum {
namespace {

const ShowMessage& kAny = cases::kIgnoreMessages;
const ShowAnswer kUnseen = [](std::string_view) {};

TEST(LargeNumbersWorking, WorkedExamplesLineByLine)
{
    const std::string hundredZeros(100, '0');
    const struct {
        const char* what;
        std::function<void(Working)> run;
        std::vector<std::string> lines;
    } cases[] = {
        {"999 + 1 carries into a new column",
         [](Working w) { bigadd("999", "1", kAny, w); },
         {"Add column by column from the right, carrying 1 when a column reaches 10:", "  111    carries", "   999",
          "+    1", "------", "  1000", "999 + 1 = 1000"}},
        {"5 − 12 works out 12 − 5",
         [](Working w) { bigsub("5", "12", kAny, w); },
         {"12 is larger than 5, so work out 12 − 5 and put a minus sign in front",
          "Subtract column by column from the right, borrowing 1 when a digit is too small:", "   1    borrows",
          "   12", "−   5", "-----", "    7", "5 − 12 = -7"}},
        {"1000 − 1 borrows through the zeros",
         [](Working w) { bigsub("1000", "1", kAny, w); },
         {"Subtract column by column from the right, borrowing 1 when a digit is too small:", "   111    borrows",
          "   1000", "−     1", "-------", "    999", "1000 − 1 = 999"}},
        {"a 101-digit number gives its first columns and its last",
         [&](Working w) { bigsub("1" + hundredZeros, "3", kAny, w); },
         {"The numbers have 101 and 1 digits: too many to write out, so the first columns and the last:",
          "Column 1 (units): 0 − 3 is below 0: borrow 1, -3 + 10 = 7",
          "Column 2: 0 − 0 − 1 is below 0: borrow 1, -1 + 10 = 9",
          "Column 3: 0 − 0 − 1 is below 0: borrow 1, -1 + 10 = 9", "Column 101: 1 − 0 − 1 = 0",
          "The difference has 100 digits",
          "10000000000000000000…00000000000000000000 − 3 = 99999999999999999999…99999999999999999997"}},
        {"-5 is refused",
         [](Working w) { bigadd("-5", "1", kAny, w); },
         {"\"-5\" is not a whole number written in digits alone", "Please Enter only positive integers!"}},
        {"1/7: six digits repeat from the first",
         [](Working w) { recipdigits("7", "20", kAny, kUnseen, w); },
         {"Write 0., then divide 10 by 7, digit by digit:", "10 ÷ 7 = 1 remainder 3", "30 ÷ 7 = 4 remainder 2",
          "20 ÷ 7 = 2 remainder 6", "60 ÷ 7 = 8 remainder 4", "40 ÷ 7 = 5 remainder 5", "50 ÷ 7 = 7 remainder 1",
          "10 ÷ 7 = 1 remainder 3", "30 ÷ 7 = 4 remainder 2", "… and so on, 11 more digits",
          "10⁶ ≡ 1 (mod 7), and no smaller power of 10 is: the order of 10 modulo 7 is 6",
          "1/7 = 0.142857…: the 6 digits 142857 repeat from the 1st digit after the point",
          "1/7 = 0.1428571428571428571"}},
        {"1/12: the factor 2² holds the 3s back by two digits",
         [](Working w) { recipdigits("12", "5", kAny, kUnseen, w); },
         {"Write 0. and 1 zero, then divide 100 by 12, digit by digit:", "100 ÷ 12 = 8 remainder 4",
          "40 ÷ 12 = 3 remainder 4", "40 ÷ 12 = 3 remainder 4", "40 ÷ 12 = 3 remainder 4", "12 = 2² × 3",
          "Its factors 2 and 5 hold the repetition back by 2 digits",
          "10¹ ≡ 1 (mod 3), and no smaller power of 10 is: the order of 10 modulo 3 is 1",
          "1/12 = 0.083…: the 1 digit 3 repeats from the 3rd digit after the point", "1/12 = 0.08333"}},
        {"1/-4 ends after two digits",
         [](Working w) { recipdigits("-4", "5", kAny, kUnseen, w); },
         {"1/-4 = -(1/4): the minus sign goes in front", "Write 0., then divide 10 by 4, digit by digit:",
          "10 ÷ 4 = 2 remainder 2", "20 ÷ 4 = 5 remainder 0", "0 ÷ 4 = 0 remainder 0", "0 ÷ 4 = 0 remainder 0",
          "4 = 2²", "Only the primes 2 and 5 divide 4, so the division ends after the 2nd digit", "1/4 = 0.25 exactly",
          "1/-4 = - 0.2500"}},
        {"1/97 with 5 digits: the block is quoted past the answer",
         [](Working w) { recipdigits("97", "3", kAny, kUnseen, w); },
         {"Write 0. and 1 zero, then divide 100 by 97, digit by digit:", "100 ÷ 97 = 1 remainder 3",
          "30 ÷ 97 = 0 remainder 30",
          "10⁹⁶ ≡ 1 (mod 97), and no smaller power of 10 is: the order of 10 modulo 97 is 96",
          "1/97 = 0.010309278350515463917525773195876288659793814432989690721649…: the 96 digits that start "
          "010309278350515463917525773195876288659793814432989690721649 repeat from the 1st digit after the point, "
          "further than the answer's 3 digits reach",
          "1/97 = 0.010"}},
        {"1/0",
         [](Working w) { recipdigits("0", "5", kAny, kUnseen, w); },
         {"No number times 0 gives 1", "1/0 = Indeterminate"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cases::WorkingOf(c.run), c.lines);
    }
}

// Where the remainders of the long division first come back: the digits from
// that remainder's first visit repeat, as often as the visits between.
std::pair<unsigned, std::uint64_t> ByRemainders(std::uint64_t x)
{
    std::vector<int> seenAt(x, -1);
    std::uint64_t remainder = 1 % x;
    for (int position = 0; remainder != 0; ++position) {
        if (seenAt[remainder] >= 0)
            return {static_cast<unsigned>(seenAt[remainder]), static_cast<std::uint64_t>(position - seenAt[remainder])};
        seenAt[remainder] = position;
        remainder = remainder * 10 % x;
    }
    return {static_cast<unsigned>(std::count_if(seenAt.begin(), seenAt.end(), [](int at) { return at >= 0; })), 0};
}

TEST(DecimalPeriod, AgreesWithTheRemaindersUpTo5000)
{
    for (std::uint64_t x = 1; x <= 5000; ++x) {
        const DecimalPeriod p = decimalperiod(x);
        ASSERT_EQ(std::pair(p.start, p.length), ByRemainders(x)) << x;
    }
}

// Periods far beyond any long division, worked by hand: 10^15 ≡ 1 first modulo
// 10^15 − 1; 10 has the order 3^(k−2) modulo 3^k and 6·7^(k−1) modulo 7^k.
TEST(DecimalPeriod, LongPeriodsOfTheLargestNumbers)
{
    const struct {
        std::uint64_t x;
        unsigned start;
        std::uint64_t length;
    } cases[] = {{999999999999999, 0, 15},
                 {617673396283947, 0, 68630377364883},  // 3^31, period 3^29
                 {232630513987207, 0, 199397583417606}, // 7^17, period 6·7^16
                 {132931722278404, 2, 28485369059658},  // 2²·7^16, period 6·7^15
                 {562949953421312, 49, 0},              // 2^49
                 {476837158203125, 21, 0}};             // 5^21
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        const DecimalPeriod p = decimalperiod(c.x);
        EXPECT_EQ(p.start, c.start);
        EXPECT_EQ(p.length, c.length);
    }
}

} // namespace
} // namespace zentaro::largenum
