// The triangle solver in its four modes. A solved triangle keeps the parts it was
// given, has positive sides and angles adding up to 180°, satisfies the sine
// and cosine rules, and its area and radii agree with each other. A triangle is
// found exactly when the data fit one, and the user is asked to choose exactly
// when two fit. Any other numbers fail only with run-time errors.
#include "conventions/runtime_error.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "geometry/triangle.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using zentaro::geometry::Outcome;
using zentaro::geometry::Solution;
using zentaro::geometry::Triangle;

const double kRadians = std::acos(-1.0) / 180;

double Sine(double degrees)
{
    return std::sin(degrees * kRadians);
}

double Cosine(double degrees)
{
    return std::cos(degrees * kRadians);
}

// `slack` is how far side a may be off in absolute terms: the ambiguous case
// rounds it to 8 decimals and finds A from the sides, so B (given) and C carry
// the angle that this slack makes in a thin triangle.
void CheckSolved(const Triangle& t, double slack)
{
    const double angleSlack = slack * (1 / (t.c * Sine(t.B)) + 1 / (t.c * Sine(t.A)));
    // In a triangle thinner than that slack the third angle may come out just below 0.
    const double lowest = slack == 0 ? 0 : -angleSlack / kRadians;
    FUZZ_CHECK(t.a > 0 && t.b > 0 && t.c > 0 && t.A > lowest && t.B > 0 && t.C > lowest);
    FUZZ_CHECK(std::fabs(t.A + t.B + t.C - 180) <= 1e-9);
    const double sides[] = {t.a, t.b, t.c};
    const double angles[] = {t.A, t.B, t.C};
    const double squares = t.a * t.a + t.b * t.b + t.c * t.c;
    const double perimeter = t.a + t.b + t.c;
    for (int i = 0; i < 3; ++i) {
        const double x = sides[i], y = sides[(i + 1) % 3], z = sides[(i + 2) % 3];
        // Cosine rule, multiplied out so that no side is divided by.
        FUZZ_CHECK(std::fabs(2 * y * z * Cosine(angles[i]) - (y * y + z * z - x * x)) <=
                   1e-9 * squares + 8 * slack * perimeter + 2 * y * z * angleSlack);
        // Sine rule: x·sin Y = y·sin X.
        FUZZ_CHECK(std::fabs(x * Sine(angles[(i + 1) % 3]) - y * Sine(angles[i])) <=
                   1e-9 * perimeter + 4 * slack + perimeter * angleSlack);
    }
    const zentaro::geometry::Measures m = zentaro::geometry::trimeasures(t.a, t.b, t.c);
    // Heron's area loses the digits that s - x loses against s in a thin triangle,
    // and sides found through the sine of a small angle carry its rounding.
    const double smallestSine = std::min({std::fabs(Sine(t.A)), std::fabs(Sine(t.B)), std::fabs(Sine(t.C))});
    const double sideError = 1e-15 * (1 + 1 / smallestSine);
    const double heron = 1e-8 + sideError * m.s * (1 / m.sa + 1 / m.sb + 1 / m.sc);
    const double area = 0.5 * t.b * t.c * Sine(t.A);
    FUZZ_CHECK(std::fabs(m.area - area) <= heron * area + 4 * slack * perimeter);
    FUZZ_CHECK(std::fabs(m.r * m.s - m.area) <= 1e-12 * m.area);
    // 1/r = 1/r1 + 1/r2 + 1/r3 and R = a / (2 sin A).
    FUZZ_CHECK(std::fabs(1 / m.r - (1 / m.r1 + 1 / m.r2 + 1 / m.r3)) <= 1e-9 / m.r);
    FUZZ_CHECK(std::fabs(2 * m.R * Sine(t.A) - t.a) <= heron * t.a + 8 * slack);
}

// Sides from 0.01 to 1000 in hundredths, angles from 0.001° to 359.999° in
// thousandths (an angle of 180° or more fits no triangle). Whether data fit a
// triangle is decided on these whole numbers, free of rounding.
long long Hundredths(FuzzInput& input)
{
    return input.between(1, 100000);
}

long long Thousandths(FuzzInput& input)
{
    return input.between(1, 359999);
}

