#include "geometry/vectors.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"

#include <cmath>
#include <tuple>

namespace zentaro::geometry {
namespace {

double Square(double x)
{
    return Mul(x, x);
}

// "2 × 6 − 3 × 5"
std::string Formula(double x, double y, double z, double w)
{
    return Plain(x) + " × " + Factor(y) + " − " + Factor(z) + " × " + Factor(w);
}

// The components of a × b, each in the order the products were always taken
// (products commute exactly, so the steps write them the usual way round).
Vector Cross(double a1, double a2, double a3, double b1, double b2, double b3, Working working)
{
    const Difference x = DifferenceOf(a2, b3, a3, b2);
    working.step([&] { return "a × b, i: " + WrittenDifference(a2, b3, a3, b2, x); });
    const Difference y = DifferenceOf(a3, b1, a1, b3);
    working.step([&] { return "a × b, j: " + WrittenDifference(a3, b1, a1, b3, y); });
    const Difference z = DifferenceOf(a1, b2, a2, b1);
    working.step([&] { return "a × b, k: " + WrittenDifference(a1, b2, a2, b1, z); });
    return {x.value, y.value, z.value};
}

// a · b, its terms kept for the steps: "a · b = 1 × 4 + 2 × 5 + 3 × 6 = 4 + 10 + 18 = 32".
double Dot(const Vector& a, const Vector& b, std::string_view name, Working working)
{
    const double ii = Mul(b.i, a.i);
    const double jj = Mul(a.j, b.j);
    const double kk = Mul(a.k, b.k);
    const double dot = Add(Add(jj, ii), kk);
    working.step([&] {
        return std::string(name) + " = " + Plain(a.i) + " × " + Factor(b.i) + " + " + Factor(a.j) + " × " +
               Factor(b.j) + " + " + Factor(a.k) + " × " + Factor(b.k) + " = " + SignedSum({ii, jj, kk}) + " = " +
               Plain(dot);
    });
    return dot;
}

// "√(1² + 2² + 3²) = √14 ≈ 3.74165738677394"
std::string Root(const Vector& v, double sum, double length)
{
    return "√(" + Factor(v.i) + "² + " + Factor(v.j) + "² + " + Factor(v.k) + "²) = √" + Plain(sum) + Equals(length);
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

// "(1 + 4)i + (2 + 5)j + (3 + 6)k"
std::string Termwise(const Vector& a, const Vector& b, std::string_view sign)
{
    std::string text;
    for (const auto& [x, y, unit] :
         {std::tuple{a.i, b.i, ")i"}, std::tuple{a.j, b.j, ")j"}, std::tuple{a.k, b.k, ")k"}}) {
        text += text.empty() ? "(" : " + (";
        text += Plain(x);
        text += sign;
        text += Factor(y);
        text += unit;
    }
    return text;
}

} // namespace

double det(double a1, double a2, double a3, double b1, double b2, double b3, double c1, double c2, double c3,
           Working working)
{
    const Difference t1 = DifferenceOf(b2, c3, b3, c2);
    const Difference t2 = DifferenceOf(c3, b1, b3, c1);
    const Difference t3 = DifferenceOf(c2, b1, b2, c1);
    const double p1 = Mul(t1.value, a1);
    const double p2 = Mul(t2.value, a2);
    const double p3 = Mul(t3.value, a3);
    const double result = Add(Sub(p1, p2), p3);
    working.step([&] {
        return "[a, b, c] = a · (b × c), the determinant along its first row: " + Plain(a1) + " × (" +
               Formula(b2, c3, b3, c2) + ") − " + Factor(a2) + " × (" + Formula(b1, c3, b3, c1) + ") + " + Factor(a3) +
               " × (" + Formula(b1, c2, b2, c1) + ")";
    });
    working.step([&] {
        return "[a, b, c] = " + Plain(a1) + " × " + Factor(t1.value) + " − " + Factor(a2) + " × " + Factor(t2.value) +
               " + " + Factor(a3) + " × " + Factor(t3.value) + " = " + SignedSum({p1, -p2, p3}) + " = " + Plain(result);
    });
    return result;
}

std::string vectorab(double a1, double a2, double a3, double b1, double b2, double b3, Working working)
{
    std::string text = Components(Cross(a1, a2, a3, b1, b2, b3, working), ")i +(", ")j +(");
    working.step([&] { return "a × b = " + text; });
    return text;
}

double modvectorab(double a1, double a2, double a3, double b1, double b2, double b3, Working working)
{
    const Vector x = Cross(a1, a2, a3, b1, b2, b3, {});
    const double sum = Add(Add(Square(x.j), Square(x.i)), Square(x.k));
    const double length = Sqrt(sum);
    working.step([&] { return "|a × b| = " + Root(x, sum, length); });
    return length;
}

double scalarab(double a1, double a2, double a3, double b1, double b2, double b3, Working working)
{
    return Dot({a1, a2, a3}, {b1, b2, b3}, "a · b", working);
}

double modulus(const Vector& v, Working working)
{
    return modulus(v, "|v|", working);
}

double modulus(const Vector& v, std::string_view name, Working working)
{
    const double sum = Add(Add(Square(v.i), Square(v.j)), Square(v.k));
    const double length = Sqrt(sum);
    working.step([&] { return std::string(name) + " = " + Root(v, sum, length); });
    return length;
}

std::string sumtext(const Vector& a, const Vector& b, Working working)
{
    std::string text = Components({Add(a.i, b.i), Add(a.j, b.j), Add(a.k, b.k)}, ")i +(", ")j +(");
    working.step([&] { return "a + b = " + Termwise(a, b, " + ") + " = " + text; });
    return text;
}

std::string differencetext(const Vector& a, const Vector& b, Working working)
{
    std::string text = Components({Sub(a.i, b.i), Sub(a.j, b.j), Sub(a.k, b.k)}, ")i +(", ")j +(");
    working.step([&] { return "a − b = " + Termwise(a, b, " − ") + " = " + text; });
    return text;
}

std::string angletext(const Vector& a, const Vector& b, Working working)
{
    const double lengtha = modulus(a);
    const double lengthb = modulus(b);
    const double dot = scalarab(a.i, a.j, a.k, b.i, b.j, b.k);
    const double cross = modvectorab(a.i, a.j, a.k, b.i, b.j, b.k);
    if (cross == 0 && (lengtha == 0 || lengthb == 0)) {
        working.step("θ: a zero vector has no direction, so there is no angle: -");
        return "-";
    }
    // Both the sine (|a × b|) and the cosine (a · b) go in, so an obtuse angle
    // comes out above 90° and opposite vectors at 180°.
    const double degrees = dot == 0 ? 90 : (45 / std::atan(1.0)) * std::atan2(cross, dot);
    if (dot == 0) {
        working.step("θ: a · b = |a||b| cos θ = 0, so cos θ = 0 and θ = 90°");
    } else {
        working.step("θ: |a × b| = |a||b| sin θ and a · b = |a||b| cos θ, so θ = atan2(|a × b|, a · b)");
        working.step([&] { return "θ = atan2(" + Plain(cross) + ", " + Plain(dot) + ")" + Equals(degrees) + "°"; });
    }
    std::string text = FormatPlain(RoundHalfEven(degrees, 4)) + "°";
    working.step([&] { return "θ to 4 decimals: " + text; });
    return text;
}

Vector vectortriple(const Vector& p, const Vector& q, const Vector& r, Working working)
{
    working.step("a × (b × c) = b (a · c) − c (a · b)");
    const double pr = Dot(p, r, "a · c", working);
    const double pq = Dot(p, q, "a · b", working);
    const auto component = [&](const char* name, double qx, double rx) {
        const Difference d = DifferenceOf(pr, qx, pq, rx);
        working.step([&] { return std::string(name) + ": " + WrittenDifference(pr, qx, pq, rx, d); });
        return d.value;
    };
    const double i = component("i", q.i, r.i);
    const double j = component("j", q.j, r.j);
    const double k = component("k", q.k, r.k);
    return {i, j, k};
}

std::string tripletext(const Vector& u, Working working)
{
    std::string text = Components(u, ")i + (", ")j + (");
    working.step([&] { return "a × (b × c) = " + text; });
    return text;
}

} // namespace zentaro::geometry
