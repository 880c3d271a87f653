#include "geometry/vectors.h"

#include "conventions/numbers.h"

#include <cmath>

namespace zentaro::geometry {
namespace {

double Square(double x)
{
    return Mul(x, x);
}

// The components of a × b, each in the order the products were always taken.
Vector Cross(double a1, double a2, double a3, double b1, double b2, double b3)
{
    return {Sub(Mul(a2, b3), Mul(a3, b2)), Sub(Mul(a3, b1), Mul(b3, a1)), Sub(Mul(b2, a1), Mul(a2, b1))};
}

std::string Components(const Vector& v, const char* afterI, const char* afterJ)
{
    std::string text = "(";
    text += FormatSpaced(v.i);
    text += afterI;
    text += FormatSpaced(v.j);
    text += afterJ;
    text += FormatSpaced(v.k);
    text += ")k";
    return text;
}

} // namespace

double det(double a1, double a2, double a3, double b1, double b2, double b3, double c1, double c2, double c3)
{
    const double t1 = Sub(Mul(b2, c3), Mul(b3, c2));
    const double t2 = Sub(Mul(c3, b1), Mul(b3, c1));
    const double t3 = Sub(Mul(c2, b1), Mul(b2, c1));
    return Add(Sub(Mul(t1, a1), Mul(t2, a2)), Mul(t3, a3));
}

std::string vectorab(double a1, double a2, double a3, double b1, double b2, double b3)
{
    return Components(Cross(a1, a2, a3, b1, b2, b3), ")i +(", ")j +(");
}

double modvectorab(double a1, double a2, double a3, double b1, double b2, double b3)
{
    const Vector x = Cross(a1, a2, a3, b1, b2, b3);
    return Sqrt(Add(Add(Square(x.j), Square(x.i)), Square(x.k)));
}

double scalarab(double a1, double a2, double a3, double b1, double b2, double b3)
{
    return Add(Add(Mul(a2, b2), Mul(b1, a1)), Mul(a3, b3));
}

double modulus(const Vector& v)
{
    return Sqrt(Add(Add(Square(v.i), Square(v.j)), Square(v.k)));
}

std::string sumtext(const Vector& a, const Vector& b)
{
    return Components({Add(a.i, b.i), Add(a.j, b.j), Add(a.k, b.k)}, ")i +(", ")j +(");
}

std::string differencetext(const Vector& a, const Vector& b)
{
    return Components({Sub(a.i, b.i), Sub(a.j, b.j), Sub(a.k, b.k)}, ")i +(", ")j +(");
}

std::string angletext(const Vector& a, const Vector& b)
{
    const double lengtha = modulus(a);
    const double lengthb = modulus(b);
    const double dot = scalarab(a.i, a.j, a.k, b.i, b.j, b.k);
    const double cross = modvectorab(a.i, a.j, a.k, b.i, b.j, b.k);
    if (cross == 0 && (lengtha == 0 || lengthb == 0))
        return "-";
    // Both the sine (|a × b|) and the cosine (a · b) go in, so an obtuse angle
    // comes out above 90° and opposite vectors at 180°.
    const double degrees = dot == 0 ? 90 : (45 / std::atan(1.0)) * std::atan2(cross, dot);
    return FormatPlain(RoundHalfEven(degrees, 4)) + "°";
}

Vector vectortriple(const Vector& p, const Vector& q, const Vector& r)
{
    const double pr = scalarab(p.i, p.j, p.k, r.i, r.j, r.k);
    const double pq = scalarab(p.i, p.j, p.k, q.i, q.j, q.k);
    return {Sub(Mul(pr, q.i), Mul(pq, r.i)), Sub(Mul(pr, q.j), Mul(pq, r.j)), Sub(Mul(pr, q.k), Mul(pq, r.k))};
}

std::string tripletext(const Vector& u)
{
    return Components(u, ")i + (", ")j + (");
}

} // namespace zentaro::geometry
