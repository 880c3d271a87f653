#include "conventions/format.h"

#include "conventions/locale.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace zentaro {
namespace {

constexpr int kSignificant = 15;

// x = 0.d1d2d3… × 10^(exponent + 1), i.e. d1.d2d3… × 10^exponent; no trailing zeros.
struct Rounded {
    std::string digits;
    int exponent = 0;
};

// Scientific digits of |x| from to_chars: the digits without the point, and the exponent.
Rounded Scientific(double magnitude, int precision, char* buffer, std::size_t size)
{
    const auto result = std::to_chars(buffer, buffer + size, magnitude, std::chars_format::scientific, precision);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    Rounded r;
    for (const char c : text.substr(0, e)) {
        if (c != '.')
            r.digits += c;
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), r.exponent);
    return r;
}

// Rounds to 15 significant digits from the exact binary value, a tie going away
// from zero. 25 digits decide every case but a possible tie, which takes the
// exact expansion.
Rounded RoundTo15(double magnitude)
{
    std::array<char, 64> small{};
    Rounded r = Scientific(magnitude, 24, small.data(), small.size());
    if (std::string_view(r.digits).substr(kSignificant) == "5000000000") {
        std::vector<char> large(1100);
        r = Scientific(magnitude, 1000, large.data(), large.size());
    }
    const bool up = r.digits[kSignificant] >= '5';
    r.digits.resize(kSignificant);
    if (up) {
        int i = kSignificant - 1;
        while (i >= 0 && r.digits[static_cast<std::size_t>(i)] == '9') {
            r.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            r.digits.insert(r.digits.begin(), '1');
            r.digits.pop_back();
            ++r.exponent;
        } else {
            ++r.digits[static_cast<std::size_t>(i)];
        }
    }
    while (r.digits.size() > 1 && r.digits.back() == '0')
        r.digits.pop_back();
    return r;
}

std::string Layout(double x, bool spaced, char point)
{
    if (std::isnan(x))
        return "NaN";
    std::string sign = x < 0 ? "-" : (spaced ? " " : "");
    if (std::isinf(x))
        return sign + "Infinity";
    if (x == 0)
        return spaced ? " 0" : "0";

    const Rounded r = RoundTo15(std::fabs(x));
    const int count = static_cast<int>(r.digits.size());
    const int placesAfterPoint = count - 1 - r.exponent;
    std::string body;
    if (r.exponent >= kSignificant || placesAfterPoint > kSignificant) {
        body = r.digits.substr(0, 1);
        if (count > 1) {
            body += point;
            body += r.digits.substr(1);
        }
        const int e = std::abs(r.exponent);
        body += r.exponent < 0 ? "E-" : "E+";
        if (e < 10)
            body += '0';
        body += std::to_string(e);
    } else if (r.exponent >= 0) {
        const auto wholeDigits = static_cast<std::size_t>(r.exponent + 1);
        body = r.digits.substr(0, wholeDigits);
        body.resize(wholeDigits, '0');
        if (r.digits.size() > wholeDigits) {
            body += point;
            body += r.digits.substr(wholeDigits);
        }
    } else {
        // A count, not a choice of literals: assigning "" or "0" here trips a false
        // -Wrestrict of GCC 12 in the sanitizer build.
        body.assign(spaced ? 0 : 1, '0');
        body += point;
        body.append(static_cast<std::size_t>(-r.exponent - 1), '0');
        body += r.digits;
    }
    return sign + body;
}

template <typename Int> std::string IntegerText(Int x, bool spaced)
{
    std::string text = std::to_string(x);
    if (spaced && x >= 0)
        text.insert(text.begin(), ' ');
    return text;
}

} // namespace

std::string FormatSpaced(double x)
{
    return Layout(x, true, '.');
}

std::string FormatSpaced(std::int32_t x)
{
    return IntegerText(x, true);
}

std::string FormatSpaced(std::int16_t x)
{
    return IntegerText(x, true);
}

std::string FormatPlain(double x)
{
    return Layout(x, false, DecimalSeparator());
}

std::string FormatPlain(std::int32_t x)
{
    return IntegerText(x, false);
}

std::string FormatPlain(std::int16_t x)
{
    return IntegerText(x, false);
}

} // namespace zentaro
