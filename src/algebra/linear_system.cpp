#include "algebra/linear_system.h"

#include "conventions/numbers.h"

#include <cstddef>

namespace zentaro::algebra {
namespace {

// The coefficient matrix with column `column` replaced by the right-hand sides.
template <typename Square, std::size_t N>
Square Replaced(const Square& coefficients, const std::array<double, N>& constants, std::size_t column)
{
    Square m = coefficients;
    for (std::size_t row = 0; row < N; ++row)
        m[row * N + column] = constants[row];
    return m;
}

// Every numerator determinant first, in the order of the unknowns, then the quotients.
template <typename Square, std::size_t N, typename Determinant>
std::string Solve(const Square& coefficients, const std::array<double, N>& constants, Determinant determinant)
{
    static constexpr std::array<const char*, 4> names = {"x=", "; y=", "; z=", "; u="};
    const double d = determinant(coefficients);
    if (d == 0)
        return std::string(kNoUniqueSolution);
    std::array<double, N> numerators{};
    for (std::size_t k = 0; k < N; ++k)
        numerators[k] = determinant(Replaced(coefficients, constants, k));
    std::string text;
    for (std::size_t k = 0; k < N; ++k)
        text += names[k] + FormatSpaced(Divide(numerators[k], d));
    return text;
}

} // namespace

std::string cramer2(double x1, double y1, double z1, double x2, double y2, double z2)
{
    const double d = det2(x1, y1, x2, y2);
    if (d == 0)
        return std::string(kNoUniqueSolution);
    const double x = Divide(det2(z1, y1, z2, y2), d);
    const double y = Divide(det2(x1, z1, x2, z2), d);
    return "x =" + FormatSpaced(x) + "; y =" + FormatSpaced(y);
}

std::string cramer3(const Square3& coefficients, const std::array<double, 3>& constants)
{
    return Solve(coefficients, constants, [](const Square3& m) { return det(m); });
}

std::string cramer4(const Square4& coefficients, const std::array<double, 4>& constants)
{
    return Solve(coefficients, constants, [](const Square4& m) { return delta(m); });
}

} // namespace zentaro::algebra
