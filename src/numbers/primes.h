#pragma once

#include "conventions/dialogs.h"
#include "conventions/tagged.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The procedures of the prime numbers window. Other windows have a `prime` with
// other rules, hence the namespace of its own.
namespace zentaro::numbers::primes {

inline constexpr std::string_view kPositiveLowerLimit = "Please enter a positive lower limit!";

// 1 if a is prime, else 0, by trial division with odd numbers: a 16-bit 1 for 2
// and 3, a double 1 for the other primes, a 16-bit 0 otherwise. Whole numbers
// from 1 get their true answer.
// Unlike the GCD/LCM window's prime (1 prime, 2 not) and the quadratic solver's (a plain int): a tagged answer.
Tagged prime(double a);

// The whole numbers a listing tries: from the lower limit rounded up to the upper
// limit rounded down, cut at the largest 32-bit integer. `pastInt32` tells that
// the range went on beyond it, where rounding a candidate overflows.
struct Candidates {
    std::int64_t first = 1;
    std::int64_t last = 0;
    bool pastInt32 = false;

    std::int64_t count() const { return last >= first ? last - first + 1 : 0; }
};
Candidates CandidatesBetween(double low, double high);

// Told how many candidates are done out of how many, once before the first and
// then as the work goes on; answering false stops the listing there.
using Progress = std::function<bool(std::int64_t done, std::int64_t total)>;

// The list of one listing, held compactly: for each stretch of the candidates (a
// sieve window, cut at every power of ten, so that its entries are all as wide)
// the number of primes in it, a few bytes for half a million numbers. The text,
// "¤   2   ¤   3   ¤   5   ", is fully determined by the primes and the width of
// an entry by the digits of its prime, so any part of it is made again on
// demand, sieving its stretches anew.
class PrimeList {
public:
    // "¤  ", the prime with the blank FormatSpaced puts before it, three blanks.
    static constexpr std::int64_t EntryLength(int digits) { return 7 + digits; }

    // Characters of the whole text, the currency sign counting as one, as in UTF-16.
    std::int64_t size() const { return size_; }
    // Primes listed.
    std::int64_t count() const { return count_; }

    // Entries of one width, those of the primes with `digits` digits, in the order of the text.
    struct Run {
        int digits;
        std::int64_t entries;
        bool operator==(const Run&) const = default;
    };
    std::vector<Run> runs() const;

    // The characters [from, from + n) in UTF-16; the part must lie in the text.
    void read(std::int64_t from, std::int64_t n, char16_t* out) const;
    // The characters [from, to) in UTF-8, handed to `sink` a piece at a time; a
    // sink answering false stops the writing, which then answers false.
    using Sink = std::function<bool(std::string_view)>;
    bool write(std::int64_t from, std::int64_t to, const Sink& sink) const;
    // The whole text in UTF-8, made now.
    std::string text() const;

    // Stopped by the progress callback: the list holds the primes found so far.
    bool cancelled = false;
    // Every prime up to 2147483647 is listed and the next candidate cannot be
    // rounded: the caller shows the list, then reports Overflow.
    bool overflow = false;

private:
    friend PrimeList ListPrimes(const Candidates& candidates, const Progress& progress);

    // Numbers low to high, all with `digits` digits, holding `primes` primes whose
    // entries start at character `firstChar` of the text. Only stretches with
    // primes are kept.
    struct Stretch {
        std::uint32_t low;
        std::uint32_t high;
        std::uint32_t primes;
        int digits;
        std::int64_t firstChar;
    };
    std::size_t stretchAt(std::int64_t position) const;
    const std::vector<std::uint32_t>& primesOf(std::size_t stretch) const;

    std::vector<Stretch> stretches_;
    std::int64_t size_ = 0;
    std::int64_t count_ = 0;
    // The primes of the stretches sieved last, shared by copies of the list.
    struct Cache;
    mutable std::shared_ptr<Cache> cache_;
};

// The primes among the candidates, by a segmented sieve, counted stretch by stretch.
PrimeList ListPrimes(const Candidates& candidates, const Progress& progress = {});

// The list for the typed limits. A lower limit below 1 is refused with a message
// and gives the empty list.
PrimeList primelist(std::string_view lowText, std::string_view highText, const ShowMessage& message,
                    const Progress& progress = {});

} // namespace zentaro::numbers::primes
