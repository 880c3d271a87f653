#include "algebra/determinant.h"

#include "conventions/arithmetic.h"

#include <cstddef>

namespace zentaro::algebra {

double det2(double a, double b, double c, double d)
{
    return Sub(Mul(a, d), Mul(c, b));
}

double det(const Square3& a)
{
    const double m1 = Sub(Mul(a[4], a[8]), Mul(a[5], a[7]));
    const double m2 = Sub(Mul(a[8], a[3]), Mul(a[5], a[6]));
    const double m3 = Sub(Mul(a[7], a[3]), Mul(a[4], a[6]));
    return Add(Sub(Mul(m1, a[0]), Mul(m2, a[1])), Mul(m3, a[2]));
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

double delta(const Square4& a)
{
    const double t1 = Mul(det(minor(a, 0)), a[0]);
    const double t2 = Mul(det(minor(a, 1)), a[1]);
    const double t3 = Mul(det(minor(a, 2)), a[2]);
    const double t4 = Mul(det(minor(a, 3)), a[3]);
    return Sub(Add(Sub(t1, t2), t3), t4);
}

} // namespace zentaro::algebra
