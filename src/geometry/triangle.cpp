#include "geometry/triangle.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"

#include <cmath>
#include <initializer_list>
#include <utility>

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

std::string Degrees(double x)
{
    return Plain(x) + "°";
}

// The half-angle formula: the angle opposite a side whose s - side is `opposite`.
double HalfAngle(double area, double s, double opposite, double d, std::string_view angle, std::string_view side,
                 Working working)
{
    const double degrees = Divide(Mul(2, std::atan(Divide(area, Mul(s, opposite)))), d);
    working.step([&] {
        return std::string(angle) + " = 2 atan(Area ÷ (s(s − " + std::string(side) + "))) = 2 atan(" + Plain(area) +
               " ÷ (" + Plain(s) + " × " + Factor(opposite) + "))" + Equals(degrees) + "° (half-angle formula)";
    });
    return degrees;
}

double Heron(double s, double sa, double sb, double sc, Working working)
{
    const double product = Mul(Mul(Mul(s, sa), sb), sc);
    const double area = Sqrt(product);
    working.step([&] {
        return "Area = √(s(s − a)(s − b)(s − c)) = √(" + Plain(s) + " × " + Factor(sa) + " × " + Factor(sb) + " × " +
               Factor(sc) + ") = √" + Plain(product) + Equals(area) + " (Heron's formula)";
    });
    return area;
}

double SemiPerimeter(double a, double b, double c, Working working = {})
{
    const double s = Divide(Add(Add(b, a), c), 2);
    working.step([&] {
        return "s = (a + b + c) ÷ 2 = (" + Plain(a) + " + " + Factor(b) + " + " + Factor(c) + ") ÷ 2" + Equals(s);
    });
    return s;
}

// s − a, s − b, s − c.
struct Excess {
    double sa, sb, sc;
};

Excess ExcessOf(double s, double a, double b, double c, Working working)
{
    const Excess e{Sub(s, a), Sub(s, b), Sub(s, c)};
    working.step([&] { return "s − a = " + Plain(e.sa) + ", s − b = " + Plain(e.sb) + ", s − c = " + Plain(e.sc); });
    return e;
}

// Three sides as typed. Decimals are held only approximately (0.1 + 0.2 is a
// little above 0.3), so a margin within that rounding is no margin: such sides
// lie flat. Sides computed from angles keep the plain inequality.
bool FitsTypedSides(double s, const Excess& e)
{
    constexpr double kRounding = 1e-15;
    const double margin = kRounding * s;
    return e.sa > margin && e.sb > margin && e.sc > margin;
}

Solution NoTriangle(Working working, std::string_view why)
{
    working.step([&] { return "No triangle: " + std::string(why); });
    return {Outcome::NoTriangle, {}};
}

Solution Solved(const Triangle& triangle, Working working)
{
    if (!formstriangle(triangle.a, triangle.b, triangle.c))
        return NoTriangle(working, "the sides found are not each shorter than the other two together");
    return {Outcome::Solved, triangle};
}

// The three parts given; the angles (capital letters) in degrees.
void Given(Working working, std::initializer_list<std::pair<char, double>> parts)
{
    working.step([&] {
        std::string text = "Given";
        for (const auto& [name, value] : parts) {
            text += text == "Given" ? " " : ", ";
            text += name;
            text += " = " + (name >= 'A' && name <= 'Z' ? Degrees(value) : Plain(value));
        }
        return text;
    });
}

