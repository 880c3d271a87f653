#include "algebra/linear_system.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"

#include <cstddef>

namespace zentaro::algebra {
namespace {

constexpr std::array<std::string_view, 4> kUnknowns = {"x", "y", "z", "u"};

// The coefficient matrix with column `column` replaced by the right-hand sides.
template <typename Square, std::size_t N>
Square Replaced(const Square& coefficients, const std::array<double, N>& constants, std::size_t column)
{
    Square m = coefficients;
    for (std::size_t row = 0; row < N; ++row)
        m[row * N + column] = constants[row];
    return m;
}

// Each equation as written by hand, "x − y + z = 2", then the rule.
template <std::size_t N>
void StateSystem(const std::array<double, N * N>& coefficients, const std::array<double, N>& constants, Working working)
{
    for (std::size_t row = 0; row < N; ++row) {
        working.step([&] {
            std::vector<Term> terms;
            for (std::size_t col = 0; col < N; ++col)
                terms.emplace_back(coefficients[row * N + col], kUnknowns[col]);
            return Polynomial(terms) + " = " + Plain(constants[row]);
        });
    }
    working.step([&] {
        std::string rule;
        std::string names;
        for (std::size_t k = 0; k < N; ++k) {
            const std::string unknown(kUnknowns[k]);
            rule += (k == 0 ? "" : ", ") + unknown + " = D" + unknown + " ÷ D";
            names += (k == 0 ? "" : ", ") + std::string("D") + unknown;
        }
        return "Cramer's rule: " + rule + "; D is the determinant of the coefficients, and " + names +
               " are D with that unknown's column replaced by the right-hand sides";
    });
}

void NoUniqueSolution(Working working)
{
    working.step("D = 0: Cramer's rule needs D ≠ 0; the equations have no common solution or infinitely many");
    working.step(kNoUniqueSolution);
}

double Quotient(std::size_t k, double numerator, double d, Working working)
{
    const double value = Divide(numerator, d);
    working.step([&] {
        const std::string name(kUnknowns[k]);
        return name + " = D" + name + " ÷ D = " + Plain(numerator) + " ÷ " + Factor(d) + Equals(value);
    });
    return value;
}

// Every numerator determinant first, in the order of the unknowns, then the quotients.
template <typename Square, std::size_t N, typename Determinant> std::string
Solve(const Square& coefficients, const std::array<double, N>& constants, Determinant determinant, Working working)
{
    static constexpr std::array<const char*, 4> names = {"x=", "; y=", "; z=", "; u="};
    StateSystem<N>(coefficients, constants, working);
    const double d = determinant(coefficients, "D", working);
    if (d == 0) {
        NoUniqueSolution(working);
        return std::string(kNoUniqueSolution);
    }
    std::array<double, N> numerators{};
    for (std::size_t k = 0; k < N; ++k)
        numerators[k] =
            determinant(Replaced(coefficients, constants, k), std::string("D").append(kUnknowns[k]), working);
    std::string text;
    for (std::size_t k = 0; k < N; ++k)
        text += names[k] + FormatSpaced(Quotient(k, numerators[k], d, working));
    working.step(text);
    return text;
}

} // namespace

std::string cramer2(double x1, double y1, double z1, double x2, double y2, double z2, Working working)
{
    StateSystem<2>({x1, y1, x2, y2}, {z1, z2}, working);
    const double d = det2(x1, y1, x2, y2, "D", working);
    if (d == 0) {
        NoUniqueSolution(working);
        return std::string(kNoUniqueSolution);
    }
    const double x = Quotient(0, det2(z1, y1, z2, y2, "Dx", working), d, working);
    const double y = Quotient(1, det2(x1, z1, x2, z2, "Dy", working), d, working);
    std::string text = "x =" + FormatSpaced(x) + "; y =" + FormatSpaced(y);
    working.step(text);
    return text;
}

std::string cramer3(const Square3& coefficients, const std::array<double, 3>& constants, Working working)
{
    return Solve(
        coefficients, constants, [](const Square3& m, std::string_view name, Working w) { return det(m, name, w); },
        working);
}

std::string cramer4(const Square4& coefficients, const std::array<double, 4>& constants, Working working)
{
    return Solve(
        coefficients, constants, [](const Square4& m, std::string_view name, Working w) { return delta(m, name, w); },
        working);
}

} // namespace zentaro::algebra
