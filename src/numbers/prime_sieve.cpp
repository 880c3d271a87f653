#include "numbers/prime_sieve.h"

#include <algorithm>
#include <bit>

namespace zentaro::numbers::primes {
namespace {

// The odd numbers prime to 3, 5, 7, 11 and 13 repeat every 3·5·7·11·13 odd
// numbers: a window starts from a copy of that pattern, and only the primes from
// 17 on cross out.
constexpr std::uint32_t kPatternPrimes[] = {3, 5, 7, 11, 13};
constexpr std::uint32_t kPatternPeriod = 3 * 5 * 7 * 11 * 13;

struct Tables {
    // The odd primes from 17 below 2^16, enough for any 32-bit number.
    std::vector<std::uint32_t> sievers;
    // Bit g (odd number 2g + 1) set when 2g + 1 is prime to the pattern primes,
    // for one period and one word more, so that any 64 bits of the endless
    // pattern are two neighbouring words here.
    std::vector<std::uint64_t> pattern;
};

Tables MakeTables()
{
    Tables t;
    constexpr std::uint32_t kRoot = 1 << 16;
    std::vector<bool> composite(kRoot, false);
    for (std::uint32_t p = 3; p < kRoot; p += 2) {
        if (composite[p])
            continue;
        if (p >= 17)
            t.sievers.push_back(p);
        for (std::uint32_t m = p * p; m < kRoot; m += 2 * p)
            composite[m] = true;
    }
    constexpr std::uint32_t kBits = kPatternPeriod + 128;
    t.pattern.assign(kBits / 64 + 1, 0);
    for (std::uint32_t g = 0; g < kBits; ++g) {
        const std::uint32_t n = 2 * g + 1;
        if (std::none_of(std::begin(kPatternPrimes), std::end(kPatternPrimes),
                         [n](std::uint32_t p) { return n % p == 0; }))
            t.pattern[g / 64] |= std::uint64_t{1} << (g % 64);
    }
    return t;
}

const Tables& SieveTables()
{
    static const Tables tables = MakeTables();
    return tables;
}

// 64 bits of the endless pattern from bit b, b below the period.
std::uint64_t PatternAt(const std::uint64_t* pattern, std::uint32_t b)
{
    const std::uint32_t word = b / 64;
    const std::uint32_t shift = b % 64;
    return shift == 0 ? pattern[word] : (pattern[word] >> shift) | (pattern[word + 1] << (64 - shift));
}

} // namespace

SegmentedSieve::SegmentedSieve() : bits_(kSieveWindow / 128 + 1)
{
    SieveTables();
}

std::uint32_t SegmentedSieve::sieve(std::uint32_t low, std::uint32_t high)
{
    const std::uint64_t lo = std::uint64_t{low} | 1;
    if (lo > high)
        return 0;
    const auto size = static_cast<std::uint32_t>((high - lo) / 2 + 1);
    const std::uint32_t words = (size + 63) / 64;
    std::uint64_t* bits = bits_.data();
    const Tables& tables = SieveTables();

    std::uint32_t b = static_cast<std::uint32_t>((lo - 1) / 2 % kPatternPeriod);
    for (std::uint32_t k = 0; k < words; ++k) {
        bits[k] = PatternAt(tables.pattern.data(), b);
        b += 64;
        if (b >= kPatternPeriod)
            b -= kPatternPeriod;
    }
    // The pattern takes 1 for a prime and the pattern primes for composites.
    if (lo == 1)
        bits[0] &= ~std::uint64_t{1};
    for (const std::uint32_t p : kPatternPrimes) {
        if (p >= lo && p <= high)
            bits[(p - lo) / 2 / 64] |= std::uint64_t{1} << ((p - lo) / 2 % 64);
    }

    for (const std::uint32_t p : tables.sievers) {
        const std::uint64_t square = std::uint64_t{p} * p;
        if (square > high)
            break;
        std::uint64_t start = std::max(square, (lo + p - 1) / p * p);
        if (start % 2 == 0)
            start += p;
        for (auto j = static_cast<std::uint32_t>((start - lo) / 2); j < size; j += p)
            bits[j / 64] &= ~(std::uint64_t{1} << (j % 64));
    }
    if (size % 64 != 0)
        bits[words - 1] &= (std::uint64_t{1} << (size % 64)) - 1;
    return size;
}

std::uint32_t SegmentedSieve::count(std::uint32_t low, std::uint32_t high)
{
    const std::uint32_t size = sieve(low, high);
    std::uint32_t found = low <= 2 && 2 <= high ? 1 : 0;
    for (std::uint32_t k = 0; k < (size + 63) / 64; ++k)
        found += static_cast<std::uint32_t>(std::popcount(bits_[k]));
    return found;
}

void SegmentedSieve::primes(std::uint32_t low, std::uint32_t high, std::vector<std::uint32_t>& out)
{
    out.clear();
    if (low <= 2 && 2 <= high)
        out.push_back(2);
    const std::uint32_t size = sieve(low, high);
    const std::uint32_t lo = low | 1;
    for (std::uint32_t k = 0; k < (size + 63) / 64; ++k) {
        for (std::uint64_t word = bits_[k]; word != 0; word &= word - 1)
            out.push_back(lo + 2 * (64 * k + static_cast<std::uint32_t>(std::countr_zero(word))));
    }
}

} // namespace zentaro::numbers::primes
