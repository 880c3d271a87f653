// ParseNumber never fails but on overflow, ignores blanks wherever they stand,
// and agrees with the strict reading wherever that one accepts the text. The
// strict readings fail only with their two errors, the 32-bit one exactly when
// the double one fails or rounds (half to even) beyond 32 bits.
#include "conventions/numbers.h"
#include "fuzz_check.h"
#include "support/property.h"

#include <cmath>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using zentaro::ErrorCode, zentaro::testing::Failure;
    const std::string text(reinterpret_cast<const char*>(data), size);
    double strict = 0;
    const ErrorCode failure = Failure([&] { strict = zentaro::StrictToDouble(text); });
    FUZZ_CHECK(failure == ErrorCode{} || failure == ErrorCode::TypeMismatch || failure == ErrorCode::Overflow);
    FUZZ_CHECK(std::isfinite(strict));
    const bool inRange = std::nearbyint(strict) >= -2147483648.0 && std::nearbyint(strict) <= 2147483647.0;
    std::int32_t whole = 0;
    const ErrorCode wholeFailure = Failure([&] { whole = zentaro::StrictToInt32(text); });
    FUZZ_CHECK(wholeFailure == (failure != ErrorCode{} ? failure : inRange ? ErrorCode{} : ErrorCode::Overflow));
    FUZZ_CHECK(wholeFailure != ErrorCode{} ||
               (std::fabs(whole - strict) <= 0.5 && whole == zentaro::RoundToInt32(strict)));

    double value = 0;
    const ErrorCode parseFailure = Failure([&] { value = zentaro::ParseNumber(text); });
    FUZZ_CHECK(parseFailure == ErrorCode{} || parseFailure == ErrorCode::Overflow);
    if (parseFailure != ErrorCode{})
        return 0;
    FUZZ_CHECK(std::isfinite(value) && !(value == 0 && std::signbit(value)));
    std::string spaced;
    for (const char c : text) {
        spaced += c;
        spaced += ' ';
    }
    FUZZ_CHECK(zentaro::ParseNumber(spaced) == value);
    FUZZ_CHECK(failure != ErrorCode{} || strict == value || (strict == 0 && value == 0));
    return 0;
}
