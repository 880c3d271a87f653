#include "largenum/addsub.h"
#include "largenum/period.h"
#include "largenum/reciprocal.h"

#include "conventions/case_file.h"
#include "conventions/parse.h"
#include "support/large_number_check.h"

#include <algorithm>
#include <random>
#include <vector>

namespace zentaro::largenum {
namespace {

using cases::Args;

const ShowMessage kNoMessage = [](std::string_view text, int, std::string_view) {
    ADD_FAILURE() << "unexpected message " << text;
    return MessageAnswer::Ok;
};
const ShowAnswer kUnseen = [](std::string_view) {};

// The answer as the window shows it, after checking that the working ends by
// stating it (or, when a message refused the input, with that message).
template <typename Compute>
std::string Checked(const Args& a, const ShowMessage& message, Compute compute, const std::string& refusal)
{
    const auto answer = compute(a, message, Working());
    const auto lines = cases::WorkingOf([&](Working w) { compute(a, cases::kIgnoreMessages, w); });
    const std::string shown = answer ? std::string(*answer) : "";
    return cases::EndingWith(answer ? shown : "(nothing)", lines,
                             shown.empty() || shown == "- " ? refusal : " = " + shown);
}

TEST(LargeNumbers, CaseTable)
{
    const auto sum = [](const Args& a, const ShowMessage& m, Working w) { return bigadd(a[0], a[1], m, w); };
    const auto difference = [](const Args& a, const ShowMessage& m, Working w) { return bigsub(a[0], a[1], m, w); };
    // An empty reciprocal is a refused number, or a digit count of 0.
    const auto reciprocal = [](const Args& a, const ShowMessage& message, Working w) {
        return std::optional(recipdigits(a[0], a[1], message, kUnseen, w));
    };
    const std::string positive(kPositiveIntegersOnly), whole(kWholeNumbersOnly);
    cases::Run("largenum/largenum.txt",
               {
                   {"period",
                    [](const Args& a) {
                        const DecimalPeriod p = decimalperiod(std::stoull(a[0]));
                        return cases::Text(p.start) + " " + cases::Text(p.length);
                    }},
                   {"add", cases::WithMessages([&](const Args& a, const ShowMessage& message) {
                        return Checked(a, message, sum, positive);
                    })},
                   {"sub", cases::WithMessages([&](const Args& a, const ShowMessage& message) {
                        return Checked(a, message, difference, positive);
                    })},
                   {"recip", cases::WithMessages([&](const Args& a, const ShowMessage& message) {
                        return Checked(a, message, reciprocal, ParseNumber(a[1]) == 0 ? "asked for" : whole);
                    })},
               });
}

TEST(AddSub, WorksUpToTheMostDigits)
{
    const std::string nines(kMostDigits, '9');
    EXPECT_EQ(bigadd("0" + nines, "1", kNoMessage), "1" + std::string(kMostDigits, '0'));
    EXPECT_THROW(bigsub("1", "1" + nines, kNoMessage), RuntimeError);
}

TEST(AddSub, AgreesWithColumnArithmeticOnRandomNumbers)
{
    std::mt19937 random(65536);
    const auto randomDigits = [&] {
        // Lengths spread evenly over the powers of two, up to 65536.
        const std::size_t top = std::size_t{1} << std::uniform_int_distribution<int>(0, 16)(random);
        std::string digits(std::uniform_int_distribution<std::size_t>(top / 2 + 1, top)(random), '0');
        for (char& c : digits)
            c = static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
        return digits;
    };
    for (int round = 0; round < 120; ++round) {
        const std::string a = randomDigits();
        std::string b = round % 3 == 0 ? a : randomDigits();
        if (round % 3 == 0) // equal but for the last digit: the order is decided at the far end
            b.back() = static_cast<char>('0' + (b.back() - '0' + 1) % 10);
        EXPECT_EQ(testing::CheckSumAndDifference("00" + a, b), "") << a.size() << " and " << b.size() << " digits";
    }
}

TEST(Reciprocal, CutsTheDigitCountAt2000AfterOneMessage)
{
    const std::string full = recipdigits("7", "2000", kNoMessage, kUnseen);
    EXPECT_EQ(full.size(), 2 + 1999u);
    cases::Messages above;
    EXPECT_EQ(recipdigits("7", "2001", above.callback(), kUnseen), full);
    EXPECT_EQ(above.seen, std::vector<std::string>{"Only 2000 digits will be returned!"});
}

TEST(Reciprocal, AgreesWithPlainLongDivisionUpTo15Digits)
{
    for (const unsigned long long x :
         {2ull, 3ull, 97ull, 1234567ull, 999999999999989ull, 100000000000000ull + 7, 999999999999999ull, 65536ull})
        EXPECT_EQ(testing::CheckReciprocal(std::to_string(x), "60"), "") << x;
}

// The working of the adder-subtracter and the reciprocal, line by line against
// steps worked by hand, and the period of 1/x against the remainders themselves.

TEST(LargeNumbersWorking, WorkedExamplesLineByLine)
{
    const ShowMessage& any = cases::kIgnoreMessages;
    cases::RunWorked("largenum/working.txt",
                     {{"bigadd", [&](const Args& a, Working w) { bigadd(a[0], a[1], any, w); }},
                      {"bigsub", [&](const Args& a, Working w) { bigsub(a[0], a[1], any, w); }},
                      {"recipdigits", [&](const Args& a, Working w) { recipdigits(a[0], a[1], any, kUnseen, w); }}});
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

} // namespace
} // namespace zentaro::largenum
