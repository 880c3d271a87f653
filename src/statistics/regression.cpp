#include "statistics/regression.h"

#include "conventions/numbers.h"

#include <algorithm>

namespace zentaro::statistics {
namespace {

double Denominator(double n, double sx, double sxx)
{
    return Sub(Mul(sxx, n), Mul(sx, sx));
}

} // namespace

std::optional<Line> fitline(double n, double sx, double sxx, double sy, double sxy)
{
    if (Denominator(n, sx, sxx) <= 0)
        return std::nullopt;
    Line line;
    line.m = Divide(Sub(Mul(sxy, n), Mul(sx, sy)), Denominator(n, sx, sxx));
    line.c = Divide(Sub(Mul(sxx, sy), Mul(sx, sxy)), Denominator(n, sx, sxx));
    return line;
}

std::string linecaption(const Line& line)
{
    return "y = (" + FormatSpaced(RoundHalfEven(line.m, 5)) + ")x +(" + FormatSpaced(RoundHalfEven(line.c, 5)) + ")";
}

std::string regressioncaption(const DataEntry& entry)
{
    if (entry.count() < 2)
        return std::string(kInsufficientData);
    const bool sameX = std::all_of(entry.x.begin(), entry.x.end(), [&](double x) { return x == entry.x.front(); });
    const std::optional<Line> line =
        sameX ? std::nullopt : fitline(entry.count(), entry.sx, entry.sxx, entry.sy, entry.sxy);
    if (!line)
        return std::string(kRedundantData);
    return linecaption(*line);
}

} // namespace zentaro::statistics
