#include "numbers/base_conversion.h"
#include "numbers/gcd_lcm.h"
#include "numbers/prime_sieve.h"
#include "numbers/primes.h"
#include "numbers/random_list.h"
#include "numbers/roman.h"

#include "conventions/case_file.h"
#include "conventions/numbers.h"
#include "support/numeral_check.h"

#include <algorithm>
#include <random>
#include <sstream>

namespace zentaro::numbers {
namespace {

using cases::Args;
using cases::Text;
namespace numeral_check = testing::numeral_check;

TEST(Numbers, CaseTable)
{
    cases::Run("numbers/numbers.txt",
               {
                   {"convert", cases::WithMessages([](const Args& a, const ShowMessage& message) {
                        return convertbases(a[0], a[1], a[2], message).value_or("(nothing)");
                    })},
                   {"roman", [](const Args& a) { return romanfor(a[0]).value_or("(nothing)"); }},
                   {"randomcount", cases::WithMessages([](const Args& a, const ShowMessage& message) {
                        return Text(randomcount(a[0], message));
                    })},
                   {"randomlist", [](const Args& a) { return randomlist(static_cast<std::int16_t>(std::stoi(a[0]))); }},
                   {"gcd", [](const Args& a) { return Text(gcdlcm::gcd(a.number(0), a.number(1))); }},
                   {"lcm",
                    [](const Args& a) {
                        return FormatPlain(
                            gcdlcm::lcm(a.number(0), a.number(1), gcdlcm::gcd(a.number(0), a.number(1))));
                    }},
                   {"factorlist", [](const Args& a) { return gcdlcm::factorlist(a.number(0)); }},
                   {"primefactors", [](const Args& a) { return gcdlcm::primefactors(a.number(0)); }},
                   {"dmax",
                    [](const Args& a) {
                        const Tagged exponent = gcdlcm::dmax(a.number(0), a.number(1));
                        return exponent.empty() ? "empty" : exponent.ToText();
                    }},
                   {"primelist", cases::WithMessages([](const Args& a, const ShowMessage& message) {
                        const primes::PrimeList list = primes::primelist(a[0], a[1], message);
                        EXPECT_FALSE(list.cancelled);
                        return list.text() + (list.overflow ? " (overflow)" : "");
                    })},
               });
}

// Long texts: leading zeros weigh nothing however many there are, and a
// character that is no digit is refused before any weighing could overflow.
// Only a value beyond 32 bits is an Overflow ("#6").
TEST(BaseConversion, LongTextsAreRefusedOrConvertedNotOverflowed)
{
    const std::string zeros(400, '0'), zees(300, 'Z'), error(kConversionError);
    const std::pair<std::string, std::string> texts[] = {
        {zeros + "1", "1"},  {zeros + "FF", "1000101011"}, {zeros, ""}, {zees + "^", error}, {"^" + zees, error},
        {zees + "z", error}, {zeros + "1" + zeros, "#6"},  {zees, "#6"}};
    for (const auto& c : texts)
        EXPECT_EQ(cases::Outcome([&c] { return *convertbases(c.first, "36", "2", {}); }), c.second)
            << c.first.substr(0, 12);
}

TEST(BaseConversion, RandomValuesRoundTripInEveryBase)
{
    std::mt19937 random(20240607);
    for (std::int16_t base = 2; base <= 36; ++base) {
        std::vector<std::uint32_t> samples = {1, static_cast<std::uint32_t>(base - 1), 2147483647u};
        for (int i = 0; i < 200; ++i)
            samples.push_back(random() % 2147483648u);
        for (const std::uint32_t x : samples) {
            EXPECT_EQ(convfromden(x, base), numeral_check::Written(x, base)) << x << " base " << base;
            EXPECT_EQ(convtoden(numeral_check::Written(x, base), base), x) << x << " base " << base;
        }
    }
}

TEST(Roman, EveryNumberAgreesWithGreedyWriting)
{
    for (int n = 0; n <= 3999; ++n)
        EXPECT_EQ(romannumeral(static_cast<std::int16_t>(n)), numeral_check::Greedy(n)) << n;
}

TEST(RandomList, TheLongestIsAPermutationOf0To4095)
{
    std::istringstream list(randomlist(kMostRandomNumbers));
    std::vector<int> seen(4096, 0);
    for (std::string item; std::getline(list, item, ',');)
        ++seen.at(static_cast<std::size_t>(std::stoi(item)));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 4096);
}

// The working of the GCD/LCM and base windows, line by line, against steps worked by hand.

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

const std::string kSep = "\u00A4";

TEST(GcdLcm, AgreesWithRepeatedSubtraction)
{
    for (int a = -60; a <= 60; a += 7) {
        for (int b = -90; b <= 90; b += 5) {
            for (const double scale : {1.0, 0.125, 3.0})
                EXPECT_EQ(gcdlcm::gcd(a * scale, b * scale), numeral_check::SubtractionGcd(a * scale, b * scale))
                    << a << ", " << b;
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

// The prime list against a plain sieve written out in full: the whole text, any
// stretch of it in UTF-16 and UTF-8, progress and cancelling.

// A plain sieve over [low, high], crossing out with every number up to √high.
std::vector<std::int64_t> SievePrimes(std::int64_t low, std::int64_t high)
{
    std::vector<bool> composite(static_cast<std::size_t>(std::max<std::int64_t>(high - low + 1, 0)));
    for (std::int64_t d = 2; d * d <= high; ++d) {
        for (std::int64_t m = std::max(d * d, (low + d - 1) / d * d); m <= high; m += d)
            composite[static_cast<std::size_t>(m - low)] = true;
    }
    std::vector<std::int64_t> found;
    for (std::int64_t n = std::max<std::int64_t>(low, 2); n <= high; ++n) {
        if (!composite[static_cast<std::size_t>(n - low)])
            found.push_back(n);
    }
    return found;
}

// The primes as the list writes them.
std::string SieveText(std::int64_t low, std::int64_t high)
{
    std::string text;
    for (const std::int64_t p : SievePrimes(low, high))
        text += kSep + "  " + FormatSpaced(static_cast<std::int32_t>(p)) + "   ";
    return text;
}

// The list's UTF-8 in UTF-16: the currency sign is its only character beyond ASCII.
std::u16string Utf16(const std::string& utf8)
{
    std::u16string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (static_cast<unsigned char>(utf8[i]) == 0xC2)
            text += static_cast<char16_t>(static_cast<unsigned char>(utf8[++i]));
        else
            text += static_cast<char16_t>(utf8[i]);
    }
    return text;
}

primes::PrimeList List(std::int64_t low, std::int64_t high)
{
    return primes::ListPrimes(primes::CandidatesBetween(static_cast<double>(low), static_cast<double>(high)));
}

constexpr std::int64_t kWindow = primes::kSieveWindow;

TEST(PrimeList, TheTextAgreesWithAPlainSieve)
{
    // Pairs of limits: inside one window of the sieve (524288 wide), across
    // windows, across powers of ten, at the 32-bit edge.
    const std::int64_t limits[] = {
        1,        1,         1,          2,          2,          2,          1,          3,          4,
        4,        90,        96,         1,          10,         8,          120,        1,          200000,
        131071,   1999993,   524248,     524328,     1572863,    1572864,    999000,     1001000,    9999000,
        10001000, 999999000, 1000001000, 2147183647, 2147483647, 2147483647, 2147483647, 2147483629, 2147483646};
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
    for (std::size_t i = 0; i + 1 < std::size(limits); i += 2)
        ranges.emplace_back(limits[i], limits[i + 1]);
    for (std::uint32_t x = 99, i = 0; i < 30; ++i) {
        x = x * 1664525u + 1013904223u;
        const std::int64_t low = x % 3000000 + 1;
        ranges.emplace_back(low, low + (x >> 8) % 300000);
    }
    for (const auto& [low, high] : ranges) {
        SCOPED_TRACE(std::to_string(low) + " to " + std::to_string(high));
        const primes::PrimeList list = List(low, high);
        const std::string expected = SieveText(low, high);
        EXPECT_EQ(list.text(), expected);
        EXPECT_EQ(list.size(), static_cast<std::int64_t>(Utf16(expected).size()));
        EXPECT_EQ(list.count(), static_cast<std::int64_t>(SievePrimes(low, high).size()));
    }
}

TEST(PrimeList, AnyStretchOfTheTextIsMadeAgainAsInTheWhole)
{
    for (const auto& [low, high] : {std::pair<std::int64_t, std::int64_t>{1, 3 * kWindow + 1000},
                                    {999990000, 1000010000},
                                    {2147483647 - kWindow - 5000, 2147483647}}) {
        SCOPED_TRACE(low);
        const primes::PrimeList list = List(low, high);
        const std::u16string whole = Utf16(SieveText(low, high));
        ASSERT_EQ(list.size(), static_cast<std::int64_t>(whole.size()));
        // Where the entries of a new window or a new width start, and the two ends.
        std::vector<std::int64_t> borders{0, list.size()};
        std::int64_t at = 0;
        std::int64_t previous = low - 1;
        for (const std::int64_t p : SievePrimes(low, high)) {
            if (p / kWindow != previous / kWindow || std::to_string(p).size() != std::to_string(previous).size())
                borders.push_back(at);
            at += primes::PrimeList::EntryLength(static_cast<int>(std::to_string(p).size()));
            previous = p;
        }
        EXPECT_GE(borders.size(), 3u);
        std::vector<std::pair<std::int64_t, std::int64_t>> stretches;
        for (const std::int64_t b : borders) {
            for (const std::int64_t before : {0, 1, 3, 17, 400})
                for (const std::int64_t length : {0, 1, 2, 5, 18, 40, 3000})
                    stretches.emplace_back(std::clamp<std::int64_t>(b - before, 0, list.size()), length);
        }
        for (std::uint32_t x = 5, i = 0; i < 200; ++i) {
            x = x * 1664525u + 1013904223u;
            stretches.emplace_back(x % list.size(), (x >> 7) % 5000);
        }
        for (const auto& [from, length] : stretches) {
            const std::int64_t n = std::min(length, list.size() - from);
            std::u16string got(static_cast<std::size_t>(n), u'?');
            list.read(from, n, got.data());
            const std::u16string expected = whole.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(n));
            ASSERT_TRUE(got == expected) << from << " + " << n;
            std::string utf8;
            EXPECT_TRUE(list.write(from, from + n, [&utf8](std::string_view piece) {
                utf8 += piece;
                return true;
            }));
            ASSERT_TRUE(Utf16(utf8) == expected) << from << " + " << n;
        }
    }
}

TEST(PrimeList, ReportsProgressAndKeepsWhatItFoundWhenStopped)
{
    const primes::Candidates candidates = primes::CandidatesBetween(1, 3000000);
    std::vector<std::int64_t> done;
    const primes::PrimeList whole = primes::ListPrimes(candidates, [&](std::int64_t d, std::int64_t total) {
        done.push_back(total == 3000000 ? d : -1);
        return true;
    });
    EXPECT_TRUE(done.size() > 2 && done.front() == 0 && done.back() == 3000000);
    EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));

    for (const int reports : {1, 2, 4}) {
        int left = reports;
        const primes::PrimeList cut =
            primes::ListPrimes(candidates, [&](std::int64_t, std::int64_t) { return --left > 0; });
        EXPECT_TRUE(cut.cancelled);
        EXPECT_LT(cut.size(), whole.size());
        EXPECT_EQ(cut.size() == 0, reports == 1);
        // What is kept is the whole list of a shorter range.
        const std::string text = cut.text();
        const std::size_t last = text.rfind(kSep);
        const std::int64_t largest = last == std::string::npos ? 0 : std::stoll(text.substr(last + 2));
        EXPECT_EQ(text, SieveText(1, largest)) << reports;
    }
    const primes::PrimeList stopped = primes::ListPrimes(primes::CandidatesBetween(2147483000, 3e9),
                                                         [](std::int64_t d, std::int64_t) { return d == 0; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.overflow);
    EXPECT_TRUE(primes::ListPrimes(primes::CandidatesBetween(2147483000, 1e308)).overflow);
}

} // namespace
} // namespace zentaro::numbers
