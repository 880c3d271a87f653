#include "largenum/period.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace zentaro::largenum {
namespace {

// Products of two residues below 2^63 need 126 bits.
__extension__ using Wide = unsigned __int128;

std::uint64_t MulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m)
{
    return static_cast<std::uint64_t>(static_cast<Wide>(a) * b % m);
}

std::uint64_t PowMod(std::uint64_t base, std::uint64_t exponent, std::uint64_t m)
{
    std::uint64_t result = 1 % m;
    base %= m;
    for (; exponent > 0; exponent >>= 1) {
        if (exponent & 1)
            result = MulMod(result, base, m);
        base = MulMod(base, base, m);
    }
    return result;
}

// Miller-Rabin with the first twelve primes as witnesses decides every n below 2^64.
bool IsPrime(std::uint64_t n)
{
    constexpr std::uint64_t kWitnesses[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    if (n < 2)
        return false;
    for (const std::uint64_t p : kWitnesses) {
        if (n % p == 0)
            return n == p;
    }
    std::uint64_t d = n - 1;
    unsigned s = 0;
    for (; d % 2 == 0; d /= 2)
        ++s;
    for (const std::uint64_t a : kWitnesses) {
        std::uint64_t x = PowMod(a, d, n);
        if (x == 1 || x == n - 1)
            continue;
        bool composite = true;
        for (unsigned r = 1; r < s && composite; ++r) {
            x = MulMod(x, x, n);
            composite = x != n - 1;
        }
        if (composite)
            return false;
    }
    return true;
}

// A proper divisor of an odd composite n (Pollard's rho with Brent's cycle
// search); a poor start is retried with the next constant.
std::uint64_t Divisor(std::uint64_t n)
{
    for (std::uint64_t c = 1;; ++c) {
        const auto step = [&](std::uint64_t v) { return (MulMod(v, v, n) + c) % n; };
        std::uint64_t x = 2, y = 2, d = 1;
        for (std::uint64_t power = 1; d == 1; power *= 2) {
            x = y;
            for (std::uint64_t i = 0; i < power && d == 1; ++i) {
                y = step(y);
                d = std::gcd(x > y ? x - y : y - x, n);
            }
        }
        if (d != n)
            return d;
    }
}

void CollectPrimes(std::uint64_t n, std::vector<std::uint64_t>& primes)
{
    for (const std::uint64_t p : {2u, 3u, 5u, 7u}) {
        if (n % p == 0) {
            primes.push_back(p);
            while (n % p == 0)
                n /= p;
        }
    }
    if (n == 1)
        return;
    if (IsPrime(n)) {
        primes.push_back(n);
        return;
    }
    const std::uint64_t d = Divisor(n);
    CollectPrimes(d, primes);
    CollectPrimes(n / d, primes);
}

// The distinct primes of n.
std::vector<std::uint64_t> PrimesOf(std::uint64_t n)
{
    std::vector<std::uint64_t> primes;
    CollectPrimes(n, primes);
    std::sort(primes.begin(), primes.end());
    primes.erase(std::unique(primes.begin(), primes.end()), primes.end());
    return primes;
}

} // namespace

DecimalPeriod decimalperiod(std::uint64_t x)
{
    DecimalPeriod period;
    for (; x % 2 == 0; x /= 2)
        ++period.twos;
    for (; x % 5 == 0; x /= 5)
        ++period.fives;
    period.rest = x;
    period.start = std::max(period.twos, period.fives);
    if (x == 1)
        return period;
    // The order of 10 divides Carmichael's λ(rest), the lcm of p^(e-1)·(p-1)
    // over the prime powers of rest; dividing out each prime of λ while 10 to
    // the quotient stays 1 leaves the order itself.
    std::uint64_t lambda = 1;
    std::vector<std::uint64_t> candidates;
    for (const std::uint64_t p : PrimesOf(x)) {
        std::uint64_t power = p - 1;
        for (std::uint64_t rest = x / p; rest % p == 0; rest /= p)
            power *= p;
        lambda = std::lcm(lambda, power);
        candidates.push_back(p);
        const std::vector<std::uint64_t> below = PrimesOf(p - 1);
        candidates.insert(candidates.end(), below.begin(), below.end());
    }
    std::uint64_t order = lambda;
    for (const std::uint64_t q : candidates) {
        while (order % q == 0 && PowMod(10, order / q, x) == 1)
            order /= q;
    }
    period.length = order;
    return period;
}

} // namespace zentaro::largenum
