#pragma once

#include "conventions/working.h"

namespace zentaro::statistics {

// The population figures of a list of n values with sum sx and sum of squares sxx.
struct Summary {
    double mean = 0;
    double variance = 0;
    double sd = 0;
};

// variance = (sxx·n - sx²) / n², sd its square root, mean sx / n. No values at
// all divides 0 by 0 and raises Overflow. Rounding can take the variance of equal
// values a hair below zero, which it can never be, so that counts as 0.
Summary summarize(double n, double sx, double sxx, Working working = {});

} // namespace zentaro::statistics
