#pragma once

// The triangle solver in its four modes. A solved triangle keeps the parts it was
// given, has positive sides and angles adding up to 180°, satisfies the sine and
// cosine rules, its area and radii agree with each other, and the other modes
// solve it again from their parts. A triangle is found exactly when the data fit
// one, and the user is asked to choose exactly when two fit.

#include "geometry/triangle.h"
#include "support/property.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zentaro::testing {
namespace triangle_check {

using geometry::Outcome;
using geometry::Solution;
using geometry::Triangle;

const double kRadians = std::acos(-1.0) / 180;

inline double Sine(double degrees)
{
    return std::sin(degrees * kRadians);
}

inline double Cosine(double degrees)
{
    return std::cos(degrees * kRadians);
}

// `slack` is how far side a may be off in absolute terms: the ambiguous case
// rounds it to 8 decimals and finds A from the sides, so B (given) and C carry
// the angle that this slack makes in a thin triangle.
inline std::string CheckSolved(const Triangle& t, double slack)
{
    const double angleSlack = slack * (1 / (t.c * Sine(t.B)) + 1 / (t.c * Sine(t.A)));
    // In a triangle thinner than that slack the third angle may come out just below 0.
    const double lowest = slack == 0 ? 0 : -angleSlack / kRadians;
    PROPERTY(t.a > 0 && t.b > 0 && t.c > 0 && t.A > lowest && t.B > 0 && t.C > lowest);
    PROPERTY(std::fabs(t.A + t.B + t.C - 180) <= 1e-9);
    const double sides[] = {t.a, t.b, t.c};
    const double angles[] = {t.A, t.B, t.C};
    const double squares = t.a * t.a + t.b * t.b + t.c * t.c;
    const double perimeter = t.a + t.b + t.c;
    for (int i = 0; i < 3; ++i) {
        const double x = sides[i], y = sides[(i + 1) % 3], z = sides[(i + 2) % 3];
        // Cosine rule, multiplied out so that no side is divided by.
        PROPERTY(std::fabs(2 * y * z * Cosine(angles[i]) - (y * y + z * z - x * x)) <=
                 1e-9 * squares + 8 * slack * perimeter + 2 * y * z * angleSlack);
        // Sine rule: x·sin Y = y·sin X.
        PROPERTY(std::fabs(x * Sine(angles[(i + 1) % 3]) - y * Sine(angles[i])) <=
                 1e-9 * perimeter + 4 * slack + perimeter * angleSlack);
    }
    const geometry::Measures m = geometry::trimeasures(t.a, t.b, t.c);
    // Heron's area loses the digits that s - x loses against s in a thin triangle,
    // and sides found through the sine of a small angle carry its rounding.
    const double smallestSine = std::min({std::fabs(Sine(t.A)), std::fabs(Sine(t.B)), std::fabs(Sine(t.C))});
    const double sideError = 1e-15 * (1 + 1 / smallestSine);
    const double heron = 1e-8 + sideError * m.s * (1 / m.sa + 1 / m.sb + 1 / m.sc);
    const double area = 0.5 * t.b * t.c * Sine(t.A);
    PROPERTY(std::fabs(m.area - area) <= heron * area + 4 * slack * perimeter);
    PROPERTY(std::fabs(m.r * m.s - m.area) <= 1e-12 * m.area);
    // 1/r = 1/r1 + 1/r2 + 1/r3 and R = a / (2 sin A).
    PROPERTY(std::fabs(1 / m.r - (1 / m.r1 + 1 / m.r2 + 1 / m.r3)) <= 1e-9 / m.r);
    PROPERTY(std::fabs(2 * m.R * Sine(t.A) - t.a) <= heron * t.a + 8 * slack);
    return {};
}

inline bool Same(const Solution& got, const Triangle& truth, double sides, double angles)
{
    const double expected[] = {truth.a, truth.b, truth.c, truth.A, truth.B, truth.C};
    const double actual[] = {got.triangle.a, got.triangle.b, got.triangle.c,
                             got.triangle.A, got.triangle.B, got.triangle.C};
    for (std::size_t i = 0; i < 6; ++i) {
        if (std::fabs(actual[i] - expected[i]) > (i < 3 ? sides : angles) * std::max(1.0, std::fabs(expected[i])))
            return false;
    }
    return got.outcome == Outcome::Solved;
}

// A triangle solved from three sides in hundredths, with no side below 1 and no
// angle below 10° (where the parts lose no digits), solved again from each other
// mode's parts.
inline std::string CheckOtherModes(const Triangle& t)
{
    if (std::min({t.a, t.b, t.c}) < 1 || std::min({t.A, t.B, t.C}) < 10)
        return {};
    PROPERTY(Same(geometry::solveasa(t.a, t.B, t.C), t, 1e-9, 1e-9));
    PROPERTY(Same(geometry::solvesas(t.A, t.b, t.c), t, 1e-9, 1e-9));
    // At C = 90° the two candidates for a meet: the tangent case, which doubles
    // cannot tell from two triangles or none.
    if (std::fabs(t.C - 90) < 0.01)
        return {};
    bool asked = false;
    bool second = false;
    const Solution ssa = geometry::solvessa(t.B, t.b, t.c, [&](double a1, double a2) {
        asked = true;
        second = std::fabs(a2 - t.a) < std::fabs(a1 - t.a);
        return std::string(second ? "a2" : "a1");
    });
    PROPERTY(asked == (t.b < t.c && t.B < 90)); // two triangles fit exactly then
    // a1 rounded to 8 decimals is the side in hundredths itself. a2 comes from the
    // rounded a1 and is rounded again: off by up to 1e-8, which the angles carry.
    PROPERTY(Same(ssa, t, second ? 1e-8 : 1e-9, second ? 1e-5 : 1e-9));
    return {};
}

} // namespace triangle_check

