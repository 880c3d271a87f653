#include "geometry/triangle.h"

#include "conventions/numbers.h"

#include <cmath>

namespace zentaro::geometry {
namespace {

// Degrees to radians: every angle is multiplied by it on the way into a
// trigonometric function and divided by it on the way out.
double DegreesToRadians()
{
    return std::atan(1.0) / 45;
}

double Square(double x)
{
    return Mul(x, x);
}

// The half-angle formula: the angle opposite a side whose s - side is `opposite`.
double HalfAngle(double area, double s, double opposite, double d)
{
    return Divide(Mul(2, std::atan(Divide(area, Mul(s, opposite)))), d);
}

double Heron(double s, double sa, double sb, double sc)
{
    return Sqrt(Mul(Mul(Mul(s, sa), sb), sc));
}

double SemiPerimeter(double a, double b, double c)
{
    return Divide(Add(Add(b, a), c), 2);
}

// Three sides as typed. Decimals are held only approximately (0.1 + 0.2 is a
// little above 0.3), so a margin within that rounding is no margin: such sides
// lie flat. Sides computed from angles keep the plain inequality.
bool FitsTypedSides(double a, double b, double c)
{
    constexpr double kRounding = 1e-15;
    const double s = SemiPerimeter(a, b, c);
    const double margin = kRounding * s;
    return s - a > margin && s - b > margin && s - c > margin;
}

Solution Solved(const Triangle& triangle)
{
    if (!formstriangle(triangle.a, triangle.b, triangle.c))
        return {Outcome::NoTriangle, {}};
    return {Outcome::Solved, triangle};
}

} // namespace

std::string deci4(double x)
{
    return FormatSpaced(RoundHalfEven(x, 4));
}

bool formstriangle(double a, double b, double c)
{
    const double s = SemiPerimeter(a, b, c);
    return s > a && s > b && s > c;
}

Solution solveasa(double a, double B, double C)
{
    if (!(a > 0 && B > 0 && C > 0))
        return {Outcome::NoTriangle, {}};
    const double d = DegreesToRadians();
    Triangle t{a, 0, 0, 0, B, C};
    t.A = Sub(Sub(180, B), C);
    if (!(t.A > 0))
        return {Outcome::NoTriangle, {}};
    t.b = Divide(Mul(std::sin(Mul(B, d)), a), std::sin(Mul(t.A, d)));
    t.c = Divide(Mul(std::sin(Mul(C, d)), a), std::sin(Mul(t.A, d)));
    return Solved(t);
}

Solution solvesas(double A, double b, double c)
{
    if (!(b > 0 && c > 0 && A > 0 && A < 180))
        return {Outcome::NoTriangle, {}};
    const double d = DegreesToRadians();
    Triangle t{0, b, c, A, 0, 0};
    // Law of cosines for a, then the law of tangents for half of B - C.
    t.a = Sqrt(Sub(Add(Square(c), Square(b)), Mul(Mul(Mul(2, b), c), std::cos(Mul(A, d)))));
    const double tangent = std::tan(Divide(Mul(A, d), 2));
    const double h = Divide(std::atan(Divide(Divide(Sub(b, c), Add(c, b)), tangent)), d);
    t.B = Add(Mul(Sub(180, A), 0.5), h);
    t.C = Divide(Sub(Sub(180, A), Mul(2, h)), 2);
    return Solved(t);
}

Solution solvesss(double a, double b, double c)
{
    if (!FitsTypedSides(a, b, c))
        return {Outcome::NoTriangle, {}};
    const double d = DegreesToRadians();
    const double s = SemiPerimeter(a, b, c);
    const double sa = Sub(s, a);
    const double sb = Sub(s, b);
    const double sc = Sub(s, c);
    const double area = Heron(s, sa, sb, sc);
    Triangle t{a, b, c, 0, 0, 0};
    t.A = HalfAngle(area, s, sa, d);
    t.B = HalfAngle(area, s, sb, d);
    t.C = Sub(Sub(180, t.A), t.B);
    return {Outcome::Solved, t};
}

Solution solvessa(double B, double b, double c, const Chooser& choose)
{
    if (!(b > 0 && c > 0 && B > 0 && B < 180))
        return {Outcome::NoTriangle, {}};
    const double d = DegreesToRadians();
    const double disc = Sub(Square(b), Mul(Square(c), Square(std::sin(Mul(B, d)))));
    if (disc < 0)
        return {Outcome::NoTriangle, {}};

    double a = 0;
    double a1 = 0;
    double a2 = 0;
    if (disc == 0)
        a = Mul(std::cos(Mul(B, d)), c);
    if (disc > 0) {
        a1 = RoundHalfEven(Add(Mul(std::cos(Mul(B, d)), c), Sqrt(disc)), 8);
        a2 = RoundHalfEven(Sub(a1, Mul(2, Sqrt(disc))), 8);
        if (a2 > 0) {
            const std::string reply = choose(a1, a2);
            if (reply == "a1")
                a = a1;
            else if (reply == "a2")
                a = a2;
            else
                return {Outcome::BackedOut, {}};
        }
    }
    if (a2 <= 0 && a1 > 0)
        a = a1;
    // No positive root: the side a of the data cannot be found.
    if (!(a > 0) || !formstriangle(a, b, c))
        return {Outcome::NoTriangle, {}};

    const double s = SemiPerimeter(a, b, c);
    const double area = Heron(s, Sub(s, a), Sub(s, b), Sub(s, c));
    Triangle t{a, b, c, 0, B, 0};
    t.A = HalfAngle(area, s, Sub(s, a), d);
    t.C = Sub(Sub(180, t.A), B);
    return {Outcome::Solved, t};
}

Measures trimeasures(double a, double b, double c)
{
    Measures m;
    m.s = SemiPerimeter(a, b, c);
    m.sa = Sub(m.s, a);
    m.sb = Sub(m.s, b);
    m.sc = Sub(m.s, c);
    m.area = Heron(m.s, m.sa, m.sb, m.sc);
    m.R = Divide(Mul(Mul(b, a), c), Mul(m.area, 4));
    m.r = Divide(m.area, m.s);
    m.r1 = Divide(m.area, m.sa);
    m.r2 = Divide(m.area, m.sb);
    m.r3 = Divide(m.area, m.sc);
    return m;
}

} // namespace zentaro::geometry
