#include "numbers/base_conversion.h"
#include "numbers/gcd_lcm.h"
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
    const auto primeList = [](const Args& a, const ShowMessage& message) {
        const primes::PrimeList list = primes::primelist(a[0], a[1], message);
        EXPECT_FALSE(list.cancelled);
        return list.text() + (list.overflow ? " (overflow)" : "");
    };
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
                   {"primelist", cases::WithMessages(primeList)},
               });
}

// Long texts: leading zeros weigh nothing however many there are, and a
// character that is no digit is refused before any weighing could overflow.
// Only a value beyond 32 bits is an Overflow ("#6").
TEST(BaseConversion, LongTextsAreRefusedOrConvertedNotOverflowed)
{
    const std::string zeros(400, '0'), zees(300, 'Z'), error(kConversionError);
    const std::pair<std::string, std::string> cases[] = {
        {zeros + "1", "1"},  {zeros + "FF", "1000101011"}, {zeros, ""}, {zees + "^", error}, {"^" + zees, error},
        {zees + "z", error}, {zeros + "1" + zeros, "#6"},  {zees, "#6"}};
    for (const auto& [num, answer] : cases)
        EXPECT_EQ(cases::Outcome([&] { return *convertbases(num, "36", "2", {}); }), answer) << num.substr(0, 12);
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

} // namespace
} // namespace zentaro::numbers
