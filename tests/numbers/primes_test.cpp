#include "numbers/primes.h"

#include "conventions/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace zentaro::numbers::primes {
namespace {

const std::string kSep = "\u00A4";

struct Messages {
    std::vector<std::string> seen;
    ShowMessage callback()
    {
        return [this](std::string_view text, int style, std::string_view title) {
            EXPECT_EQ(style, msgstyle::kOkOnly);
            EXPECT_EQ(title, "");
            seen.emplace_back(text);
            return MessageAnswer::Ok;
        };
    }
};

std::string Item(std::int64_t p)
{
    return kSep + "  " + FormatSpaced(static_cast<std::int32_t>(p)) + "   ";
}

// Crosses out multiples in [low, high] with the primes up to √high, each found
// by a plain sieve over the small numbers.
std::string SieveText(std::int64_t low, std::int64_t high)
{
    std::string text;
    if (high < low)
        return text;
    std::int64_t root = 1;
    while ((root + 1) * (root + 1) <= high)
        ++root;
    std::vector<bool> smallComposite(static_cast<std::size_t>(root + 1), false);
    std::vector<bool> composite(static_cast<std::size_t>(high - low + 1), false);
    for (std::int64_t p = 2; p <= root; ++p) {
        if (smallComposite[static_cast<std::size_t>(p)])
            continue;
        for (std::int64_t m = p * p; m <= root; m += p)
            smallComposite[static_cast<std::size_t>(m)] = true;
        for (std::int64_t m = std::max(p * p, (low + p - 1) / p * p); m <= high; m += p)
            composite[static_cast<std::size_t>(m - low)] = true;
    }
    for (std::int64_t n = std::max<std::int64_t>(low, 2); n <= high; ++n) {
        if (!composite[static_cast<std::size_t>(n - low)])
            text += Item(n);
    }
    return text;
}

TEST(PrimeTest, GivesTheTaggedAnswer)
{
    const struct {
        double a;
        Tagged::Kind kind;
        double value;
    } cases[] = {
        {0, Tagged::Kind::Int16, 0},          {1, Tagged::Kind::Int16, 0},  {2, Tagged::Kind::Int16, 1},
        {3, Tagged::Kind::Int16, 1},          {4, Tagged::Kind::Int16, 0},  {5, Tagged::Kind::Double, 1},
        {9, Tagged::Kind::Int16, 0},          {25, Tagged::Kind::Int16, 0}, {2147483647, Tagged::Kind::Double, 1},
        {2147117569, Tagged::Kind::Int16, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        const Tagged answer = prime(c.a);
        EXPECT_EQ(answer.kind(), c.kind);
        EXPECT_EQ(answer.ToDouble(), c.value);
    }
    EXPECT_THROW(prime(3e9), RuntimeError);
}

TEST(PrimeTest, AgreesWithTheSieveOnWholeNumbers)
{
    std::string text;
    for (int n = 1; n <= 30000; ++n) {
        if (prime(n).ToDouble() == 1)
            text += Item(n);
    }
    EXPECT_EQ(text, SieveText(1, 30000));
}

TEST(PrimeList, ListsTheWorkedCases)
{
    const struct {
        const char* low;
        const char* high;
        std::string text;
        bool overflow;
    } cases[] = {
        {"1", "10", Item(2) + Item(3) + Item(5) + Item(7), false},
        {"10", "20", Item(11) + Item(13) + Item(17) + Item(19), false},
        {"11", "11", Item(11), false},
        {"12", "12", "", false},
        {"90", "96", "", false},
        {"20", "10", "", false},
        {"1", "2", Item(2), false},
        // A lower limit of 2 keeps 2; fractional limits take the whole numbers between.
        {"2", "10", Item(2) + Item(3) + Item(5) + Item(7), false},
        {"1.2", "10", Item(2) + Item(3) + Item(5) + Item(7), false},
        {"1.5", "7.9", Item(2) + Item(3) + Item(5) + Item(7), false},
        {"4.5", "5.5", Item(5), false},
        {"5.2", "6.9", "", false},
        {"2147483640", "2147483647", Item(2147483647), false},
        {"2147483640", "2147483647.9", Item(2147483647), false},
        {"2147483640", "2147483648", Item(2147483647), true},
        {"2147483640", "1e300", Item(2147483647), true},
        {"3e9", "4e9", "", true},
        {"3e9", "2e9", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.low) + " to " + c.high);
        Messages messages;
        const PrimeList list = primelist(c.low, c.high, messages.callback());
        EXPECT_EQ(list.text, c.text);
        EXPECT_EQ(list.overflow, c.overflow);
        EXPECT_FALSE(list.cancelled);
        EXPECT_TRUE(messages.seen.empty());
    }
}

TEST(PrimeList, TheInitialLimitsRunFrom2To97)
{
    Messages messages;
    const std::string text = primelist("1", "100", messages.callback()).text;
    EXPECT_EQ(text.rfind(kSep + "   2   " + kSep + "   3   " + kSep + "   5   ", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - Item(97).size()), kSep + "   97   ");
    EXPECT_EQ(text, SieveText(1, 100));
}

TEST(PrimeList, RefusesALowerLimitBelow1)
{
    for (const char* low : {"0.5", "0", "", "abc", "-3", "0.999"}) {
        SCOPED_TRACE(low);
        Messages messages;
        const PrimeList list = primelist(low, "100", messages.callback());
        EXPECT_EQ(list.text, "");
        EXPECT_FALSE(list.overflow);
        EXPECT_EQ(messages.seen, std::vector<std::string>{"Please enter a positive lower limit!"});
    }
    Messages messages;
    EXPECT_THROW(primelist("1", "1e400", messages.callback()), RuntimeError);
}

TEST(PrimeList, AgreesWithASimpleSieve)
{
    // Ranges inside one segment, across segment borders, and at the 32-bit edge.
    const struct {
        std::int64_t low, high;
    } ranges[] = {
        {1, 1},
        {1, 3},
        {3, 3},
        {4, 4},
        {1, 65536},
        {65530, 65540},
        {1, 200000},
        {131071, 131075},
        {999983, 1999993},
        {123456, 654321},
        {46337, 46349},
        {2147483647 - 300000, 2147483647},
        {2147000000, 2147100000},
        {2147395600, 2147395601},
    };
    for (const auto& r : ranges) {
        SCOPED_TRACE(std::to_string(r.low) + " to " + std::to_string(r.high));
        Messages messages;
        EXPECT_EQ(primelist(std::to_string(r.low), std::to_string(r.high), messages.callback()).text,
                  SieveText(r.low, r.high));
    }
    std::uint32_t x = 99;
    for (int i = 0; i < 40; ++i) {
        x = x * 1664525u + 1013904223u;
        const std::int64_t low = x % 3000000 + 1;
        x = x * 1664525u + 1013904223u;
        const std::int64_t high = low + x % 300000;
        SCOPED_TRACE(std::to_string(low) + " to " + std::to_string(high));
        EXPECT_EQ(ListPrimes(CandidatesBetween(low, high)).text, SieveText(low, high));
    }
}

TEST(PrimeList, ReportsProgressAndStopsWhenAsked)
{
    const Candidates candidates = CandidatesBetween(1, 1000000);
    const std::string full = SieveText(1, 1000000);

    std::vector<std::int64_t> done;
    const PrimeList whole = ListPrimes(candidates, [&](std::int64_t d, std::int64_t total) {
        EXPECT_EQ(total, 1000000);
        done.push_back(d);
        return true;
    });
    EXPECT_EQ(whole.text, full);
    ASSERT_GE(done.size(), 3u);
    EXPECT_EQ(done.front(), 0);
    EXPECT_EQ(done.back(), 1000000);
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));

    for (const int calls : {1, 2, 4}) {
        SCOPED_TRACE(calls);
        int left = calls;
        const PrimeList cut = ListPrimes(candidates, [&](std::int64_t, std::int64_t) { return --left > 0; });
        EXPECT_TRUE(cut.cancelled);
        EXPECT_FALSE(cut.overflow);
        EXPECT_LT(cut.text.size(), full.size());
        EXPECT_EQ(full.compare(0, cut.text.size(), cut.text), 0);
        // The text ends with a whole item: it is the full list of a shorter range.
        const std::size_t start = cut.text.rfind(kSep);
        const std::int64_t largest = start == std::string::npos ? 0 : std::stoll(cut.text.substr(start + kSep.size()));
        EXPECT_EQ(cut.text, SieveText(1, largest));
        EXPECT_EQ(cut.text.empty(), calls == 1);
    }

    const PrimeList stoppedBeforeOverflow =
        ListPrimes(CandidatesBetween(2147483000, 3e9), [](std::int64_t d, std::int64_t) { return d == 0; });
    EXPECT_TRUE(stoppedBeforeOverflow.cancelled);
    EXPECT_FALSE(stoppedBeforeOverflow.overflow);
}

TEST(Candidates, RunBetweenTheRoundedLimits)
{
    const struct {
        double low, high;
        std::int64_t first, last, count;
        bool past;
    } cases[] = {
        {1, 100, 1, 100, 100, false},
        {1.2, 9.8, 2, 9, 8, false},
        {-5, 3, 1, 3, 3, false},
        {10, 9.5, 10, 9, 0, false},
        {2147483647, 2147483648, 2147483647, 2147483647, 1, true},
        {2147483648, 1e300, 2147483648, 2147483647, 0, true},
        {1e300, 1e299, 2147483648, 2147483647, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.low) + " to " + std::to_string(c.high));
        const Candidates got = CandidatesBetween(c.low, c.high);
        EXPECT_EQ(got.first, c.first);
        EXPECT_EQ(got.last, c.last);
        EXPECT_EQ(got.count(), c.count);
        EXPECT_EQ(got.pastInt32, c.past);
    }
}

} // namespace
} // namespace zentaro::numbers::primes
