// Any finite double written by FormatPlain or FormatSpaced reads back through
// ParseNumber as the same number to 15 significant digits, with at most 15
// digits written and the house layout of sign and leading zero.
#include "conventions/numbers.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x))
        return 0;
    const std::string plain = zentaro::FormatPlain(x);
    const std::string spaced = zentaro::FormatSpaced(x);

    // The largest doubles round up, at 15 digits, past the double range: their
    // text reads back as Overflow, as any text beyond the range does.
    if (std::fabs(x) > 1.79769313486231e308)
        return 0;
    const double back = zentaro::ParseNumber(plain);
    FUZZ_CHECK(back == zentaro::ParseNumber(spaced));
    // Off by at most half a unit of the 15th significant digit, plus the
    // rounding of that decimal text back into binary.
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(x))) - 14);
    const double ulp = std::nextafter(std::fabs(x), INFINITY) - std::fabs(x);
    FUZZ_CHECK(std::fabs(back - x) <= unit / 2 + 2 * ulp);

    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    FUZZ_CHECK(std::ranges::count_if(plain.substr(0, plain.find('E')), isDigit) <= 16); // a leading "0." adds one

    FUZZ_CHECK(spaced[0] == (x < 0 ? '-' : ' '));
    FUZZ_CHECK(plain[0] != ' ');
    const std::string unsignedPlain = x < 0 ? plain.substr(1) : plain;
    FUZZ_CHECK(spaced.substr(1) == (unsignedPlain.starts_with("0.") ? unsignedPlain.substr(1) : unsignedPlain));
    return 0;
}
