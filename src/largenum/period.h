#pragma once

#include <cstdint>

namespace zentaro::largenum {

// How the decimal expansion of 1/x behaves, for a whole x from 1: x = 2^twos ·
// 5^fives · rest with rest prime to 10. The first max(twos, fives) digits after
// the point come before any repetition; then a block of `length` digits
// repeats for ever (length 0: the expansion ends there, rest being 1). The
// length is the multiplicative order of 10 modulo rest, found exactly for every
// x below 2^63, however long the block.
struct DecimalPeriod {
    unsigned twos = 0;
    unsigned fives = 0;
    std::uint64_t rest = 1;
    unsigned start = 0;
    std::uint64_t length = 0;
};

DecimalPeriod decimalperiod(std::uint64_t x);

} // namespace zentaro::largenum
