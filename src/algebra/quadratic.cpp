#include "algebra/quadratic.h"

#include "conventions/numbers.h"

#include <cmath>

namespace zentaro::algebra {

double discriminant(double b, double c, double d)
{
    return Sub(Mul(c, c), Mul(Mul(4, b), d));
}

std::string decimalroots(double b, double c, double d)
{
    const double D = discriminant(b, c, d);
    const double twoB = Mul(2, b);
    if (D >= 0) {
        const double root = Sqrt(D);
        const double r1 = Divide(Add(-c, root), twoB);
        const double r2 = Divide(Sub(-c, root), twoB);
        return "a =" + FormatSpaced(r1) + "; b =" + FormatSpaced(r2);
    }
    // The imaginary part keeps the sign of b, as the roots' order does.
    const double re = Divide(-c, twoB);
    const double im = Divide(Sqrt(-D), twoB);
    const std::string first = FormatSpaced(re) + "+ (" + FormatSpaced(im) + ")i";
    const std::string second = FormatSpaced(re) + "- (" + FormatSpaced(im) + ")i";
    return "a =" + first + "; b =" + second;
}

bool wholecoefficients(double b, double c, double d)
{
    return Truncate(b) == b && Truncate(c) == c && Truncate(d) == d;
}

std::string_view notquadratic(double b, double c)
{
    if (b != 0)
        return {};
    return c == 0 ? kNoEquation : kLinearEquation;
}

std::string quadroots(double b, double c, double d, bool integral)
{
    if (!integral || !wholecoefficients(b, c, d))
        return decimalroots(b, c, d);
    const double root = Sqrt(std::fabs(discriminant(b, c, d)));
    if (Truncate(root) == root)
        return decimalroots(b, c, d);
    return surdroots(b, c, d);
}

} // namespace zentaro::algebra
