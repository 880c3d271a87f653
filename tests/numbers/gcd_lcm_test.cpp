#include "numbers/gcd_lcm.h"

#include "conventions/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zentaro::numbers::gcdlcm {
namespace {

const std::string kSep = "\u00A4";

// The subtraction method itself, for inputs where it ends quickly.
double SubtractionGcd(double x, double y)
{
    double s = 1;
    if (x == 0)
        x = y;
    else if (y == 0)
        y = x;
    if (x < 0) {
        x = -x;
        s = -1;
    }
    if (y < 0) {
        y = -y;
        s = -s;
    }
    while (x != y) {
        if (x > y)
            x -= y;
        else
            y -= x;
    }
    return s * x;
}

// Plain trial division by every number from 2.
std::vector<std::pair<std::int64_t, int>> TrialFactors(std::int64_t n)
{
    std::vector<std::pair<std::int64_t, int>> factors;
    for (std::int64_t d = 2; d * d <= n; ++d) {
        int e = 0;
        for (; n % d == 0; n /= d)
            ++e;
        if (e > 0)
            factors.emplace_back(d, e);
    }
    if (n > 1)
        factors.emplace_back(n, 1);
    return factors;
}

std::string FactorisationText(std::int64_t n)
{
    std::string text = kSep;
    for (const auto& [p, e] : TrialFactors(n))
        text += "   " + std::to_string(p) + "( " + std::to_string(e) + ")  " + kSep;
    return text;
}

// Every divisor of n in rising order, built from its trial-division factors.
std::string DivisorText(std::int64_t n)
{
    std::vector<std::int64_t> divisors{1};
    for (const auto& [p, e] : TrialFactors(n)) {
        const std::size_t count = divisors.size();
        std::int64_t power = 1;
        for (int i = 0; i < e; ++i) {
            power *= p;
            for (std::size_t k = 0; k < count; ++k)
                divisors.push_back(divisors[k] * power);
        }
    }
    std::sort(divisors.begin(), divisors.end());
    std::string text = kSep;
    for (const std::int64_t d : divisors)
        text += "   " + std::to_string(d) + "  " + kSep;
    return text;
}

// The factor list as the window first did it: every i from 1 to a.
std::string EveryCandidateFactors(double a)
{
    std::string text = kSep;
    for (double i = 1; i <= a; ++i) {
        if (RoundToInt32(a) % RoundToInt32(i) == 0)
            text += "  " + FormatSpaced(i) + "  " + kSep;
    }
    return text;
}

// The prime factorisation with powers and a loop that runs on to the end, for
// inputs small enough that no power leaves the 32-bit range.
std::string LiteralPrimeFactors(double a)
{
    const auto exponent = [](double x, double b) {
        const double bound = std::log(x) / std::log(b) + 1;
        for (int i = 0; i <= bound; ++i) {
            if (Mod(x, std::pow(b, i)) == 0 && Mod(x, std::pow(b, i + 1)) != 0)
                return static_cast<double>(i);
        }
        return 0.0;
    };
    std::string text = kSep;
    if (RoundToInt32(a) % 2 == 0) {
        const double k = exponent(a, 2);
        text += "  " + FormatSpaced(2.0) + "(" + FormatSpaced(k) + ")  " + kSep;
        a /= std::pow(2, k);
    }
    const double last = a;
    for (double i = 3; i <= last; i += 2) {
        bool isPrime = true;
        for (int d = 3; d * d <= i; d += 2)
            isPrime = isPrime && static_cast<int>(i) % d != 0;
        if (isPrime && RoundToInt32(a) % RoundToInt32(i) == 0) {
            const double k = exponent(a, i);
            text += "  " + FormatSpaced(i) + "(" + FormatSpaced(k) + ")  " + kSep;
            a /= std::pow(i, k);
        }
    }
    return text;
}

void ExpectError(ErrorCode code, const std::function<void()>& action)
{
    try {
        action();
        ADD_FAILURE() << "no run-time error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), code);
    }
}

TEST(GcdLcm, GivesTheSignedDivisorAndTheMultiple)
{
    const struct {
        double a, b, gcd;
        const char* lcm;
    } cases[] = {
        {12, 18, 6, "36"},  {-4, 6, -2, "12"},         {0, 5, 5, "0"},        {5, 0, 5, "0"},
        {0, -4, 4, "0"},    {-5, 0, 5, "0"},           {6, -4, -2, "12"},     {-6, -4, 2, "12"},
        {2.5, 1, 0.5, "5"}, {1e9, 1, 1, "1000000000"}, {1e20, 3, 1, "3E+20"}, {7, 7, 7, "7"},
        {-7, -7, 7, "7"},   {0.75, 0.5, 0.25, "1.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + ", " + std::to_string(c.b));
        const double g = gcd(c.a, c.b);
        EXPECT_EQ(g, c.gcd);
        EXPECT_EQ(FormatPlain(lcm(c.a, c.b, g)), c.lcm);
    }
}

TEST(GcdLcm, EndsWhereSubtractionWouldNot)
{
    // 0.3 and 0.1 as doubles share the factor 2^-55 and nothing larger.
    EXPECT_EQ(gcd(0.3, 0.1), std::ldexp(1.0, -55));
    // The remainders also end for magnitudes 600 decades apart.
    EXPECT_EQ(gcd(-1e300, 1e-300), -std::ldexp(9.0, -1049));
}

TEST(GcdLcm, AgreesWithSubtractionWhereItEnds)
{
    for (int a = -60; a <= 60; a += 7) {
        for (int b = -90; b <= 90; b += 5) {
            for (const double scale : {1.0, 0.125, 3.0}) {
                SCOPED_TRACE(std::to_string(a) + ", " + std::to_string(b) + " x" + std::to_string(scale));
                EXPECT_EQ(gcd(a * scale, b * scale), SubtractionGcd(a * scale, b * scale));
            }
        }
    }
}

TEST(GcdLcm, ZeroAndZeroOrAHugeProductOverflow)
{
    EXPECT_EQ(gcd(0, 0), 0);
    ExpectError(ErrorCode::Overflow, [] { lcm(0, 0, gcd(0, 0)); });
    ExpectError(ErrorCode::Overflow, [] { lcm(3e200, 5e200, gcd(3e200, 5e200)); });
}

TEST(Dmax, FindsTheExponentOrRefuses)
{
    const struct {
        double a, b, exponent;
    } cases[] = {
        {360, 2, 3},  {360, 3, 2},         {7, 2, 0}, {1073741824, 2, 30},         {1162261467, 3, 19},
        {12.5, 2, 2}, {7.5, 2, 3},         {1, 3, 0}, {2147483647, 2147483647, 1}, {1977326743, 7, 11},
        {2, 2, 1},    {1220703125, 5, 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " by " + std::to_string(c.b));
        const Tagged k = dmax(c.a, c.b);
        EXPECT_FALSE(k.empty());
        EXPECT_EQ(k.ToDouble(), c.exponent);
    }
    EXPECT_TRUE(dmax(0.4, 2).empty());
    EXPECT_TRUE(dmax(0.5, 2).empty());
    for (const double a : {0.0, -8.0, -0.4})
        ExpectError(ErrorCode::InvalidCall, [a] { dmax(a, 2); });
    ExpectError(ErrorCode::Overflow, [] { dmax(3e9, 2); });
}

TEST(Prime, MatchesTrialDivisionForOddNumbers)
{
    std::vector<std::int64_t> odd;
    for (std::int64_t n = 3; n < 20000; n += 2)
        odd.push_back(n);
    for (const std::int64_t n : {2147483647LL, 2147483629LL, 2147483645LL, 2147117569LL, 1977326743LL})
        odd.push_back(n);
    for (const std::int64_t n : odd) {
        SCOPED_TRACE(n);
        const auto factors = TrialFactors(n);
        const bool isPrime = factors.size() == 1 && factors[0].second == 1;
        EXPECT_EQ(prime(static_cast<double>(n)), isPrime ? 1 : 0);
    }
}

TEST(FactorList, ListsTheWorkedCases)
{
    const struct {
        double a;
        std::string text;
    } cases[] = {
        {12, kSep + "   1  " + kSep + "   2  " + kSep + "   3  " + kSep + "   4  " + kSep + "   6  " + kSep +
                 "   12  " + kSep},
        {0, kSep},
        {-12, kSep},
        {0.7, kSep},
        {1, kSep + "   1  " + kSep},
        {12.5, DivisorText(12)},
        // 13.5 rounds to 14, but the candidates stop at 13.
        {13.5, kSep + "   1  " + kSep + "   2  " + kSep + "   7  " + kSep},
        {2147483647, kSep + "   1  " + kSep + "   2147483647  " + kSep},
        {2147483647.4, kSep + "   1  " + kSep + "   2147483647  " + kSep},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        EXPECT_EQ(factorlist(c.a), c.text);
    }
    ExpectError(ErrorCode::Overflow, [] { factorlist(2147483647.5); });
    ExpectError(ErrorCode::Overflow, [] { factorlist(1e10); });
}

TEST(FactorList, AgreesWithTryingEveryCandidate)
{
    for (int a = 1; a <= 3000; ++a) {
        SCOPED_TRACE(a);
        EXPECT_EQ(factorlist(a), EveryCandidateFactors(a));
    }
    for (double a = 0.25; a <= 300; a += 0.25) {
        SCOPED_TRACE(a);
        EXPECT_EQ(factorlist(a), EveryCandidateFactors(a));
    }
}

TEST(FactorList, AgreesWithTrialDivisionAtThe32BitEdge)
{
    std::vector<std::int64_t> numbers{2147483647, 2147483646, 2147483645, 2095133040, 2147117569, 1073741824};
    std::uint32_t x = 12345;
    for (int i = 0; i < 60; ++i) {
        x = x * 1103515245u + 12345u;
        numbers.push_back(x % 2147483647u + 1);
    }
    for (const std::int64_t n : numbers) {
        SCOPED_TRACE(n);
        EXPECT_EQ(factorlist(static_cast<double>(n)), DivisorText(n));
    }
}

TEST(PrimeFactors, WritesEachPrimeWithItsPower)
{
    const struct {
        double a;
        std::string text;
    } cases[] = {
        {360, kSep + "   2( 3)  " + kSep + "   3( 2)  " + kSep + "   5( 1)  " + kSep},
        {7, kSep + "   7( 1)  " + kSep},
        {1, kSep},
        {12, kSep + "   2( 2)  " + kSep + "   3( 1)  " + kSep},
        {2, kSep + "   2( 1)  " + kSep},
        {9, kSep + "   3( 2)  " + kSep},
        {1073741824, kSep + "   2( 30)  " + kSep},
        {1162261467, kSep + "   3( 19)  " + kSep},
        {2147483647, kSep + "   2147483647( 1)  " + kSep},
        {-7, kSep},
        {12.5, kSep + "   2( 2)  " + kSep + "   3( 1)  " + kSep},
        // 0.4 rounds to the even 0, in which 2 has no largest power.
        {0.4, kSep + "   2( 0)  " + kSep},
        // 6.6 rounds to 7, but the odd candidates stop at 6.6.
        {6.6, kSep},
        {7.4, kSep + "   7( 1)  " + kSep},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        EXPECT_EQ(primefactors(c.a), c.text);
    }
    for (const double a : {0.0, -8.0, -0.4})
        ExpectError(ErrorCode::InvalidCall, [a] { primefactors(a); });
    ExpectError(ErrorCode::Overflow, [] { primefactors(3e9); });
}

TEST(PrimeFactors, AgreesWithTheLoopThatRunsToTheEnd)
{
    for (int a = 1; a <= 1500; ++a) {
        SCOPED_TRACE(a);
        EXPECT_EQ(primefactors(a), LiteralPrimeFactors(a));
    }
    for (double a = 0.6; a <= 400; a += 0.2) {
        SCOPED_TRACE(a);
        EXPECT_EQ(primefactors(a), LiteralPrimeFactors(a));
    }
}

TEST(PrimeFactors, AgreesWithTrialDivisionOverThe32BitRange)
{
    std::vector<std::int64_t> numbers{2147483647, 2147483646, 2147483645, 2147483629, 2147117569,
                                      1977326743, 1220703125, 2095133040, 2147483644, 4};
    std::uint32_t x = 777;
    for (int i = 0; i < 300; ++i) {
        x = x * 1664525u + 1013904223u;
        numbers.push_back(x % 2147483647u + 1);
    }
    for (const std::int64_t n : numbers) {
        SCOPED_TRACE(n);
        EXPECT_EQ(primefactors(static_cast<double>(n)), FactorisationText(n));
    }
}

} // namespace
} // namespace zentaro::numbers::gcdlcm
