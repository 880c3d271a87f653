// Divisors, factors and primes against plain independent workings: repeated
// subtraction, trial division by every number and a sieve.
#include "numbers/gcd_lcm.h"
#include "numbers/primes.h"

#include "conventions/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zentaro::numbers {
namespace {

const std::string kSep = "\u00A4";

// Repeated subtraction, for inputs where it ends quickly.
double SubtractionGcd(double x, double y)
{
    if (x == 0)
        x = y;
    else if (y == 0)
        y = x;
    const double s = (x < 0) != (y < 0) ? -1 : 1;
    x = std::fabs(x);
    y = std::fabs(y);
    while (x != y)
        (x > y ? x : y) -= std::min(x, y);
    return s * x;
}

TEST(GcdLcm, AgreesWithRepeatedSubtraction)
{
    for (int a = -60; a <= 60; a += 7) {
        for (int b = -90; b <= 90; b += 5) {
            for (const double scale : {1.0, 0.125, 3.0})
                EXPECT_EQ(gcdlcm::gcd(a * scale, b * scale), SubtractionGcd(a * scale, b * scale)) << a << ", " << b;
        }
    }
}

// Both lists by plain trial division: the divisors by every number up to the
// root, the prime factors by every number from 2.
TEST(Factoring, AgreesWithTrialDivisionOverThe32BitRange)
{
    std::vector<std::int64_t> numbers{2147483647, 2147483646, 2147483645, 2147117569, 1977326743, 2095133040};
    for (std::int64_t n = 1; n <= 3000; ++n)
        numbers.push_back(n);
    for (std::uint32_t x = 777, i = 0; i < 200; ++i) {
        x = x * 1664525u + 1013904223u;
        numbers.push_back(x % 2147483647u + 1);
    }
    for (const std::int64_t n : numbers) {
        SCOPED_TRACE(n);
        std::string small = kSep, large, primes = kSep;
        int count = 0;
        for (std::int64_t d = 1; d * d <= n; ++d) {
            if (n % d == 0) {
                small += "   " + std::to_string(d) + "  " + kSep;
                large = d * d == n ? large : "   " + std::to_string(n / d) + "  " + kSep + large;
                count += d * d == n ? 1 : 2;
            }
        }
        std::int64_t rest = n;
        for (std::int64_t p = 2; p * p <= rest; ++p) {
            int e = 0;
            for (; rest % p == 0; rest /= p)
                ++e;
            if (e > 0)
                primes += "   " + std::to_string(p) + "( " + std::to_string(e) + ")  " + kSep;
        }
        if (rest > 1)
            primes += "   " + std::to_string(rest) + "( 1)  " + kSep;
        EXPECT_EQ(gcdlcm::factorlist(static_cast<double>(n)), small + large);
        EXPECT_EQ(gcdlcm::primefactors(static_cast<double>(n)), primes);
        if (n % 2 == 1 && n > 1) {
            EXPECT_EQ(gcdlcm::prime(static_cast<double>(n)), count == 2 ? 1 : 0);
        }
    }
}

// A plain sieve over [low, high], crossing out with every number up to √high,
// written as the prime list writes it.
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
            text += kSep + "  " + FormatSpaced(static_cast<std::int32_t>(n)) + "   ";
    }
    return text;
}

TEST(Primes, TrialDivisionWithItsOwnResultTypesAgreesWithASieve)
{
    EXPECT_EQ(primes::prime(3).kind(), Tagged::Kind::Int16);
    EXPECT_EQ(primes::prime(5).kind(), Tagged::Kind::Double);
    std::string text;
    for (int n = 0; n <= 30000; ++n) {
        if (primes::prime(n).ToDouble() == 1)
            text += kSep + "  " + FormatSpaced(static_cast<std::int32_t>(n)) + "   ";
    }
    EXPECT_EQ(text, SieveText(0, 30000));
    EXPECT_THROW(primes::prime(3e9), RuntimeError);
}

TEST(Primes, TheSegmentedListAgreesWithAPlainSieve)
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
        EXPECT_EQ(
            primes::ListPrimes(primes::CandidatesBetween(static_cast<double>(low), static_cast<double>(high))).text,
            SieveText(low, high));
    }
}

TEST(Primes, TheListReportsProgressAndKeepsWhatItFoundWhenStopped)
{
    const primes::Candidates candidates = primes::CandidatesBetween(1, 1000000);
    std::vector<std::int64_t> done;
    const primes::PrimeList whole = primes::ListPrimes(candidates, [&](std::int64_t d, std::int64_t total) {
        done.push_back(total == 1000000 ? d : -1);
        return true;
    });
    EXPECT_TRUE(done.size() > 2 && done.front() == 0 && done.back() == 1000000);
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));

    for (const int reports : {1, 2, 4}) {
        int left = reports;
        const primes::PrimeList cut =
            primes::ListPrimes(candidates, [&](std::int64_t, std::int64_t) { return --left > 0; });
        EXPECT_TRUE(cut.cancelled);
        EXPECT_LT(cut.text.size(), whole.text.size());
        EXPECT_EQ(cut.text.empty(), reports == 1);
        // What is kept is the whole list of a shorter range.
        const std::size_t last = cut.text.rfind(kSep);
        const std::int64_t largest = last == std::string::npos ? 0 : std::stoll(cut.text.substr(last + 2));
        EXPECT_EQ(cut.text, SieveText(1, largest)) << reports;
    }
    const primes::PrimeList stopped = primes::ListPrimes(primes::CandidatesBetween(2147483000, 3e9),
                                                         [](std::int64_t d, std::int64_t) { return d == 0; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.overflow);
}

} // namespace
} // namespace zentaro::numbers
