#include "conventions/step_text.h"

#include "conventions/arithmetic.h"
#include "conventions/format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zentaro {

std::string Plain(double x)
{
    return FormatPlain(x);
}

std::string Factor(double x)
{
    std::string text = FormatPlain(x);
    if (x < 0)
        text.insert(0, 1, '(').push_back(')');
    return text;
}

bool ShownExactly(double x)
{
    if (!std::isfinite(x) || x == 0)
        return true;
    // 767 significant digits hold any double exactly; it is shown exactly when
    // nothing but zeros follows the 15 that FormatPlain writes.
    std::array<char, 800> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::scientific, 766).ptr;
    const std::string_view written(text.data(), static_cast<std::size_t>(end - text.data()));
    const std::string_view mantissa = written.substr(0, written.find('e'));
    const std::size_t last = mantissa.find_last_not_of('0');
    const std::size_t first = mantissa.find_first_not_of("-0.");
    const std::size_t point = mantissa.find('.');
    const std::size_t digits = last - first + 1 - (point > first && point < last ? 1 : 0);
    return digits <= 15;
}

std::string Equals(double x)
{
    return (ShownExactly(x) ? " = " : " ≈ ") + FormatPlain(x);
}

std::string SignedSum(std::initializer_list<double> terms)
{
    std::string text;
    for (const double term : terms) {
        if (text.empty())
            text = FormatPlain(term);
        else
            text += (std::signbit(term) ? " − " : " + ") + FormatPlain(std::fabs(term));
    }
    return text;
}

std::string Polynomial(const std::vector<Term>& terms)
{
    std::string text;
    for (const auto& [coefficient, unknown] : terms) {
        if (coefficient == 0)
            continue;
        if (text.empty())
            text = coefficient < 0 ? "−" : "";
        else
            text += coefficient < 0 ? " − " : " + ";
        const double size = std::fabs(coefficient);
        if (size != 1 || unknown.empty())
            text += FormatPlain(size);
        text += unknown;
    }
    return text.empty() ? "0" : text;
}

std::string Superscript(int e)
{
    static constexpr std::array<std::string_view, 10> kDigits = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text;
    for (const char digit : std::to_string(e))
        text += digit == '-' ? std::string_view("⁻") : kDigits[static_cast<std::size_t>(digit - '0')];
    return text;
}

std::string Listed(std::initializer_list<double> items)
{
    std::string text;
    for (const double item : items)
        text += (text.empty() ? "" : ", ") + FormatPlain(item);
    return text;
}

Difference DifferenceOf(double x, double y, double z, double w)
{
    const double xy = Mul(x, y);
    const double zw = Mul(z, w);
    return {xy, zw, Sub(xy, zw)};
}

std::string WrittenDifference(double x, double y, double z, double w, const Difference& d)
{
    return Plain(x) + " × " + Factor(y) + " − " + Factor(z) + " × " + Factor(w) + " = " + SignedSum({d.xy, -d.zw}) +
           " = " + Plain(d.value);
}

} // namespace zentaro
