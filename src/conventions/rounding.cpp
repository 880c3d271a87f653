#include "conventions/rounding.h"

#include "conventions/runtime_error.h"

#include <cmath>

namespace zentaro {
namespace {

// Independent of the floating-point rounding mode: floor and the distance to it
// are exact for every double.
double NearestEven(double x)
{
    if (!std::isfinite(x))
        return x;
    double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        below += 1.0;
    return below;
}

template <typename Int> Int CheckedInt(double whole, double low, double high)
{
    if (std::isnan(whole) || whole < low || whole > high)
        Raise(ErrorCode::Overflow);
    return static_cast<Int>(whole);
}

} // namespace

std::int32_t RoundToInt32(double x)
{
    return CheckedInt<std::int32_t>(NearestEven(x), -2147483648.0, 2147483647.0);
}

std::int16_t RoundToInt16(double x)
{
    return CheckedInt<std::int16_t>(NearestEven(x), -32768.0, 32767.0);
}

double Truncate(double x)
{
    return std::trunc(x);
}

std::int32_t TruncateToInt32(double x)
{
    return CheckedInt<std::int32_t>(std::trunc(x), -2147483648.0, 2147483647.0);
}

std::int16_t TruncateToInt16(double x)
{
    return CheckedInt<std::int16_t>(std::trunc(x), -32768.0, 32767.0);
}

double RoundHalfEven(double x, int places)
{
    if (places == 0)
        return NearestEven(x) + 0.0;
    const double scale = std::pow(10.0, places);
    return NearestEven(x * scale) / scale + 0.0;
}

} // namespace zentaro
