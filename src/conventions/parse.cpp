#include "conventions/parse.h"

#include "conventions/locale.h"
#include "conventions/rounding.h"
#include "conventions/runtime_error.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace zentaro {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// '&H' and '&O' numbers are bit patterns: up to 16 bits they are a 16-bit
// two's-complement value, up to 32 bits a 32-bit one, beyond that too large.
// `digits` starts after the radix letter; reading stops at the first non-digit.
// Returns the value and how many characters it consumed.
struct RadixRead {
    double value;
    std::size_t length;
};

RadixRead ReadRadixPattern(std::string_view digits, int radix)
{
    std::uint64_t value = 0;
    int hexSignificant = 0;
    std::size_t i = 0;
    for (; i < digits.size(); ++i) {
        const int d = HexValue(digits[i]);
        if (d < 0 || d >= radix)
            break;
        if (value == 0 && d == 0)
            continue;
        ++hexSignificant;
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull)
            Raise(ErrorCode::Overflow);
    }
    const bool sixteenBit = radix == 16 ? hexSignificant <= 4 : value <= 0xFFFFull;
    double result = 0;
    if (sixteenBit)
        result = value >= 0x8000u ? static_cast<double>(value) - 65536.0 : static_cast<double>(value);
    else
        result = value >= 0x80000000ull ? static_cast<double>(value) - 4294967296.0 : static_cast<double>(value);
    return {result, i};
}

// A decimal number already split into its parts; `mantissa` holds digits and at
// most one '.', `exponent` an optional sign and digits.
double DecimalToDouble(bool negative, std::string_view mantissa, std::string_view exponent)
{
    std::string text(mantissa);
    if (!exponent.empty()) {
        text += 'e';
        text.append(exponent);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars says the same for too large and too small: decide by the
        // decimal magnitude, which a huge exponent text may make astronomically large.
        long long magnitude = 0;
        const std::size_t point = mantissa.find('.');
        const std::string_view whole = mantissa.substr(0, point);
        const std::size_t firstWhole = whole.find_first_not_of('0');
        if (firstWhole != std::string_view::npos) {
            magnitude = static_cast<long long>(whole.size() - firstWhole);
        } else if (point != std::string_view::npos) {
            const std::string_view fraction = mantissa.substr(point + 1);
            const std::size_t firstFraction = fraction.find_first_not_of('0');
            magnitude =
                -static_cast<long long>(firstFraction == std::string_view::npos ? fraction.size() : firstFraction);
        }
        long long exp = 0;
        bool expNegative = false;
        for (const char c : exponent) {
            if (c == '-')
                expNegative = true;
            else if (IsDigit(c) && exp < 1'000'000'000)
                exp = exp * 10 + (c - '0');
        }
        magnitude += expNegative ? -exp : exp;
        if (magnitude > 0)
            Raise(ErrorCode::Overflow);
        return 0.0;
    }
    if (std::isinf(value))
        Raise(ErrorCode::Overflow);
    if (value == 0)
        return 0.0;
    return negative ? -value : value;
}

// Splits `text` into sign, mantissa and exponent as far as it forms a number.
// `point` is the decimal separator accepted. Returns the length consumed, 0 when
// no digit was found.
struct DecimalParts {
    bool negative = false;
    std::string mantissa;
    std::string exponent;
    std::size_t length = 0;
};

DecimalParts ReadDecimal(std::string_view text, char point)
{
    DecimalParts parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    bool sawPoint = false;
    bool sawDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            parts.mantissa += c;
            sawDigit = true;
        } else if (c == point && !sawPoint) {
            parts.mantissa += '.';
            sawPoint = true;
        } else {
            break;
        }
    }
    if (!sawDigit)
        return {};
    parts.length = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        const std::size_t firstDigit = j;
        while (j < text.size() && IsDigit(text[j]))
            exponent += text[j++];
        if (j > firstDigit) {
            parts.exponent = std::move(exponent);
            parts.length = j;
        }
    }
    return parts;
}

bool IsRadixPrefix(std::string_view text, char letter)
{
    return text.size() >= 2 && text[0] == '&' && (text[1] == letter || text[1] == letter + ('a' - 'A'));
}

std::optional<RadixRead> ReadRadix(std::string_view text)
{
    if (IsRadixPrefix(text, 'H')) {
        const RadixRead read = ReadRadixPattern(text.substr(2), 16);
        return RadixRead{read.value, read.length + 2};
    }
    if (IsRadixPrefix(text, 'O')) {
        const RadixRead read = ReadRadixPattern(text.substr(2), 8);
        return RadixRead{read.value, read.length + 2};
    }
    return std::nullopt;
}

} // namespace

double ParseNumber(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            compact += c;
    }
    if (const auto radix = ReadRadix(compact))
        return radix->value;
    const DecimalParts parts = ReadDecimal(compact, '.');
    if (parts.length == 0)
        return 0.0;
    return DecimalToDouble(parts.negative, parts.mantissa, parts.exponent);
}

std::optional<double> StrictNumber(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string_view body = text.substr(first, last - first + 1);
    // '&H' and '&O' patterns are ParseNumber's alone: a typed '&HFF' is no number here.
    const DecimalParts parts = ReadDecimal(body, DecimalSeparator());
    if (parts.length == 0 || parts.length != body.size())
        return std::nullopt;
    return DecimalToDouble(parts.negative, parts.mantissa, parts.exponent);
}

double StrictToDouble(std::string_view text)
{
    const std::optional<double> value = StrictNumber(text);
    if (!value)
        Raise(ErrorCode::TypeMismatch);
    return *value;
}

std::int32_t StrictToInt32(std::string_view text)
{
    return RoundToInt32(StrictToDouble(text));
}

} // namespace zentaro
