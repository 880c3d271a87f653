#include "algebra/quadratic.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"

#include <cmath>

namespace zentaro::algebra {
namespace {

// Whether the power q divides n > 0. A power above n cannot, and is never handed
// to the 32-bit remainder, where a valid n with a high prime power would overflow.
bool Divides(double n, double q)
{
    if (q > n)
        return false;
    return Mod(n, q) == 0;
}

int SignOf(double x)
{
    return (x > 0) - (x < 0);
}

// "(both divided by gcd(2, 4) = 2)", or why nothing was divided.
std::string Reduced(double x, double y, double g)
{
    const std::string gcd = "gcd(" + Plain(x) + ", " + Plain(y) + ") = " + Plain(g);
    return g == 1 ? " (" + gcd + ": already in lowest terms)" : " (both divided by " + gcd + ")";
}

// −c/2b reduced: "(- 1/ 2)", "( 1)". Without an x term the part is zero and reads
// "( 0)" whatever the sign of b.
std::string RationalPart(double c, double twoB, Working working)
{
    const double g = gcd(std::fabs(c), std::fabs(twoB));
    const double q1 = Divide(-c, g);
    const double q2 = Divide(twoB, g);
    if (q1 == 0) {
        working.step("−b ÷ 2a = 0: there is no x term");
        return "( 0)";
    }
    working.step([&] {
        const std::string before = Plain(-c) + " ÷ " + Factor(twoB);
        const std::string after = Plain(q1) + " ÷ " + Factor(q2);
        return "−b ÷ 2a = " + before + (g == 1 ? "" : " = " + after) + Reduced(std::fabs(c), std::fabs(twoB), g);
    });
    std::string part = SignOf(q1) == SignOf(q2) ? "(" : "(-";
    part += FormatSpaced(std::fabs(q1));
    if (q2 != 1) {
        part += "/";
        part += FormatSpaced(std::fabs(q2));
    }
    return part + ")";
}

std::string Answer(const std::string& rational, const char* sign1, const char* sign2, const std::string& radical,
                   Working working)
{
    std::string text = "a =" + rational + sign1 + radical + "; b =" + rational + sign2 + radical;
    working.step([&] { return answerglyphs(text); });
    return text;
}

// "2√3", "√5", "i√3": s√r as a reader writes it.
std::string Surd(double s, double r, double D)
{
    return (s == 1 ? "" : Plain(s)) + (D < 0 ? "i√" : "√") + Plain(r);
}

// A prime |D| stays whole under the root, over the unreduced 2b.
std::string PrimeRoots(const std::string& rational, double D, double twoB, Working working)
{
    working.step([&] { return "|D| = " + Plain(std::fabs(D)) + " is prime: it stays whole under the root"; });
    if (D < 0)
        working.step("D < 0: √D = i√|D|, so the roots are complex");
    working.step([&] { return "√D ÷ 2a = " + Surd(1, std::fabs(D), D) + " ÷ " + Factor(twoB); });
    const bool flipped = twoB < 0;
    const char* mark = D > 0 ? "Ö" : "iÖ";
    std::string radical = "(1/";
    radical += FormatSpaced(std::fabs(twoB));
    radical += ")";
    radical += mark;
    radical += FormatSpaced(std::fabs(D));
    return Answer(rational, flipped ? "-" : "+", flipped ? "+" : "-", radical, working);
}

} // namespace

double gcd(double a, double b)
{
    // Remainders instead of repeated subtraction: the same divisor, in a number of
    // steps that does not grow with the quotient, and a zero operand ends at once.
    double x = a;
    double y = b;
    while (y != 0) {
        const double r = std::fmod(x, y);
        x = y;
        y = r;
    }
    return x;
}

std::int32_t dmax(double n, double p)
{
    const double bound = Log(n) / Log(p) + 1;
    for (double i = 0; i <= bound; ++i) {
        if (Divides(n, Power(p, i)) && !Divides(n, Power(p, i + 1)))
            return RoundToInt32(i);
    }
    return 0;
}

int prime(double x)
{
    if (x == 0 || x == 1)
        return 0;
    if (x == 2 || x == 3)
        return 1;
    if (RoundToInt32(x) % 2 == 0)
        return 0;
    const double bound = Truncate(Sqrt(x) + 2);
    for (double i = 3; i <= bound; i += 2) {
        if (Mod(x, i) == 0)
            return 0;
    }
    return 1;
}

std::string surdroots(double b, double c, double d, Working working)
{
    const double D = discriminant(b, c, d);
    const double twoB = Mul(2, b);
    working.step([&] {
        return "x = (−b ± √D) ÷ 2a = (" + Plain(-c) + " ± √" + Factor(D) + ") ÷ " + Factor(twoB) +
               ": the part without the root and the part with it are reduced apart";
    });
    const std::string rational = RationalPart(c, twoB, working);
    const double magnitude = std::fabs(D);
    if (prime(magnitude) == 1)
        return PrimeRoots(rational, D, twoB, working);

    // |D| = s²·r: s comes out of the root, r stays under it, m is what is left to factor.
    double s = 1;
    double r = 1;
    double m = magnitude;
    const double bound = Truncate(Sqrt(magnitude));
    for (double p = 2; p <= bound; ++p) {
        // The remainder first: it is cheap, and prime() only matters for divisors.
        if (Mod(m, p) != 0 || prime(p) != 1)
            continue;
        const std::int32_t e = dmax(m, p);
        working.step([&] {
            std::string text = Plain(m) + " has the factor " + Plain(p) + Superscript(e) + ": ";
            if (e >= 2)
                text += Plain(p) + (e / 2 > 1 ? Superscript(e / 2) : "") + " comes out of the root";
            if (e % 2 == 1)
                text += e >= 2 ? ", " + Plain(p) + " stays under it" : Plain(p) + " stays under the root";
            return text;
        });
        if (e % 2 == 0) {
            s = Mul(Power(p, e / 2), s);
        } else {
            s = Mul(Power(p, (e - 1) / 2), s);
            r = Mul(r, p);
        }
        m = Divide(m, Power(p, e));
    }
    // Every prime up to √|D| is gone from m, so what is left is 1 or a single prime
    // above √|D|, which belongs under the root.
    if (m != 1)
        working.step([&] { return "the " + Plain(m) + " left is a prime above √|D|: it stays under the root"; });
    r = Mul(r, m);
    working.step([&] {
        if (s == 1)
            return "|D| = " + Plain(magnitude) + " has no square factor: √|D| = " + Surd(s, r, 1);
        return "|D| = " + Plain(magnitude) + " = " + Plain(s) + "² × " + Plain(r) + ", so √|D| = " + Surd(s, r, 1);
    });
    if (D < 0)
        working.step("D < 0: √D = i√|D|, so the roots are complex");

    const double g2 = gcd(s, std::fabs(twoB));
    const double b2 = Divide(twoB, g2);
    const double whole = s;
    s = Divide(s, g2);
    working.step([&] {
        return "√D ÷ 2a = " + Surd(whole, r, D) + " ÷ " + Factor(twoB) +
               (g2 == 1 ? "" : " = " + Surd(s, r, D) + " ÷ " + Factor(b2)) + Reduced(whole, std::fabs(twoB), g2);
    });

    const char* sign1 = "+";
    const char* sign2 = "-";
    if (D > 0 ? b2 < 0 : b2 != 1) {
        sign1 = "-";
        sign2 = "+";
    }
    const char* mark = D > 0 ? "Ö" : "iÖ";
    std::string radical = "(";
    radical += FormatSpaced(s);
    if (b2 != 1) {
        radical += "/";
        radical += FormatSpaced(std::fabs(b2));
    }
    radical += ")";
    radical += mark;
    radical += FormatSpaced(r);
    return Answer(rational, sign1, sign2, radical, working);
}

} // namespace zentaro::algebra
