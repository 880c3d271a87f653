// The Roman numeral of every number 1 to 3999 is in the usual short form and
// reads back as the number; any text gives the numeral of its number rounded
// half to even, nothing above 3999, and fails only for negative numbers.
#include "conventions/numbers.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "numbers/roman.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Reads one decimal place written with `one`, `five` and `ten` in the usual
// form (I, II, III, IV, V, VI, VII, VIII, IX) from the front of `text`.
int Place(std::string_view& text, char one, char five, char ten)
{
    const auto take = [&text](char c) {
        if (!text.empty() && text.front() == c) {
            text.remove_prefix(1);
            return true;
        }
        return false;
    };
    if (take(one)) {
        if (take(ten))
            return 9;
        if (take(five))
            return 4;
        int count = 1;
        while (count < 3 && take(one))
            ++count;
        return count;
    }
    int value = 0;
    if (take(five))
        value = 5;
    for (int count = 0; count < 3 && take(one); ++count)
        ++value;
    return value;
}

// The value of a numeral in the usual form, or nothing for any other text.
std::optional<int> Value(std::string_view text)
{
    int thousands = 0;
    while (thousands < 3 && !text.empty() && text.front() == 'M') {
        text.remove_prefix(1);
        ++thousands;
    }
    const int hundreds = Place(text, 'C', 'D', 'M');
    const int tens = Place(text, 'X', 'L', 'C');
    const int units = Place(text, 'I', 'V', 'X');
    if (!text.empty())
        return std::nullopt;
    return thousands * 1000 + hundreds * 100 + tens * 10 + units;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto n = static_cast<std::int16_t>(input.between(0, 3999));
    const std::string numeral = zentaro::numbers::romannumeral(n);
    FUZZ_CHECK(Value(numeral) == n);
    FUZZ_CHECK(numeral.empty() == (n == 0));

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
        if (x < -32768.5) {
            FUZZ_CHECK(error.code() == zentaro::ErrorCode::Overflow);
        } else {
            FUZZ_CHECK(error.code() == zentaro::ErrorCode::SubscriptOutOfRange);
            FUZZ_CHECK(std::fmod(std::nearbyint(x), 10000) != 0);
        }
        return 0;
    }
    if (x > zentaro::numbers::kLargestRoman) {
        FUZZ_CHECK(!shown);
        return 0;
    }
    FUZZ_CHECK(shown);
    const double rounded = std::nearbyint(x); // ties to even in the default mode
    // The digits are taken place by place up to the thousands and no further,
    // so a negative multiple of 10000 has only zero digits and no numeral.
    if (rounded < 0) {
        FUZZ_CHECK(std::fmod(rounded, 10000) == 0 && shown->empty());
        return 0;
    }
    FUZZ_CHECK(rounded <= zentaro::numbers::kLargestRoman);
    FUZZ_CHECK(Value(*shown) == static_cast<int>(rounded));
    return 0;
}