// The third angle from the other two: "C = 180° − A − B = ...".
double AngleSum(double first, double second, std::string_view names, Working working)
{
    const double third = Sub(Sub(180, first), second);
    working.step([&] {
        return std::string(names) + " = 180° − " + Degrees(first) + " − " + Factor(second) + "°" + Equals(third) +
               "° (angle sum)";
    });
    return third;
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

Solution solveasa(double a, double B, double C, Working working)
{
    Given(working, {{'a', a}, {'B', B}, {'C', C}});
    if (!(a > 0 && B > 0 && C > 0))
        return NoTriangle(working, "a, B and C must all be above 0");
    const double d = DegreesToRadians();
    Triangle t{a, 0, 0, 0, B, C};
    t.A = AngleSum(B, C, "A = 180° − B − C", working);
    if (!(t.A > 0))
        return NoTriangle(working, "B and C leave no room for A");
    const auto sineRule = [&](double angle, std::string_view side, std::string_view opposite) {
        const double value = Divide(Mul(std::sin(Mul(angle, d)), a), std::sin(Mul(t.A, d)));
        working.step([&] {
            return std::string(side) + " = a sin " + std::string(opposite) + " ÷ sin A = " + Plain(a) + " × sin " +
                   Degrees(angle) + " ÷ sin " + Degrees(t.A) + Equals(value) + " (sine rule)";
        });
        return value;
    };
    t.b = sineRule(B, "b", "B");
    t.c = sineRule(C, "c", "C");
    return Solved(t, working);
}

Solution solvesas(double A, double b, double c, Working working)
{
    Given(working, {{'A', A}, {'b', b}, {'c', c}});
    if (!(b > 0 && c > 0 && A > 0 && A < 180))
        return NoTriangle(working, "b and c must be above 0, and A between 0° and 180°");
    const double d = DegreesToRadians();
    Triangle t{0, b, c, A, 0, 0};
    // Law of cosines for a, then the law of tangents for half of B - C.
    const double square = Sub(Add(Square(c), Square(b)), Mul(Mul(Mul(2, b), c), std::cos(Mul(A, d))));
    t.a = Sqrt(square);
    working.step([&] {
        return "a = √(b² + c² − 2bc cos A) = √(" + Plain(b) + "² + " + Plain(c) + "² − 2 × " + Plain(b) + " × " +
               Plain(c) + " × cos " + Degrees(A) + ") = √" + Plain(square) + Equals(t.a) + " (cosine rule)";
    });
    const double tangent = std::tan(Divide(Mul(A, d), 2));
    const double h = Divide(std::atan(Divide(Divide(Sub(b, c), Add(c, b)), tangent)), d);
    working.step([&] {
        return "h = (B − C) ÷ 2 = atan((b − c) ÷ (b + c) ÷ tan(A ÷ 2)) = atan((" + Plain(b) + " − " + Plain(c) +
               ") ÷ (" + Plain(b) + " + " + Plain(c) + ") ÷ tan(" + Degrees(A) + " ÷ 2))" + Equals(h) +
               "° (tangent rule)";
    });
    t.B = Add(Mul(Sub(180, A), 0.5), h);
    working.step([&] {
        return "B = (180° − A) ÷ 2 + h = (180° − " + Degrees(A) + ") ÷ 2 + " + Factor(h) + "°" + Equals(t.B) + "°";
    });
    t.C = Divide(Sub(Sub(180, A), Mul(2, h)), 2);
    working.step([&] {
        return "C = (180° − A − 2h) ÷ 2 = (180° − " + Degrees(A) + " − 2 × " + Factor(h) + "°) ÷ 2" + Equals(t.C) + "°";
    });
    return Solved(t, working);
}

Solution solvesss(double a, double b, double c, Working working)
{
    Given(working, {{'a', a}, {'b', b}, {'c', c}});
    const double s = SemiPerimeter(a, b, c, working);
    const Excess e = ExcessOf(s, a, b, c, working);
    if (!FitsTypedSides(s, e))
        return NoTriangle(working, "each side must be shorter than the other two together (s − a, s − b, s − c "
                                   "above 0)");
    const double d = DegreesToRadians();
    const double area = Heron(s, e.sa, e.sb, e.sc, working);
    Triangle t{a, b, c, 0, 0, 0};
    t.A = HalfAngle(area, s, e.sa, d, "A", "a", working);
    t.B = HalfAngle(area, s, e.sb, d, "B", "b", working);
    t.C = AngleSum(t.A, t.B, "C = 180° − A − B", working);
    return {Outcome::Solved, t};
}

Solution solvessa(double B, double b, double c, const Chooser& choose, Working working)
{
    Given(working, {{'B', B}, {'b', b}, {'c', c}});
    if (!(b > 0 && c > 0 && B > 0 && B < 180))
        return NoTriangle(working, "b and c must be above 0, and B between 0° and 180°");
    const double d = DegreesToRadians();
    working.step("b² = a² + c² − 2ac cos B (cosine rule) is a quadratic in a: a = c cos B ± √(b² − c² sin² B)");
    const double disc = Sub(Square(b), Mul(Square(c), Square(std::sin(Mul(B, d)))));
    working.step(
        [&] { return "b² − c² sin² B = " + Plain(b) + "² − " + Plain(c) + "² × sin² " + Degrees(B) + Equals(disc); });
    if (disc < 0)
        return NoTriangle(working, "b² − c² sin² B is below 0: side b is too short to reach the third side");

    double a = 0;
    double a1 = 0;
    double a2 = 0;
    if (disc == 0) {
        a = Mul(std::cos(Mul(B, d)), c);
        working.step([&] {
            return "b² − c² sin² B = 0: one triangle, right-angled at C, a = c cos B = " + Plain(c) + " × cos " +
                   Degrees(B) + Equals(a);
        });
    }
    if (disc > 0) {
        a1 = RoundHalfEven(Add(Mul(std::cos(Mul(B, d)), c), Sqrt(disc)), 8);
        working.step([&] {
            return "a₁ = c cos B + √(b² − c² sin² B) = " + Plain(c) + " × cos " + Degrees(B) + " + √" + Plain(disc) +
                   Equals(a1) + " (to 8 decimals)";
        });
        a2 = RoundHalfEven(Sub(a1, Mul(2, Sqrt(disc))), 8);
        working.step([&] {
            return "a₂ = a₁ − 2√(b² − c² sin² B) = " + Plain(a1) + " − 2 × √" + Plain(disc) + Equals(a2) +
                   " (to 8 decimals)";
        });
        if (a2 > 0) {
            working.step("a₁ and a₂ are both above 0: two triangles fit the data (the ambiguous case), one is chosen");
            const std::string reply = choose(a1, a2);
            if (reply == "a1") {
                a = a1;
            } else if (reply == "a2") {
                a = a2;
            } else {
                working.step("Neither a1 nor a2 was chosen: nothing is solved");
                return {Outcome::BackedOut, {}};
            }
            working.step([&] { return "Chosen: " + reply + ", so a = " + Plain(a); });
        }
    }
    if (a2 <= 0 && a1 > 0) {
        a = a1;
        working.step([&] { return "a₂ is not above 0, so one triangle fits: a = a₁ = " + Plain(a); });
    }
    // No positive root: the side a of the data cannot be found.
    if (!(a > 0) || !formstriangle(a, b, c))
        return NoTriangle(working, "no value of a above 0 makes a triangle with b and c");

    const double s = SemiPerimeter(a, b, c, working);
    const Excess e = ExcessOf(s, a, b, c, working);
    const double area = Heron(s, e.sa, e.sb, e.sc, working);
    Triangle t{a, b, c, 0, B, 0};
    t.A = HalfAngle(area, s, e.sa, d, "A", "a", working);
    t.C = AngleSum(t.A, B, "C = 180° − A − B", working);
    return {Outcome::Solved, t};
}

Measures trimeasures(double a, double b, double c, Working working)
{
    working.step("Area, R, r and the exradii from the three sides:");
    Measures m;
    m.s = SemiPerimeter(a, b, c, working);
    const Excess e = ExcessOf(m.s, a, b, c, working);
    m.sa = e.sa;
    m.sb = e.sb;
    m.sc = e.sc;
    m.area = Heron(m.s, m.sa, m.sb, m.sc, working);
    m.R = Divide(Mul(Mul(b, a), c), Mul(m.area, 4));
    working.step([&] {
        return "R = abc ÷ (4 × Area) = " + Plain(a) + " × " + Plain(b) + " × " + Plain(c) + " ÷ (4 × " + Plain(m.area) +
               ")" + Equals(m.R);
    });
    const auto ratio = [&](std::string_view name, std::string_view over, double divisor) {
        const double value = Divide(m.area, divisor);
        working.step([&] {
            return std::string(name) + " = Area ÷ " + std::string(over) + " = " + Plain(m.area) + " ÷ " +
                   Factor(divisor) + Equals(value);
        });
        return value;
    };
    m.r = ratio("r", "s", m.s);
    m.r1 = ratio("r1", "(s − a)", m.sa);
    m.r2 = ratio("r2", "(s − b)", m.sb);
    m.r3 = ratio("r3", "(s − c)", m.sc);
    return m;
}

} // namespace zentaro::geometry
