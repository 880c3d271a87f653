#include "fractions/gcd.h"

#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace zentaro::fractions {
namespace {

// Longer chains of divisions hide the answer rather than explain it.
constexpr std::size_t kMostDivisionsShown = 8;

} // namespace

Tagged gcd(std::int32_t a, std::int32_t b, Working working)
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
    // The larger first, as Euclid's table is written; the divisor is the same.
    if (x < y)
        std::swap(x, y);
    // Remainders rather than repeated subtraction: the same divisor, but about 45
    // steps at worst instead of up to two thousand million for 1 and 2147483647.
    std::vector<std::string> divisions;
    std::size_t count = 0;
    while (y != 0) {
        const std::int64_t r = x % y;
        if (working.recording()) {
            ++count;
            if (count <= kMostDivisionsShown)
                divisions.push_back("  " + std::to_string(x) + " = " + std::to_string(x / y) + " × " +
                                    std::to_string(y) + " + " + std::to_string(r));
        }
        x = y;
        y = r;
    }
    const std::int64_t g = sign * x;
    if (count <= kMostDivisionsShown) {
        for (const std::string& division : divisions)
            working.step(division);
    }
    working.step([&] {
        std::string line = "gcd(" + std::to_string(a) + ", " + std::to_string(b) + ") = " + std::to_string(g);
        if (count > kMostDivisionsShown)
            line += " (Euclid's algorithm, " + std::to_string(count) + " divisions)";
        if (g < 0)
            line += ": the signs differ, so the divisor is negative";
        return line;
    });
    if (g > std::numeric_limits<std::int32_t>::max())
        return Tagged(static_cast<double>(g));
    return Tagged(static_cast<std::int32_t>(g));
}

} // namespace zentaro::fractions
