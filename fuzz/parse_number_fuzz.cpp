// ParseNumber never fails but on overflow, ignores blanks wherever they stand,
// and agrees with the strict reading wherever that one accepts the text.
#include "conventions/numbers.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    try {
        value = zentaro::ParseNumber(text);
    } catch (const zentaro::RuntimeError& error) {
        FUZZ_CHECK(error.code() == zentaro::ErrorCode::Overflow);
        return 0;
    }
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(!(value == 0 && std::signbit(value)));

    std::string spaced;
    for (const char c : text) {
        spaced += c;
        spaced += ' ';
    }
    FUZZ_CHECK(zentaro::ParseNumber(spaced) == value);

    try {
        const double strict = zentaro::StrictToDouble(text);
        FUZZ_CHECK(strict == value || (strict == 0 && value == 0));
    } catch (const zentaro::RuntimeError& error) {
        FUZZ_CHECK(error.code() == zentaro::ErrorCode::TypeMismatch || error.code() == zentaro::ErrorCode::Overflow);
    }
    return 0;
}
