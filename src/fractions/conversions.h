#pragma once

#include "conventions/working.h"
#include "fractions/fraction.h"

#include <functional>
#include <string_view>

namespace zentaro::fractions {

// A mixed number typed or shown as three texts, read leniently: each text through
// ParseNumber and rounded to 32 bits, so empty or non-numeric text reads as 0 and
// only Overflow can arise. An empty denominator text counts as 1. The result is
// whole·den + num over den, unreduced.
Fraction toimproper(std::string_view whole, std::string_view numerator, std::string_view denominator,
                    Working working = {});

// An arithmetic answer turned back into an improper fraction, unreduced: empty
// answer fields give 0 over 1, a whole answer "2", "0", "" gives 2 over 1.
ImproperText improperanswer(std::string_view whole, std::string_view numerator, std::string_view denominator,
                            Working working = {});

// A typed mixed number as a reduced improper fraction: both terms divided by their
// signed gcd, so whole -1 and 1/2 shows as 1 over -2. A denominator that reads as
// 0 raises DivisionByZero.
ImproperText mixedtoimproper(std::string_view whole, std::string_view numerator, std::string_view denominator,
                             Working working = {});

enum class MixedField { Whole, Numerator, Denominator };
using WriteMixedField = std::function<void(MixedField, std::string_view)>;

// A typed improper fraction as a reduced mixed number. The answer fields are
// written one by one as each is known, so a run-time error part-way (Overflow for
// an odd numerator over -2147483648) leaves those already written.
// A denominator of 0 raises DivisionByZero (Overflow for 0/0) before any write.
void impropertomixed(std::string_view numerator, std::string_view denominator, const WriteMixedField& write,
                     Working working = {});

} // namespace zentaro::fractions
