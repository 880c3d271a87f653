// Divisors and factors against plain independent workings: repeated
// subtraction and trial division by every number.
#include "numbers/gcd_lcm.h"

#include "conventions/numbers.h"
#include "support/numeral_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zentaro::numbers {
namespace {

const std::string kSep = "\u00A4";

TEST(GcdLcm, AgreesWithRepeatedSubtraction)
{
    for (int a = -60; a <= 60; a += 7) {
        for (int b = -90; b <= 90; b += 5) {
            for (const double scale : {1.0, 0.125, 3.0})
                EXPECT_EQ(gcdlcm::gcd(a * scale, b * scale),
                          testing::numeral_check::SubtractionGcd(a * scale, b * scale))
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
