#include "conventions/step_text.h"

#include "conventions/format.h"
#include "conventions/parse.h"

#include <array>
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
    // FormatSpaced writes the same digits with a '.' that ParseNumber reads in every locale.
    return ParseNumber(FormatSpaced(x)) == x;
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

} // namespace zentaro
