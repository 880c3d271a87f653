#include "numbers/primes.h"

#include "conventions/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace zentaro::numbers::primes {
namespace {

std::string Item(std::int64_t p)
{
    return "\u00A4  " + FormatSpaced(static_cast<std::int32_t>(p)) + "   ";
}

// A plain sieve over [low, high], crossing out with every number up to √high.
std::string SieveText(std::int64_t low, std::int64_t high)
{
    std::vector<bool> composite(static_cast<std::size_t>(std::max<std::int64_t>(high - low + 1, 0)));
    for (std::int64_t d = 2; d * d <= high; ++d) {
        for (std::int64_t m = std::max(d * d, (low + d - 1) / d * d); m <= high; m += d)
            composite[static_cast<std::size_t>(m - low)] = true;
    }
    std::string text;
    for (std::int64_t n = std::max<std::int64_t>(low, 2); n <= high; ++n) {
        if (!composite[static_cast<std::size_t>(n - low)])
            text += Item(n);
    }
    return text;
}

// The list for typed limits; each message is recorded with its style and title.
PrimeList List(const char* low, const char* high, std::vector<std::string>* messages = nullptr)
{
    std::vector<std::string> seen;
    PrimeList list = primelist(low, high, [&seen](std::string_view text, int style, std::string_view title) {
        seen.push_back(std::string(text) + "|" + std::to_string(style) + "|" + std::string(title));
        return MessageAnswer::Ok;
    });
    if (messages != nullptr)
        *messages = seen;
    else
        EXPECT_TRUE(seen.empty());
    return list;
}

TEST(Prime, IsTrialDivisionWithItsOwnResultTypes)
{
    EXPECT_EQ(prime(3).kind(), Tagged::Kind::Int16);
    EXPECT_EQ(prime(5).kind(), Tagged::Kind::Double);
    std::string text;
    for (int n = 0; n <= 30000; ++n) {
        if (prime(n).ToDouble() == 1)
            text += Item(n);
    }
    EXPECT_EQ(text, SieveText(0, 30000));
    EXPECT_THROW(prime(3e9), RuntimeError);
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
        // A lower limit of 2 keeps 2; fractional limits take the whole numbers between.
        {"2", "10", Item(2) + Item(3) + Item(5) + Item(7), false},
        {"1.2", "7.9", Item(2) + Item(3) + Item(5) + Item(7), false},
        {"5.2", "6.9", "", false},
        // The primes before the first candidate that cannot be rounded stay.
        {"2147483640", "2147483647.9", Item(2147483647), false},
        {"2147483640", "2147483648", Item(2147483647), true},
        {"3e9", "1e300", "", true},
        {"3e9", "2e9", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.low) + " to " + c.high);
        const PrimeList list = List(c.low, c.high);
        EXPECT_EQ(list.text, c.text);
        EXPECT_EQ(list.overflow, c.overflow);
        EXPECT_FALSE(list.cancelled);
    }
    const std::string initial = List("1", "100").text;
    EXPECT_EQ(initial.substr(0, 27) + initial.substr(initial.size() - 10), "¤   2   ¤   3   ¤   5   ¤   97   ");
}

TEST(PrimeList, RefusesALowerLimitBelow1)
{
    for (const char* low : {"0.5", "", "-3"}) {
        std::vector<std::string> messages;
        EXPECT_EQ(List(low, "100", &messages).text, "") << low;
        EXPECT_EQ(messages, std::vector<std::string>{"Please enter a positive lower limit!|0|"});
    }
    EXPECT_THROW(List("1", "1e400"), RuntimeError);
}

TEST(PrimeList, AgreesWithAPlainSieve)
{
    // Inside one segment, across segment borders, and at the 32-bit edge.
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges{
        {1, 3}, {4, 4}, {1, 200000}, {131071, 1999993}, {2147183647, 2147483647}};
    for (std::uint32_t x = 99, i = 0; i < 30; ++i) {
        x = x * 1664525u + 1013904223u;
        const std::int64_t low = x % 3000000 + 1;
        ranges.emplace_back(low, low + (x >> 8) % 300000);
    }
    for (const auto& [low, high] : ranges) {
        SCOPED_TRACE(std::to_string(low) + " to " + std::to_string(high));
        EXPECT_EQ(ListPrimes(CandidatesBetween(static_cast<double>(low), static_cast<double>(high))).text,
                  SieveText(low, high));
    }
}

TEST(PrimeList, ReportsProgressAndKeepsWhatItFoundWhenStopped)
{
    const Candidates candidates = CandidatesBetween(1, 1000000);
    std::vector<std::int64_t> done;
    const PrimeList whole = ListPrimes(candidates, [&](std::int64_t d, std::int64_t total) {
        done.push_back(total == 1000000 ? d : -1);
        return true;
    });
    EXPECT_TRUE(done.size() > 2 && done.front() == 0 && done.back() == 1000000);
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));

    for (const int reports : {1, 2, 4}) {
        int left = reports;
        const PrimeList cut = ListPrimes(candidates, [&](std::int64_t, std::int64_t) { return --left > 0; });
        EXPECT_TRUE(cut.cancelled);
        EXPECT_LT(cut.text.size(), whole.text.size());
        EXPECT_EQ(cut.text.empty(), reports == 1);
        // What is kept is the whole list of a shorter range.
        const std::size_t last = cut.text.rfind("\u00A4");
        const std::int64_t largest = last == std::string::npos ? 0 : std::stoll(cut.text.substr(last + 2));
        EXPECT_EQ(cut.text, SieveText(1, largest)) << reports;
    }
    const PrimeList stopped =
        ListPrimes(CandidatesBetween(2147483000, 3e9), [](std::int64_t d, std::int64_t) { return d == 0; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.overflow);
}

} // namespace
} // namespace zentaro::numbers::primes
