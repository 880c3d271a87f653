#include "numbers/gcd_lcm.h"

#include "conventions/numbers.h"
#include "conventions/working_text.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zentaro::numbers::gcdlcm {
namespace {

void AppendItem(std::string& text, std::string_view item)
{
    text += "  ";
    text += item;
    text += "  ";
    text += kListStart;
}

std::string Joined(const std::vector<std::string>& items, std::string_view separator)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : std::string(separator)) + item;
    return text.empty() ? "none" : text;
}

} // namespace

double gcd(double a, double b, Working working)
{
    double x = a;
    double y = b;
    double s = 1;
    if (x == 0)
        x = y;
    else if (y == 0)
        y = x;
    if (x < 0) {
        x = -x;
        s = -1;
    }
    if (y < 0) {
        y = -y;
        s = -s;
    }
    // The larger first, as Euclid's table is written; the divisor is the same.
    if (x < y)
        std::swap(x, y);
    if ((a == 0) != (b == 0))
        working.step("A 0 takes the value of the other number");
    if (y != 0)
        working.step([&] { return "Euclid's algorithm on " + FormatPlain(x) + " and " + FormatPlain(y) + ":"; });
    // Taking the smaller from the larger until both agree leaves the larger's
    // remainder by the smaller; fmod reaches that remainder in one exact step. So
    // the answer is the same wherever the subtraction ends, and it also ends
    // where the subtraction would round and never meet (0.3 and 0.1, 1E20 and 1).
    while (y != 0) {
        const double r = std::fmod(x, y);
        working.step([&] {
            return FormatPlain(x) + " = " + FormatPlain((x - r) / y) + " × " + FormatPlain(y) + " + " + FormatPlain(r);
        });
        x = y;
        y = r;
    }
    working.step([&] {
        std::string line = "gcd(" + FormatPlain(a) + ", " + FormatPlain(b) + ") = " + FormatPlain(s * x);
        if (s < 0)
            line += " (the signs differ, so the divisor is negative)";
        return line;
    });
    return s * x;
}

// The magnitudes give b·a/g itself: g is negative exactly when b·a is.
double lcm(double a, double b, double g, Working working)
{
    const double product = std::fabs(Mul(b, a));
    const double result = Divide(product, std::fabs(g));
    working.step([&] {
        return "LCM = |a × b| ÷ |gcd| = |" + FormatPlain(a) + " × " + working::Operand(FormatPlain(b)) + "| ÷ " +
               FormatPlain(std::fabs(g)) + " = " + FormatPlain(product) + " ÷ " + FormatPlain(std::fabs(g)) + " = " +
               FormatPlain(result);
    });
    return result;
}

Tagged dmax(double a, double b, Working working)
{
    // The powers b^i are tried for i up to this bound; the logarithm is what
    // refuses a number not above 0.
    const double bound = Log(a) / Log(b) + 1;
    if (bound < 0)
        return {};
    const std::int32_t n = RoundToInt32(a);
    // Every power divides 0, so no exponent is the largest.
    if (n == 0)
        return {};
    // The exponent found never passes the bound: b^i divides n only when
    // b^i <= n <= a + 1/2 < a·b. Powers past the 32-bit range never divide n, so
    // no power is formed there and 2^30 has its exponent like any other number.
    const std::int32_t base = RoundToInt32(b);
    std::int32_t rest = n;
    int exponent = 0;
    while (rest % base == 0) {
        working.step([&] { return FormatPlain(rest) + " ÷ " + FormatPlain(base) + " = " + FormatPlain(rest / base); });
        rest /= base;
        ++exponent;
    }
    return Tagged(static_cast<double>(exponent));
}

int prime(double a)
{
    const std::int32_t n = RoundToInt32(a);
    if (n == 3)
        return 1;
    const std::int32_t r = n % 6;
    if (r != 1 && r != 5)
        return 0;
    const double limit = Truncate(Sqrt(a) + 2);
    std::int64_t step = 2;
    for (std::int64_t d = 5; static_cast<double>(d) <= limit; d += step, step = 6 - step) {
        if (n % d == 0)
            return 0;
    }
    return 1;
}

