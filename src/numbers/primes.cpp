#include "numbers/primes.h"

#include "conventions/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace zentaro::numbers::primes {
namespace {

constexpr std::int64_t kLargestInt32 = 2147483647;

// One byte per odd number: 32 KiB of flags stay in the first-level cache.
constexpr std::int64_t kSegmentOdds = std::int64_t{1} << 15;

// "¤  " and the blank that FormatSpaced writes before a positive number, in UTF-8.
constexpr std::string_view kItemHead = "\u00A4   ";
constexpr std::string_view kItemTail = "   ";
constexpr std::size_t kItemMostBytes = kItemHead.size() + 10 + kItemTail.size();

char* WriteItem(char* out, std::uint32_t p)
{
    std::memcpy(out, kItemHead.data(), kItemHead.size());
    out += kItemHead.size();
    out = std::to_chars(out, out + 10, p).ptr;
    std::memcpy(out, kItemTail.data(), kItemTail.size());
    return out + kItemTail.size();
}

// The odd primes up to n, by a plain sieve; n is at most √(2^31).
std::vector<std::int64_t> OddPrimesUpTo(std::int64_t n)
{
    std::vector<std::int64_t> found;
    std::vector<char> composite(static_cast<std::size_t>(n + 1), 0);
    for (std::int64_t p = 3; p <= n; p += 2) {
        if (composite[static_cast<std::size_t>(p)])
            continue;
        found.push_back(p);
        for (std::int64_t m = p * p; m <= n; m += 2 * p)
            composite[static_cast<std::size_t>(m)] = 1;
    }
    return found;
}

std::int64_t SquareRootFloor(std::int64_t n)
{
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

// At least as many primes as [first, last] holds, so that the text is allocated
// once: the odd numbers, π(x + y) − π(x) <= 2y / ln y, and π(x) < 1.25506 x / ln x.
std::size_t MostPrimes(std::int64_t first, std::int64_t last)
{
    const auto width = static_cast<double>(last - first + 1);
    double bound = width / 2 + 2;
    if (width > 1)
        bound = std::min(bound, 2 * width / std::log(width) + 2);
    if (last > 1)
        bound = std::min(bound, 1.25506 * static_cast<double>(last) / std::log(static_cast<double>(last)) + 2);
    return static_cast<std::size_t>(bound);
}

} // namespace

Tagged prime(double a)
{
    if (a == 0 || a == 1)
        return Tagged(std::int16_t{0});
    if (a == 2 || a == 3)
        return Tagged(std::int16_t{1});
    const std::int32_t n = RoundToInt32(a);
    if (n % 2 == 0)
        return Tagged(std::int16_t{0});
    const double limit = Truncate(Sqrt(a) + 2);
    for (std::int64_t j = 3; static_cast<double>(j) <= limit; j += 2) {
        if (n % j == 0)
            return Tagged(std::int16_t{0});
    }
    return Tagged(1.0);
}

Candidates CandidatesBetween(double low, double high)
{
    // Numbers below 1 are never prime, so a range may start at 1 without loss.
    const double first = std::max(std::ceil(low), 1.0);
    const double last = std::floor(high);
    Candidates c;
    c.pastInt32 = first <= last && last > static_cast<double>(kLargestInt32);
    if (first > static_cast<double>(kLargestInt32)) {
        c.first = kLargestInt32 + 1;
        c.last = kLargestInt32;
        return c;
    }
    c.first = static_cast<std::int64_t>(first);
    c.last = static_cast<std::int64_t>(std::min(last, static_cast<double>(kLargestInt32)));
    if (c.last < c.first)
        c.last = c.first - 1;
    return c;
}

PrimeList ListPrimes(const Candidates& candidates, const Progress& progress)
{
    PrimeList list;
    const std::int64_t total = candidates.count();
    const auto goOn = [&](std::int64_t done) { return !progress || progress(done, total); };
    if (!goOn(0)) {
        list.cancelled = true;
        return list;
    }
    const std::int64_t first = candidates.first;
    const std::int64_t last = candidates.last;
    std::string& text = list.text;
    if (total > 0)
        text.reserve(MostPrimes(first, last) * (kItemHead.size() + std::to_string(last).size() + kItemTail.size()));

    if (first <= 2 && 2 <= last) {
        char item[kItemMostBytes];
        text.append(item, static_cast<std::size_t>(WriteItem(item, 2) - item));
    }

    // The odd numbers lo, lo + 2, ... up to last, a segment at a time. Each odd
    // prime p up to √last crosses out its odd multiples from p·p on; `next` keeps,
    // for each, the index of the next multiple still to cross out.
    const std::int64_t lo = std::max<std::int64_t>(first, 3) | 1;
    const std::vector<std::int64_t> sievers =
        lo <= last ? OddPrimesUpTo(SquareRootFloor(last)) : std::vector<std::int64_t>{};
    std::vector<std::int64_t> next(sievers.size());
    for (std::size_t k = 0; k < sievers.size(); ++k) {
        const std::int64_t p = sievers[k];
        std::int64_t m = std::max(p * p, (lo + p - 1) / p * p);
        if (m % 2 == 0)
            m += p;
        next[k] = (m - lo) / 2;
    }

    const std::int64_t segmentOdds = std::min(kSegmentOdds, total / 2 + 1);
    std::vector<char> isPrime(static_cast<std::size_t>(segmentOdds));
    std::vector<char> chunk(static_cast<std::size_t>(segmentOdds) * kItemMostBytes);
    for (std::int64_t base = 0; lo + 2 * base <= last; base += segmentOdds) {
        const std::int64_t segmentLow = lo + 2 * base;
        const std::int64_t segmentHigh = std::min(segmentLow + 2 * (segmentOdds - 1), last);
        const std::int64_t size = (segmentHigh - segmentLow) / 2 + 1;
        std::fill_n(isPrime.begin(), size, char{1});
        for (std::size_t k = 0; k < sievers.size() && sievers[k] * sievers[k] <= segmentHigh; ++k) {
            const std::int64_t p = sievers[k];
            std::int64_t j = next[k] - base;
            for (; j < size; j += p)
                isPrime[static_cast<std::size_t>(j)] = 0;
            next[k] = j + base;
        }

        char* out = chunk.data();
        for (std::int64_t j = 0; j < size; ++j) {
            if (isPrime[static_cast<std::size_t>(j)])
                out = WriteItem(out, static_cast<std::uint32_t>(segmentLow + 2 * j));
        }
        text.append(chunk.data(), static_cast<std::size_t>(out - chunk.data()));

        if (!goOn(segmentHigh - first + 1)) {
            list.cancelled = true;
            return list;
        }
    }
    list.overflow = candidates.pastInt32;
    return list;
}

PrimeList primelist(std::string_view lowText, std::string_view highText, const ShowMessage& message,
                    const Progress& progress)
{
    const double low = ParseNumber(lowText);
    const double high = ParseNumber(highText);
    if (low < 1) {
        message(kPositiveLowerLimit, msgstyle::kOkOnly, {});
        return {};
    }
    return ListPrimes(CandidatesBetween(low, high), progress);
}

} // namespace zentaro::numbers::primes
