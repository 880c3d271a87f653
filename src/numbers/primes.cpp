#include "numbers/primes.h"

#include "conventions/numbers.h"
#include "numbers/prime_sieve.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace zentaro::numbers::primes {
namespace {

constexpr std::int64_t kLargestInt32 = 2147483647;

// The entry of prime p: "¤  ", the blank FormatSpaced writes before a positive
// number, the digits, three blanks.
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

// The same entry in UTF-16, where the currency sign is one unit.
int WriteItem16(char16_t* out, std::uint32_t p)
{
    char digits[10];
    const char* end = std::to_chars(digits, digits + 10, p).ptr;
    char16_t* o = out;
    *o++ = u'\u00A4';
    *o++ = u' ';
    *o++ = u' ';
    *o++ = u' ';
    for (const char* d = digits; d < end; ++d)
        *o++ = static_cast<char16_t>(*d);
    *o++ = u' ';
    *o++ = u' ';
    *o++ = u' ';
    return static_cast<int>(o - out);
}

int DigitsOf(std::uint32_t n)
{
    int digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}

// The first power of ten above n.
std::int64_t PowerOfTenAbove(std::int64_t n)
{
    std::int64_t power = 10;
    while (power <= n)
        power *= 10;
    return power;
}

// Text is written to the sink in pieces of about this many bytes.
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

} // namespace

// A few sieved stretches, the most recent first: enough for a screenful that
// straddles a stretch border, and for going back and forth over it.
struct PrimeList::Cache {
    static constexpr std::size_t kSlots = 4;
    SegmentedSieve sieve;
    std::vector<std::size_t> stretch;
    std::vector<std::vector<std::uint32_t>> primes;
};

std::vector<PrimeList::Run> PrimeList::runs() const
{
    std::vector<Run> runs;
    for (const Stretch& s : stretches_) {
        if (runs.empty() || runs.back().digits != s.digits)
            runs.push_back({s.digits, 0});
        runs.back().entries += s.primes;
    }
    return runs;
}

std::size_t PrimeList::stretchAt(std::int64_t position) const
{
    const auto after = std::upper_bound(stretches_.begin(), stretches_.end(), position,
                                        [](std::int64_t p, const Stretch& s) { return p < s.firstChar; });
    return static_cast<std::size_t>(after - stretches_.begin()) - 1;
}

const std::vector<std::uint32_t>& PrimeList::primesOf(std::size_t stretch) const
{
    if (!cache_)
        cache_ = std::make_shared<Cache>();
    Cache& c = *cache_;
    auto hit = std::find(c.stretch.begin(), c.stretch.end(), stretch);
    if (hit == c.stretch.end()) {
        if (c.stretch.size() < Cache::kSlots) {
            c.stretch.push_back(stretch);
            c.primes.emplace_back();
        }
        hit = c.stretch.end() - 1;
        *hit = stretch;
        const Stretch& s = stretches_[stretch];
        c.sieve.primes(s.low, s.high, c.primes[static_cast<std::size_t>(hit - c.stretch.begin())]);
    }
    // The one in use moves to the front.
    const auto slot = hit - c.stretch.begin();
    std::rotate(c.stretch.begin(), hit, hit + 1);
    std::rotate(c.primes.begin(), c.primes.begin() + slot, c.primes.begin() + slot + 1);
    return c.primes.front();
}

void PrimeList::read(std::int64_t from, std::int64_t n, char16_t* out) const
{
    n = std::min(n, size_ - from);
    if (n <= 0 || from < 0)
        return;
    for (std::size_t s = stretchAt(from); n > 0; ++s) {
        const Stretch& stretch = stretches_[s];
        const std::vector<std::uint32_t>& primes = primesOf(s);
        const std::int64_t length = EntryLength(stretch.digits);
        auto entry = static_cast<std::size_t>((from - stretch.firstChar) / length);
        auto skip = static_cast<int>((from - stretch.firstChar) % length);
        for (; entry < primes.size() && n > 0; ++entry) {
            char16_t item[20];
            const int take = static_cast<int>(std::min<std::int64_t>(WriteItem16(item, primes[entry]) - skip, n));
            std::copy_n(item + skip, take, out);
            out += take;
            n -= take;
            from += take;
            skip = 0;
        }
    }
}

bool PrimeList::write(std::int64_t from, std::int64_t to, const Sink& sink) const
{
    from = std::max<std::int64_t>(from, 0);
    to = std::min(to, size_);
    if (from >= to)
        return true;
    std::string piece;
    piece.reserve(kPieceBytes + kItemMostBytes);
    for (std::size_t s = stretchAt(from); from < to; ++s) {
        const Stretch& stretch = stretches_[s];
        const std::vector<std::uint32_t>& primes = primesOf(s);
        const std::int64_t length = EntryLength(stretch.digits);
        auto entry = static_cast<std::size_t>((from - stretch.firstChar) / length);
        auto skip = static_cast<int>((from - stretch.firstChar) % length);
        for (; entry < primes.size() && from < to; ++entry) {
            const std::size_t at = piece.size();
            piece.resize(at + kItemMostBytes);
            char* end = WriteItem(piece.data() + at, primes[entry]);
            const std::int64_t take = std::min<std::int64_t>(length - skip, to - from);
            if (skip == 0 && take == length) {
                piece.resize(static_cast<std::size_t>(end - piece.data()));
            } else {
                // Part of an entry: only its first character takes two bytes.
                const std::size_t first = at + static_cast<std::size_t>(skip == 0 ? 0 : skip + 1);
                const std::size_t last = at + static_cast<std::size_t>(skip + take + 1);
                piece.erase(last, std::string::npos);
                piece.erase(at, first - at);
            }
            from += take;
            skip = 0;
            if (piece.size() >= kPieceBytes) {
                if (!sink(piece))
                    return false;
                piece.clear();
            }
        }
    }
    return piece.empty() || sink(piece);
}

std::string PrimeList::text() const
{
    std::string text;
    text.reserve(static_cast<std::size_t>(size_ + count_));
    write(0, size_, [&text](std::string_view piece) {
        text += piece;
        return true;
    });
    return text;
}

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
    // Stretches of the sieve's windows, aligned on its width, cut at each power of ten.
    SegmentedSieve sieve;
    constexpr std::int64_t kWindow = kSieveWindow;
    for (std::int64_t low = candidates.first; low <= candidates.last;) {
        const std::int64_t high =
            std::min({(low / kWindow + 1) * kWindow - 1, PowerOfTenAbove(low) - 1, candidates.last});
        const auto lo = static_cast<std::uint32_t>(low);
        const auto hi = static_cast<std::uint32_t>(high);
        if (const std::uint32_t found = sieve.count(lo, hi); found > 0) {
            const int digits = DigitsOf(lo);
            list.stretches_.push_back({lo, hi, found, digits, list.size_});
            list.size_ += found * PrimeList::EntryLength(digits);
            list.count_ += found;
        }
        low = high + 1;
        if (!goOn(high - candidates.first + 1)) {
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
