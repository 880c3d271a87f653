// The strict conversions fail only with their two errors, and the 32-bit one is
// the double one rounded half to even.
#include "conventions/numbers.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

bool Raises(auto&& f, zentaro::ErrorCode expected)
{
    try {
        f();
    } catch (const zentaro::RuntimeError& error) {
        FUZZ_CHECK(error.code() == expected);
        return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    try {
        value = zentaro::StrictToDouble(text);
    } catch (const zentaro::RuntimeError& error) {
        FUZZ_CHECK(error.code() == zentaro::ErrorCode::TypeMismatch || error.code() == zentaro::ErrorCode::Overflow);
        FUZZ_CHECK(Raises([&] { zentaro::StrictToInt32(text); }, error.code()));
        return 0;
    }
    FUZZ_CHECK(std::isfinite(value));
    const bool inRange = std::nearbyint(value) >= -2147483648.0 && std::nearbyint(value) <= 2147483647.0;
    if (inRange) {
        const std::int32_t whole = zentaro::StrictToInt32(text);
        FUZZ_CHECK(std::fabs(whole - value) <= 0.5);
        FUZZ_CHECK(whole == zentaro::RoundToInt32(value));
    } else {
        FUZZ_CHECK(Raises([&] { zentaro::StrictToInt32(text); }, zentaro::ErrorCode::Overflow));
    }
    return 0;
}
