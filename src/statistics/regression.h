#pragma once

#include "conventions/working.h"
#include "statistics/data_entry.h"

#include <optional>
#include <string>
#include <string_view>

namespace zentaro::statistics {

// The label shows its text as is, so a single ampersand is what the user reads.
inline constexpr std::string_view kInsufficientData = "Insufficient Data";
inline constexpr std::string_view kRedundantData = "Redundant & Insufficient Data";

// y = m·x + c.
struct Line {
    double m = 0;
    double c = 0;
};

// The least-squares line through n pairs from their sums. There is none when the
// denominator sxx·n - sx² is zero; it is n times the sum of squared deviations
// of x, so a negative value can only be rounding of a zero and counts as one.
std::optional<Line> fitline(double n, double sx, double sxx, double sy, double sxy, Working working = {});

// 'y = ( 2)x +(-1)': slope and intercept rounded half to even at the fifth decimal.
std::string linecaption(const Line& line, Working working = {});

// What the result label shows after an entry: "Insufficient Data" below two
// pairs, "Redundant & Insufficient Data" when every x is the same (tested on
// the values themselves, since rounding in the sums can leave a tiny non-zero
// denominator that would give a meaningless line), else the line.
std::string regressioncaption(const DataEntry& entry, Working working = {});

} // namespace zentaro::statistics
