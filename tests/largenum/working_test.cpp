// The working of the adder-subtracter and the reciprocal, line by line against
// steps worked by hand, and the period of 1/x against the remainders themselves.
#include "largenum/addsub.h"
#include "largenum/period.h"
#include "largenum/reciprocal.h"

#include "conventions/case_file.h"

#include <algorithm>
#include <vector>

namespace zentaro::largenum {
namespace {

using cases::Args;

TEST(LargeNumbersWorking, WorkedExamplesLineByLine)
{
    const ShowMessage& any = cases::kIgnoreMessages;
    cases::RunWorked("largenum/working.txt", {{"bigadd", [&](const Args& a, Working w) { bigadd(a[0], a[1], any, w); }},
                                              {"bigsub", [&](const Args& a, Working w) { bigsub(a[0], a[1], any, w); }},
                                              {"recipdigits", [&](const Args& a, Working w) {
                                                   recipdigits(
                                                       a[0], a[1], any, [](std::string_view) {}, w);
                                               }}});
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
