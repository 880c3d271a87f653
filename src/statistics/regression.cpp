#include "statistics/regression.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"

#include <algorithm>

namespace zentaro::statistics {
namespace {

// n·Σx² − (Σx)², its two terms kept for the steps.
struct Denominator {
    double nsxx, sx2, value;
};

Denominator DenominatorOf(double n, double sx, double sxx)
{
    const double nsxx = Mul(sxx, n);
    const double sx2 = Mul(sx, sx);
    return {nsxx, sx2, Sub(nsxx, sx2)};
}

} // namespace

std::optional<Line> fitline(double n, double sx, double sxx, double sy, double sxy, Working working)
{
    const Denominator d = DenominatorOf(n, sx, sxx);
    working.step([&] {
        return "d = nΣx² − (Σx)² = " + Plain(n) + " × " + Factor(sxx) + " − " + Factor(sx) +
               "² = " + SignedSum({d.nsxx, -d.sx2}) + " = " + Plain(d.value);
    });
    if (d.value <= 0) {
        working.step("d is not above 0 (only rounding can make it so when the x differ): no line");
        return std::nullopt;
    }
    Line line;
    const double nsxy = Mul(sxy, n);
    const double sxsy = Mul(sx, sy);
    line.m = Divide(Sub(nsxy, sxsy), DenominatorOf(n, sx, sxx).value);
    working.step([&] {
        return "m = (nΣxy − ΣxΣy) ÷ d = (" + Plain(n) + " × " + Factor(sxy) + " − " + Factor(sx) + " × " + Factor(sy) +
               ") ÷ " + Plain(d.value) + " = (" + SignedSum({nsxy, -sxsy}) + ") ÷ " + Plain(d.value) + Equals(line.m);
    });
    const double sxxsy = Mul(sxx, sy);
    const double sxsxy = Mul(sx, sxy);
    line.c = Divide(Sub(sxxsy, sxsxy), DenominatorOf(n, sx, sxx).value);
    working.step([&] {
        return "c = (Σx²Σy − ΣxΣxy) ÷ d = (" + Plain(sxx) + " × " + Factor(sy) + " − " + Factor(sx) + " × " +
               Factor(sxy) + ") ÷ " + Plain(d.value) + " = (" + SignedSum({sxxsy, -sxsxy}) + ") ÷ " + Plain(d.value) +
               Equals(line.c);
    });
    return line;
}

std::string linecaption(const Line& line, Working working)
{
    std::string caption =
        "y = (" + FormatSpaced(RoundHalfEven(line.m, 5)) + ")x +(" + FormatSpaced(RoundHalfEven(line.c, 5)) + ")";
    working.step("y = mx + c, with m and c to 5 decimals:");
    working.step(caption);
    return caption;
}

std::string regressioncaption(const DataEntry& entry, Working working)
{
    if (entry.count() < 2) {
        working.step("A line needs at least two pairs");
        working.step(kInsufficientData);
        return std::string(kInsufficientData);
    }
    const bool sameX = std::all_of(entry.x.begin(), entry.x.end(), [&](double x) { return x == entry.x.front(); });
    if (sameX) {
        working.step([&] {
            return "Every x is " + Plain(entry.x.front()) +
                   ": the points lie on a vertical line, which has no "
                   "equation y = mx + c";
        });
    }
    const std::optional<Line> line =
        sameX ? std::nullopt : fitline(entry.count(), entry.sx, entry.sxx, entry.sy, entry.sxy, working);
    if (!line) {
        working.step(kRedundantData);
        return std::string(kRedundantData);
    }
    return linecaption(*line, working);
}

} // namespace zentaro::statistics
