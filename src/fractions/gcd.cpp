#include "fractions/gcd.h"

#include <limits>

namespace zentaro::fractions {

Tagged gcd(std::int32_t a, std::int32_t b)
{
    // 64 bits, because -(-2147483648) does not fit in 32.
    std::int64_t x = a;
    std::int64_t y = b;
    std::int64_t sign = 1;
    if (x == 0)
        x = y;
    else if (y == 0)
        y = x;
    if (x < 0) {
        x = -x;
        sign = -1;
    }
    if (y < 0) {
        y = -y;
        sign = -sign;
    }
    // Remainders rather than repeated subtraction: the same divisor, but about 45
    // steps at worst instead of up to two thousand million for 1 and 2147483647.
    while (y != 0) {
        const std::int64_t r = x % y;
        x = y;
        y = r;
    }
    const std::int64_t g = sign * x;
    if (g > std::numeric_limits<std::int32_t>::max())
        return Tagged(static_cast<double>(g));
    return Tagged(static_cast<std::int32_t>(g));
}

} // namespace zentaro::fractions
