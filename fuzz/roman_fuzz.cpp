// The Roman numeral of every number 1 to 3999 is the greedy short form; any text
// gives the numeral of its number rounded half to even, nothing above 3999, and
// fails only for negative numbers.
#include "conventions/numbers.h"
#include "fuzz_check.h"
#include "numbers/roman.h"
#include "support/numeral_check.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

using zentaro::testing::numeral_check::Greedy;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto n = static_cast<std::int16_t>(input.between(0, 3999));
    FUZZ_CHECK(zentaro::numbers::romannumeral(n) == Greedy(n));

    const std::string text = input.rest();
    double x = 0;
    std::optional<std::string> shown;
    try {
        x = zentaro::ParseNumber(text);
    } catch (const zentaro::RuntimeError& error) {
        FUZZ_CHECK(error.code() == zentaro::ErrorCode::Overflow);
        return 0;
    }
    try {
        shown = zentaro::numbers::romanfor(text);
    } catch (const zentaro::RuntimeError& error) {
        // Negative numbers have no numeral: those that round to a negative
        // whole number fail, those beyond 16 bits first of all.
        FUZZ_CHECK(std::nearbyint(x) < 0);
        FUZZ_CHECK(x < -32768.5 ? error.code() == zentaro::ErrorCode::Overflow
                                : error.code() == zentaro::ErrorCode::SubscriptOutOfRange &&
                                      std::fmod(std::nearbyint(x), 10000) != 0);
        return 0;
    }
    FUZZ_CHECK(shown.has_value() == (x <= zentaro::numbers::kLargestRoman));
    if (!shown)
        return 0;
    const double rounded = std::nearbyint(x); // ties to even in the default mode
    // The digits are taken place by place up to the thousands and no further,
    // so a negative multiple of 10000 has only zero digits and no numeral.
    if (rounded < 0) {
        FUZZ_CHECK(std::fmod(rounded, 10000) == 0 && shown->empty());
        return 0;
    }
    FUZZ_CHECK(rounded <= zentaro::numbers::kLargestRoman);
    FUZZ_CHECK(*shown == Greedy(static_cast<int>(rounded)));
    return 0;
}
