#include "conventions/arithmetic.h"

#include "conventions/rounding.h"
#include "conventions/runtime_error.h"

#include <cmath>
#include <limits>

namespace zentaro {
namespace {

template <typename Int> Int Checked(long long value)
{
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        Raise(ErrorCode::Overflow);
    return static_cast<Int>(value);
}

double Finite(double value)
{
    if (std::isinf(value))
        Raise(ErrorCode::Overflow);
    return value;
}

} // namespace

std::int16_t AddInt16(std::int16_t a, std::int16_t b)
{
    return Checked<std::int16_t>(static_cast<long long>(a) + b);
}

std::int16_t SubInt16(std::int16_t a, std::int16_t b)
{
    return Checked<std::int16_t>(static_cast<long long>(a) - b);
}

std::int16_t MulInt16(std::int16_t a, std::int16_t b)
{
    return Checked<std::int16_t>(static_cast<long long>(a) * b);
}

std::int32_t AddInt32(std::int32_t a, std::int32_t b)
{
    return Checked<std::int32_t>(static_cast<long long>(a) + b);
}

std::int32_t SubInt32(std::int32_t a, std::int32_t b)
{
    return Checked<std::int32_t>(static_cast<long long>(a) - b);
}

std::int32_t MulInt32(std::int32_t a, std::int32_t b)
{
    return Checked<std::int32_t>(static_cast<long long>(a) * b);
}

double Add(double a, double b)
{
    return Finite(a + b);
}

double Sub(double a, double b)
{
    return Finite(a - b);
}

double Mul(double a, double b)
{
    return Finite(a * b);
}

double Divide(double a, double b)
{
    if (b == 0)
        Raise(a == 0 || std::isnan(a) ? ErrorCode::Overflow : ErrorCode::DivisionByZero);
    return Finite(a / b);
}

std::int32_t Mod(double a, double b)
{
    const std::int32_t x = RoundToInt32(a);
    const std::int32_t y = RoundToInt32(b);
    if (y == 0)
        Raise(ErrorCode::DivisionByZero);
    if (y == -1)
        return 0; // the one quotient that leaves the 32-bit range
    return x % y;
}

double Power(double a, double b)
{
    if (a < 0 && std::trunc(b) != b)
        Raise(ErrorCode::InvalidCall);
    if (a == 0 && b < 0)
        Raise(ErrorCode::DivisionByZero);
    return Finite(std::pow(a, b));
}

double Sqrt(double x)
{
    if (x < 0)
        Raise(ErrorCode::InvalidCall);
    return std::sqrt(x);
}

double Log(double x)
{
    if (!(x > 0))
        Raise(ErrorCode::InvalidCall);
    return std::log(x);
}

} // namespace zentaro
