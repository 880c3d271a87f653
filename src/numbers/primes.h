#pragma once

#include "conventions/dialogs.h"
#include "conventions/tagged.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

struct PrimeList {
    // "¤   2   ¤   3   ¤   5   ": "¤  ", the prime with its leading blank, three blanks.
    std::string text;
    // Stopped by the progress callback: the text holds the primes found so far.
    bool cancelled = false;
    // Every prime up to 2147483647 is listed and the next candidate cannot be
    // rounded: the caller shows the text, then reports Overflow.
    bool overflow = false;
};

// The primes among the candidates, by a segmented sieve, as one text built once.
PrimeList ListPrimes(const Candidates& candidates, const Progress& progress = {});

// The list for the typed limits. A lower limit below 1 is refused with a message
// and gives the empty list.
PrimeList primelist(std::string_view lowText, std::string_view highText, const ShowMessage& message,
                    const Progress& progress = {});

} // namespace zentaro::numbers::primes