double AnyDouble(FuzzInput& input)
{
    const std::uint64_t low = input.u32();
    const std::uint64_t bits = low | static_cast<std::uint64_t>(input.u32()) << 32;
    double x = 0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// Which replies to give in the ambiguous case.
const char* const kReplies[] = {"a1", "a2", "", "A1", " a1"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t mode = input.byte();
    const std::string reply = kReplies[input.byte() % 5];

    if (mode >= 128) {
        // Any doubles: nothing but a run-time error or a result, and a working
        // written for them.
        const double x = AnyDouble(input);
        const double y = AnyDouble(input);
        const double z = AnyDouble(input);
        std::vector<std::string> steps;
        const zentaro::Working working(steps);
        try {
            zentaro::geometry::solveasa(x, y, z, working);
            zentaro::geometry::solvesas(x, y, z, working);
            zentaro::geometry::solvesss(x, y, z, working);
            zentaro::geometry::solvessa(
                x, y, z, [&](double, double) { return reply; }, working);
            zentaro::geometry::trimeasures(x, y, z, working);
        } catch (const zentaro::RuntimeError&) {
        }
        return 0;
    }

    switch (mode % 4) {
    case 0: {
        const double a = static_cast<double>(Hundredths(input)) / 100;
        const long long wholeB = Thousandths(input);
        const long long wholeC = Thousandths(input);
        const double B = static_cast<double>(wholeB) / 1000;
        const double C = static_cast<double>(wholeC) / 1000;
        const Solution solution = zentaro::geometry::solveasa(a, B, C);
        FUZZ_CHECK((solution.outcome == Outcome::Solved) == (wholeB + wholeC < 180000));
        if (solution.outcome == Outcome::Solved) {
            FUZZ_CHECK(solution.triangle.a == a && solution.triangle.B == B && solution.triangle.C == C);
            CheckSolved(solution.triangle, 0);
        }
        break;
    }
    case 1: {
        const long long wholeA = Thousandths(input);
        const double A = static_cast<double>(wholeA) / 1000;
        const double b = static_cast<double>(Hundredths(input)) / 100;
        const double c = static_cast<double>(Hundredths(input)) / 100;
        const Solution solution = zentaro::geometry::solvesas(A, b, c);
        FUZZ_CHECK((solution.outcome == Outcome::Solved) == (wholeA < 180000));
        if (solution.outcome == Outcome::Solved) {
            FUZZ_CHECK(solution.triangle.A == A && solution.triangle.b == b && solution.triangle.c == c);
            CheckSolved(solution.triangle, 0);
        }
        break;
    }
    case 2: {
        const long long x = Hundredths(input);
        const long long y = Hundredths(input);
        const long long z = Hundredths(input);
        const double a = static_cast<double>(x) / 100;
        const double b = static_cast<double>(y) / 100;
        const double c = static_cast<double>(z) / 100;
        const Solution solution = zentaro::geometry::solvesss(a, b, c);
        const bool fits = x + y > z && y + z > x && z + x > y;
        FUZZ_CHECK((solution.outcome == Outcome::Solved) == fits);
        if (fits) {
            FUZZ_CHECK(solution.triangle.a == a && solution.triangle.b == b && solution.triangle.c == c);
            CheckSolved(solution.triangle, 0);
        }
        break;
    }
    default: {
        const double B = static_cast<double>(Thousandths(input)) / 1000;
        const double b = static_cast<double>(Hundredths(input)) / 100;
        const double c = static_cast<double>(Hundredths(input)) / 100;
        int asked = 0;
        double offered[2] = {0, 0};
        const Solution solution = zentaro::geometry::solvessa(B, b, c, [&](double a1, double a2) {
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
            FUZZ_CHECK(solution.outcome == Outcome::NoTriangle && asked == 0);
            break;
        }
        // The tangent case and roots near 0: doubles cannot tell how many fit.
        if (disc < margin || root1 < 1e-6 * c || std::fabs(root2) < 1e-6 * c)
            break;
        const bool two = root2 > 0;
        FUZZ_CHECK(asked == (two ? 1 : 0));
        if (two) {
            // Both rounded to 8 decimals, the second from the rounded first.
            FUZZ_CHECK(std::fabs(offered[0] - root1) <= 1e-8 * c + 1e-8);
            FUZZ_CHECK(std::fabs(offered[1] - root2) <= 1e-8 * c + 2e-8);
            if (reply != "a1" && reply != "a2") {
                FUZZ_CHECK(solution.outcome == Outcome::BackedOut);
                break;
            }
        }
        const double a = two && reply == "a2" ? root2 : root1;
        // A triangle thinner than the 8 decimals a is rounded to may come out flat.
        if (std::min({b + c - a, a + c - b, a + b - c}) < 1e-7 * (1 + c)) {
            FUZZ_CHECK(solution.outcome != Outcome::BackedOut);
            break;
        }
        FUZZ_CHECK(solution.outcome == Outcome::Solved);
        FUZZ_CHECK(std::fabs(solution.triangle.a - a) <= 1e-8 * c + 2e-8);
        FUZZ_CHECK(solution.triangle.B == B && solution.triangle.b == b && solution.triangle.c == c);
        CheckSolved(solution.triangle, 2e-8 * (1 + c));
        break;
    }
    }
    return 0;
}