// The data of each mode: 0 a, B, C; 1 A, b, c; 2 a, b, c; 3 B, b, c (the ambiguous
// case). Sides come in whole hundredths from 1 to 100000, angles in thousandths of
// a degree from 1 to 359999 (180° or more fits no triangle), so that whether data
// fit a triangle is decided free of rounding.
inline bool IsAngle(int mode, int part)
{
    return mode == 0 ? part > 0 : mode != 2 && part == 0;
}

// Solves mode `mode` from `parts`, answering the ambiguous case's question with `reply`.
inline std::string CheckTriangle(int mode, const long long (&parts)[3], const std::string& reply)
{
    using namespace triangle_check;
    const long long x = parts[0], y = parts[1], z = parts[2];
    double given[3];
    for (int i = 0; i < 3; ++i)
        given[i] = static_cast<double>(parts[i]) / (IsAngle(mode, i) ? 1000 : 100);
    const auto [p, q, r] = given;
    if (mode < 3) {
        const Solution solution = mode == 0   ? geometry::solveasa(p, q, r)
                                  : mode == 1 ? geometry::solvesas(p, q, r)
                                              : geometry::solvesss(p, q, r);
        const bool fits = mode == 0 ? y + z < 180000 : mode == 1 ? x < 180000 : x + y > z && y + z > x && z + x > y;
        PROPERTY((solution.outcome == Outcome::Solved) == fits);
        if (fits) {
            const Triangle& t = solution.triangle;
            const double kept[3][3] = {{t.a, t.B, t.C}, {t.A, t.b, t.c}, {t.a, t.b, t.c}};
            PROPERTY(kept[mode][0] == p && kept[mode][1] == q && kept[mode][2] == r);
            PROPERTY_HOLDS(CheckSolved(t, 0));
            if (mode == 2)
                PROPERTY_HOLDS(CheckOtherModes(t));
        }
        return {};
    }
    const double B = p, b = q, c = r;
    int asked = 0;
    double offered[2] = {0, 0};
    const Solution solution = geometry::solvessa(B, b, c, [&](double a1, double a2) {
        ++asked;
        offered[0] = a1;
        offered[1] = a2;
        return reply;
    });
    // a² - 2ac·cos B + c² - b² = 0: the roots are c·cos B ± √(b² - c²·sin² B).
    const double disc = b * b - c * c * Sine(B) * Sine(B);
    const double root1 = c * Cosine(B) + std::sqrt(std::max(disc, 0.0));
    const double root2 = c * Cosine(B) - std::sqrt(std::max(disc, 0.0));
    const double margin = 1e-9 * (b * b + c * c);
    if (B >= 180 || disc < -margin || root1 < -1e-6 * c) {
        PROPERTY(solution.outcome == Outcome::NoTriangle && asked == 0);
        return {};
    }
    // The tangent case and roots near 0: doubles cannot tell how many fit.
    if (disc < margin || root1 < 1e-6 * c || std::fabs(root2) < 1e-6 * c)
        return {};
    const bool two = root2 > 0;
    PROPERTY(asked == (two ? 1 : 0));
    if (two) {
        // Both rounded to 8 decimals, the second from the rounded first.
        PROPERTY(std::fabs(offered[0] - root1) <= 1e-8 * c + 1e-8);
        PROPERTY(std::fabs(offered[1] - root2) <= 1e-8 * c + 2e-8);
        if (reply != "a1" && reply != "a2") {
            PROPERTY(solution.outcome == Outcome::BackedOut);
            return {};
        }
    }
    const double a = two && reply == "a2" ? root2 : root1;
    // A triangle thinner than the 8 decimals a is rounded to may come out flat.
    if (std::min({b + c - a, a + c - b, a + b - c}) < 1e-7 * (1 + c)) {
        PROPERTY(solution.outcome != Outcome::BackedOut);
        return {};
    }
    PROPERTY(solution.outcome == Outcome::Solved);
    PROPERTY(std::fabs(solution.triangle.a - a) <= 1e-8 * c + 2e-8);
    PROPERTY(solution.triangle.B == B && solution.triangle.b == b && solution.triangle.c == c);
    PROPERTY_HOLDS(CheckSolved(solution.triangle, 2e-8 * (1 + c)));
    return {};
}

} // namespace zentaro::testing
