#include "algebra/quadratic.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace zentaro::algebra {
namespace {

// Both roots: "α = (5 + 1) ÷ 2 = 6 ÷ 2 = 3".
void RootStep(Working working, std::string_view name, double minusC, std::string_view sign, double root,
              double numerator, double twoB, double value)
{
    working.step([&] {
        return std::string(name) + " = (" + Plain(minusC) + std::string(sign) + Plain(root) + ") ÷ " + Factor(twoB) +
               " = " + Plain(numerator) + " ÷ " + Factor(twoB) + Equals(value);
    });
}

void Rounding(Working working, std::initializer_list<double> shown)
{
    for (const double x : shown) {
        if (!ShownExactly(x)) {
            working.step("≈: written to 15 significant digits, as the answer is");
            return;
        }
    }
}

} // namespace

double discriminant(double b, double c, double d, Working working)
{
    const double square = Mul(c, c);
    const double product = Mul(Mul(4, b), d);
    const double D = Sub(square, product);
    working.step([&] {
        return "D = b² − 4ac = " + Factor(c) + "² − 4 × " + Factor(b) + " × " + Factor(d) + " = " +
               SignedSum({square, -product}) + " = " + Plain(D);
    });
    return D;
}

std::string decimalroots(double b, double c, double d, Working working)
{
    const double D = discriminant(b, c, d);
    const double twoB = Mul(2, b);
    working.step([&] { return "x = (−b ± √D) ÷ 2a = (" + Plain(-c) + " ± √" + Factor(D) + ") ÷ " + Factor(twoB); });
    std::string text;
    if (D >= 0) {
        const double root = Sqrt(D);
        working.step([&] { return "√" + Plain(D) + Equals(root); });
        const double up = Add(-c, root);
        const double r1 = Divide(up, twoB);
        RootStep(working, "α", -c, " + ", root, up, twoB, r1);
        const double down = Sub(-c, root);
        const double r2 = Divide(down, twoB);
        RootStep(working, "β", -c, " − ", root, down, twoB, r2);
        Rounding(working, {root, r1, r2});
        text = "a =" + FormatSpaced(r1) + "; b =" + FormatSpaced(r2);
    } else {
        // The imaginary part keeps the sign of b, as the roots' order does.
        working.step("D < 0: √D = i√(−D), so the roots are complex: x = −b ÷ 2a ± (√(−D) ÷ 2a)i");
        const double re = Divide(-c, twoB);
        working.step([&] { return "−b ÷ 2a = " + Plain(-c) + " ÷ " + Factor(twoB) + Equals(re); });
        const double root = Sqrt(-D);
        const double im = Divide(root, twoB);
        working.step([&] {
            return "√(−D) ÷ 2a = √" + Plain(-D) + " ÷ " + Factor(twoB) + " = " + Plain(root) + " ÷ " + Factor(twoB) +
                   Equals(im);
        });
        Rounding(working, {re, root, im});
        const std::string first = FormatSpaced(re) + "+ (" + FormatSpaced(im) + ")i";
        const std::string second = FormatSpaced(re) + "- (" + FormatSpaced(im) + ")i";
        text = "a =" + first + "; b =" + second;
    }
    working.step([&] { return answerglyphs(text); });
    return text;
}

bool wholecoefficients(double b, double c, double d)
{
    return Truncate(b) == b && Truncate(c) == c && Truncate(d) == d;
}

std::string_view notquadratic(double b, double c, Working working)
{
    if (b != 0)
        return {};
    working.step(c == 0 ? "a = 0 and b = 0: there is no x² term and no x term, so no equation to solve"
                        : "a = 0: there is no x² term, so the equation is linear, not quadratic");
    const std::string_view message = c == 0 ? kNoEquation : kLinearEquation;
    working.step(message);
    return message;
}

std::string quadroots(double b, double c, double d, bool integral, Working working)
{
    working.step([&] {
        return Polynomial({{b, "x²"}, {c, "x"}, {d, ""}}) + " = 0: a = " + Plain(b) + ", b = " + Plain(c) +
               ", c = " + Plain(d);
    });
    const double D = discriminant(b, c, d, working);
    if (!wholecoefficients(b, c, d)) {
        working.step("a, b and c are not all whole numbers: the roots are written as decimals");
        return decimalroots(b, c, d, working);
    }
    if (!integral) {
        working.step("“Rational” is chosen: the roots are written as decimals");
        return decimalroots(b, c, d, working);
    }
    const double root = Sqrt(std::fabs(D));
    if (Truncate(root) == root) {
        working.step([&] {
            if (D == 0)
                return std::string("D = 0: the two roots are equal");
            return "|D| = " + Plain(std::fabs(D)) + " = " + Plain(root) + "², a perfect square: the roots need no √";
        });
        return decimalroots(b, c, d, working);
    }
    working.step([&] {
        return "|D| = " + Plain(std::fabs(D)) + " is not a perfect square: the roots are written exactly, with √";
    });
    return surdroots(b, c, d, working);
}

std::string answerglyphs(std::string_view answer)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kGlyphs = {
        {{"a", "α"}, {"b", "β"}, {"i", "ι"}, {"Ö", "√"}}};
    std::string shown;
    for (std::size_t at = 0; at < answer.size();) {
        const auto* glyph = std::find_if(kGlyphs.begin(), kGlyphs.end(),
                                         [&](const auto& g) { return answer.substr(at).starts_with(g.first); });
        if (glyph != kGlyphs.end()) {
            shown += glyph->second;
            at += glyph->first.size();
        } else {
            shown += answer[at++];
        }
    }
    return shown;
}

} // namespace zentaro::algebra
