#include "numbers/gcd_lcm.h"

#include "conventions/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zentaro::numbers::gcdlcm {
namespace {

const std::string kSep = "\u00A4";

void ExpectError(ErrorCode code, const std::function<void()>& action)
{
    try {
        action();
        ADD_FAILURE() << "no run-time error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), code);
    }
}

// Plain trial division by every number from 2: prime -> exponent.
std::map<std::int64_t, int> TrialFactors(std::int64_t n)
{
    std::map<std::int64_t, int> factors;
    for (std::int64_t d = 2; d * d <= n; ++d) {
        for (; n % d == 0; n /= d)
            ++factors[d];
    }
    if (n > 1)
        ++factors[n];
    return factors;
}

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

TEST(GcdLcm, GivesTheSignedDivisorAndTheMultiple)
{
    const struct {
        double a, b, gcd;
        const char* lcm;
    } cases[] = {
        {12, 18, 6, "36"},
        {-4, 6, -2, "12"},
        {0, 5, 5, "0"},
        {-5, 0, 5, "0"},
        {0, -4, 4, "0"},
        {-6, -4, 2, "12"},
        {2.5, 1, 0.5, "5"},
        {0.75, 0.5, 0.25, "1.5"},
        {1e9, 1, 1, "1000000000"},
        // Subtraction would never meet for these; the remainders end.
        {1e20, 3, 1, "3E+20"},
        {0.3, 0.1, std::ldexp(1.0, -55), "1.08086391056892E+15"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + ", " + std::to_string(c.b));
        const double g = gcd(c.a, c.b);
        EXPECT_EQ(g, c.gcd);
        EXPECT_EQ(FormatPlain(lcm(c.a, c.b, g)), c.lcm);
    }
    EXPECT_EQ(gcd(-1e300, 1e-300), -std::ldexp(9.0, -1049));
    ExpectError(ErrorCode::Overflow, [] { lcm(0, 0, gcd(0, 0)); });
    ExpectError(ErrorCode::Overflow, [] { lcm(3e200, 5e200, gcd(3e200, 5e200)); });

    for (int a = -60; a <= 60; a += 7) {
        for (int b = -90; b <= 90; b += 5) {
            for (const double scale : {1.0, 0.125, 3.0})
                EXPECT_EQ(gcd(a * scale, b * scale), SubtractionGcd(a * scale, b * scale)) << a << ", " << b;
        }
    }
}

TEST(Factoring, WritesTheWorkedCases)
{
    const struct {
        double a;
        const char* factors; // nullptr: left to the cross-checks
        const char* primes;
    } cases[] = {
        {12, "   1  ¤   2  ¤   3  ¤   4  ¤   6  ¤   12  ¤", "   2( 2)  ¤   3( 1)  ¤"},
        {360, nullptr, "   2( 3)  ¤   3( 2)  ¤   5( 1)  ¤"},
        {1, "   1  ¤", ""},
        {-7, "", ""},
        // Powers past the 32-bit range are never formed.
        {1073741824, nullptr, "   2( 30)  ¤"},
        {1162261467, nullptr, "   3( 19)  ¤"},
        {2147483647, "   1  ¤   2147483647  ¤", "   2147483647( 1)  ¤"},
        // 13.5 rounds to 14, but the candidates stop at 13 and, after 2, at 6.75;
        // 6.6 rounds to 7, the odd candidates stop at 6.6; 0.4 rounds to the even 0.
        {13.5, "   1  ¤   2  ¤   7  ¤", "   2( 1)  ¤"},
        {6.6, "   1  ¤", ""},
        {0.4, "", "   2( 0)  ¤"},
    };
    EXPECT_TRUE(dmax(0.4, 2).empty());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a);
        if (c.factors != nullptr) {
            EXPECT_EQ(factorlist(c.a), kSep + c.factors);
        }
        EXPECT_EQ(primefactors(c.a), kSep + c.primes);
    }
    for (const double a : {2147483647.5, 1e10}) {
        ExpectError(ErrorCode::Overflow, [a] { factorlist(a); });
        ExpectError(ErrorCode::Overflow, [a] { primefactors(a); });
    }
    for (const double a : {0.0, -8.0})
        ExpectError(ErrorCode::InvalidCall, [a] { primefactors(a); });
}

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
        std::string primes = kSep;
        std::vector<std::int64_t> divisors{1};
        for (const auto& [p, e] : TrialFactors(n)) {
            primes += "   " + std::to_string(p) + "( " + std::to_string(e) + ")  " + kSep;
            const std::size_t count = divisors.size();
            for (std::int64_t power = p, i = 0; i < e; ++i, power *= p) {
                for (std::size_t k = 0; k < count; ++k)
                    divisors.push_back(divisors[k] * power);
            }
        }
        std::sort(divisors.begin(), divisors.end());
        std::string factors = kSep;
        for (const std::int64_t d : divisors)
            factors += "   " + std::to_string(d) + "  " + kSep;
        EXPECT_EQ(factorlist(static_cast<double>(n)), factors);
        EXPECT_EQ(primefactors(static_cast<double>(n)), primes);
        if (n % 2 == 1 && n > 1) {
            EXPECT_EQ(prime(static_cast<double>(n)), divisors.size() == 2 ? 1 : 0);
        }
    }
}

} // namespace
} // namespace zentaro::numbers::gcdlcm