std::string factorlist(double a, Working working)
{
    std::string text(kListStart);
    std::vector<std::string> shown;
    const auto finish = [&] {
        working.step([&] { return "Factors of " + FormatPlain(a) + ": " + Joined(shown, ", "); });
        return text;
    };
    // The candidates run from 1 while they are not above a.
    if (!(a >= 1)) {
        working.step(
            [&] { return "Factors are counted from 1 up to the number, and " + FormatPlain(a) + " is below 1"; });
        return finish();
    }
    const std::int32_t n = RoundToInt32(a);
    const double top = std::floor(a);
    if (n != a) {
        working.step([&] {
            return FormatPlain(a) + " is taken as " + FormatPlain(n) +
                   (top < n ? ", and factors above " + FormatPlain(a) + " are left out" : std::string());
        });
    }
    working.step([&] {
        return "Each divisor d of " + FormatPlain(n) + " with d² ≤ " + FormatPlain(n) + " (d up to √" + FormatPlain(n) +
               "), paired with " + FormatPlain(n) + " ÷ d:";
    });

    // Divisors pair up as d and n / d with d <= √n: the small ones come out in
    // rising order, their partners in falling order.
    std::vector<std::int32_t> large;
    for (std::int32_t d = 1; static_cast<std::int64_t>(d) * d <= n; ++d) {
        if (n % d != 0)
            continue;
        working.step([&] { return FormatPlain(n) + " = " + FormatPlain(d) + " × " + FormatPlain(n / d); });
        if (d <= top) {
            AppendItem(text, FormatSpaced(d));
            if (working.recording())
                shown.push_back(FormatPlain(d));
        }
        if (n / d != d)
            large.push_back(n / d);
    }
    for (auto it = large.rbegin(); it != large.rend() && *it <= top; ++it) {
        AppendItem(text, FormatSpaced(*it));
        if (working.recording())
            shown.push_back(FormatPlain(*it));
    }
    return finish();
}

std::string primefactors(double a, Working working)
{
    const double typed = a;
    std::string text(kListStart);
    std::vector<std::string> powers;
    auto append = [&](std::int32_t p, const Tagged& k) {
        AppendItem(text, FormatSpaced(p) + "(" + FormatSpaced(k.ToDouble()) + ")");
        if (working.recording()) {
            const auto exponent = static_cast<std::uint64_t>(k.ToDouble());
            powers.push_back(FormatPlain(p) + (exponent == 1 ? "" : working::Superscript(exponent)));
        }
    };
    if (RoundToInt32(a) != a)
        working.step([&] { return FormatPlain(a) + " is taken as " + FormatPlain(RoundToInt32(a)); });

    if (RoundToInt32(a) % 2 == 0) {
        const Tagged k = dmax(a, 2, working);
        append(2, k);
        a = Divide(a, Power(2, k.ToDouble()));
    }

    // Odd candidates i run up to the value left after the twos. Dividing out each
    // prime as it is found leaves no composite i that divides what remains, and
    // once i·i passes it, what remains is 1 or a prime: the candidates between
    // would find nothing until that prime itself.
    const double last = a;
    std::int32_t n = RoundToInt32(a);
    for (std::int32_t i = 3; static_cast<std::int64_t>(i) * i <= n; i += 2) {
        if (n % i != 0)
            continue;
        const Tagged k = dmax(a, i, working);
        append(i, k);
        a = Divide(a, Power(i, k.ToDouble()));
        n = RoundToInt32(a);
    }
    if (n > 1 && n <= last) {
        const Tagged k = dmax(a, n, working);
        append(n, k);
    } else if (n > 1) {
        working.step([&] {
            return "What is left, " + FormatPlain(n) + ", is above " + FormatPlain(last) +
                   " (the number left after the twos), so it is not listed";
        });
    }
    working.step([&] { return "Prime factors of " + FormatPlain(typed) + ": " + Joined(powers, " × "); });
    return text;
}

} // namespace zentaro::numbers::gcdlcm
