// The quadratic solver's answers against the formula, for whole coefficients
// and for any finite ones.
#include "fuzz_check.h"
#include "support/quadratic_roots_check.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t mode = input.byte();
    if (mode % 2 == 0) {
        // Small, 16-bit, or with a wider c.
        const long long range = mode % 6 == 0 ? 60 : 32767;
        const long long b = input.between(-range, range);
        const long long c = input.between(mode % 6 == 4 ? -8388607 : -range, mode % 6 == 4 ? 8388607 : range);
        const long long d = input.between(-range, range);
        if (b == 0)
            return 0;
        FuzzHolds(zentaro::testing::CheckExactRoots(b, c, d));
        return 0;
    }
    // Any coefficients: whole numbers scaled by powers of two, or any finite doubles.
    double coefficients[3];
    for (double& x : coefficients) {
        if (mode % 4 == 1) {
            const std::int32_t whole = input.i32();
            x = std::ldexp(static_cast<double>(whole), -static_cast<int>(input.byte() % 40));
        } else {
            x = input.anyDouble();
        }
        if (!std::isfinite(x))
            return 0;
    }
    if (coefficients[0] == 0)
        return 0;
    FuzzHolds(zentaro::testing::CheckDecimalRoots(coefficients[0], coefficients[1], coefficients[2]));
    return 0;
}
