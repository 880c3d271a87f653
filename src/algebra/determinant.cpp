#include "algebra/determinant.h"

#include "conventions/arithmetic.h"
#include "conventions/step_text.h"

#include <cstddef>
#include <string>

namespace zentaro::algebra {
namespace {

template <std::size_t N> std::string Rows(const std::array<double, N * N>& a)
{
    std::string text = "rows ";
    for (std::size_t row = 0; row < N; ++row) {
        text += row == 0 ? "(" : ", (";
        for (std::size_t col = 0; col < N; ++col)
            text += (col == 0 ? "" : ", ") + Plain(a[row * N + col]);
        text += ")";
    }
    return text;
}

// Inside a 4 × 4 expansion a minor's own steps are indented and its minors
// written in lower case, so that they do not read as the outer ones.
double Det3(const Square3& a, std::string_view name, std::string_view indent, Working working)
{
    const std::string m(indent.empty() ? "M" : "m");
    const std::string prefix = std::string(indent) + std::string(name);
    working.step([&] {
        return prefix + ": " + Rows<3>(a) + "; along the first row, " + std::string(name) + " = " + Plain(a[0]) +
               " × " + m + "₁ − " + Factor(a[1]) + " × " + m + "₂ + " + Factor(a[2]) + " × " + m + "₃";
    });
    const auto minorOf = [&](std::string_view index, double x, double y, double z, double w) {
        const Difference d = DifferenceOf(x, y, z, w);
        working.step(
            [&] { return std::string(indent) + m + std::string(index) + " = " + WrittenDifference(x, y, z, w, d); });
        return d.value;
    };
    const double m1 = minorOf("₁", a[4], a[8], a[5], a[7]);
    // Products commute exactly, so the minors read in the usual order.
    const double m2 = minorOf("₂", a[3], a[8], a[5], a[6]);
    const double m3 = minorOf("₃", a[3], a[7], a[4], a[6]);
    const double t1 = Mul(m1, a[0]);
    const double t2 = Mul(m2, a[1]);
    const double t3 = Mul(m3, a[2]);
    const double result = Add(Sub(t1, t2), t3);
    working.step([&] {
        return prefix + " = " + Plain(a[0]) + " × " + Factor(m1) + " − " + Factor(a[1]) + " × " + Factor(m2) + " + " +
               Factor(a[2]) + " × " + Factor(m3) + " = " + SignedSum({t1, -t2, t3}) + " = " + Plain(result);
    });
    return result;
}

} // namespace

double det2(double a, double b, double c, double d, Working working)
{
    return det2(a, b, c, d, "D", working);
}

double det2(double a, double b, double c, double d, std::string_view name, Working working)
{
    const Difference result = DifferenceOf(a, d, c, b);
    working.step([&] { return std::string(name) + ": " + Rows<2>({a, b, c, d}); });
    working.step([&] { return std::string(name) + " = " + WrittenDifference(a, d, c, b, result); });
    return result.value;
}

double det(const Square3& a, Working working)
{
    return Det3(a, "D", "", working);
}

double det(const Square3& a, std::string_view name, Working working)
{
    return Det3(a, name, "", working);
}

Square3 minor(const Square4& a, int column)
{
    Square3 m{};
    std::size_t next = 0;
    for (std::size_t row = 1; row < 4; ++row) {
        for (std::size_t col = 0; col < 4; ++col) {
            if (static_cast<int>(col) != column)
                m[next++] = a[row * 4 + col];
        }
    }
    return m;
}

double delta(const Square4& a, Working working)
{
    return delta(a, "D", working);
}

double delta(const Square4& a, std::string_view name, Working working)
{
    working.step([&] {
        return std::string(name) + ": " + Rows<4>(a) + "; along the first row, " + std::string(name) + " = " +
               Plain(a[0]) + " × M₁ − " + Factor(a[1]) + " × M₂ + " + Factor(a[2]) + " × M₃ − " + Factor(a[3]) +
               " × M₄";
    });
    const double m1 = Det3(minor(a, 0), "M₁", "    ", working);
    const double t1 = Mul(m1, a[0]);
    const double m2 = Det3(minor(a, 1), "M₂", "    ", working);
    const double t2 = Mul(m2, a[1]);
    const double m3 = Det3(minor(a, 2), "M₃", "    ", working);
    const double t3 = Mul(m3, a[2]);
    const double m4 = Det3(minor(a, 3), "M₄", "    ", working);
    const double t4 = Mul(m4, a[3]);
    const double result = Sub(Add(Sub(t1, t2), t3), t4);
    working.step([&] {
        return std::string(name) + " = " + Plain(a[0]) + " × " + Factor(m1) + " − " + Factor(a[1]) + " × " +
               Factor(m2) + " + " + Factor(a[2]) + " × " + Factor(m3) + " − " + Factor(a[3]) + " × " + Factor(m4) +
               " = " + SignedSum({t1, -t2, t3, -t4}) + " = " + Plain(result);
    });
    return result;
}

} // namespace zentaro::algebra
