// The quadratic solver's answers. The exact form, read back, is a reduced
// fraction plus or minus a reduced multiple of √r with r square-free, equal to
// -c/2b ± √|D|/|2b| and to the decimal answer. The decimal answer's roots add up
// to -c/b and leave the equation near zero; complex ones have the real part
// -c/2b and an imaginary part of the sign of b.
#include "algebra/quadratic.h"
#include "conventions/runtime_error.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Exact products of up to 96 bits.
__extension__ typedef __int128 Wide;

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool take(std::string_view literal)
    {
        if (text_.substr(0, literal.size()) != literal)
            return false;
        text_.remove_prefix(literal.size());
        return true;
    }
    void expect(std::string_view literal) { FUZZ_CHECK(take(literal)); }
    // A number as FormatSpaced writes it: a blank or '-', digits, point, exponent.
    double number()
    {
        std::size_t length = 0;
        if (length < text_.size() && (text_[length] == ' ' || text_[length] == '-'))
            ++length;
        const std::size_t first = length;
        while (length < text_.size()) {
            const char c = text_[length];
            const bool exponentSign = (c == '+' || c == '-') && length > 0 && text_[length - 1] == 'E';
            if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'E' || exponentSign))
                break;
            ++length;
        }
        FUZZ_CHECK(length > first);
        const std::string digits(text_.substr(0, length));
        text_.remove_prefix(length);
        return std::strtod(digits.c_str(), nullptr);
    }
    bool done() const { return text_.empty(); }

private:
    std::string_view text_;
};

// One root of the exact form: rational part ± (s/den)·√r, or ·i√r.
struct Surd {
    bool negative = false;
    double numerator = 0, denominator = 1;
    char sign = '+';
    double s = 0, den = 1, r = 0;
    bool imaginary = false;
};

Surd ReadSurd(Reader& in)
{
    Surd root;
    in.expect("(");
    root.negative = in.take("-");
    root.numerator = in.number();
    if (in.take("/"))
        root.denominator = in.number();
    in.expect(")");
    root.sign = in.take("+") ? '+' : '-';
    if (root.sign == '-')
        in.expect("-");
    in.expect("(");
    root.s = in.number();
    if (in.take("/"))
        root.den = in.number();
    in.expect(")");
    root.imaginary = in.take("i");
    in.expect("Ö");
    root.r = in.number();
    return root;
}

// Recorded, the same answer, and the working ends with it as the field shows it.
template <typename Solve> void CheckRecorded(const std::string& answer, Solve solve)
{
    std::vector<std::string> steps;
    FUZZ_CHECK(solve(zentaro::Working(steps)) == answer);
    FUZZ_CHECK(!steps.empty() && steps.back() == zentaro::algebra::answerglyphs(answer));
}

bool SquareFree(long long r)
{
    for (long long p = 2; p * p <= r; ++p) {
        if (r % (p * p) == 0)
            return false;
    }
    return true;
}

long long Whole(double x)
{
    FUZZ_CHECK(x == std::trunc(x) && std::fabs(x) < 9e15);
    return static_cast<long long>(x);
}

struct Complex {
    double re = 0, im = 0;
};

// Close enough against the size of the largest root: a small root found by
// cancellation carries the rounding of the large one.
bool Near(const Complex& x, const Complex& y, double scale)
{
    return std::fabs(x.re - y.re) <= 1e-9 * scale && std::fabs(x.im - y.im) <= 1e-9 * scale;
}

double Size(const Complex& x)
{
    return std::max(std::fabs(x.re), std::fabs(x.im));
}

struct Decimal {
    Complex first, second;
    bool complex = false;
};

Decimal ReadDecimal(const std::string& text)
{
    Reader in(text);
    Decimal roots;
    in.expect("a =");
    roots.first.re = in.number();
    roots.complex = in.take("+ (");
    if (roots.complex) {
        roots.first.im = in.number();
        in.expect(")i");
    }
    in.expect("; b =");
    roots.second.re = in.number();
    if (roots.complex) {
        in.expect("- (");
        roots.second.im = -in.number();
        in.expect(")i");
    }
    FUZZ_CHECK(in.done());
    return roots;
}

void CheckExact(long long b, long long c, long long d)
{
    const long long D = c * c - 4 * b * d;
    const long long magnitude = D < 0 ? -D : D;
    const auto root = static_cast<long long>(std::sqrt(static_cast<double>(magnitude)));
    for (long long k = root > 1 ? root - 1 : 0; k <= root + 1; ++k) {
        if (k * k == magnitude)
            return; // a perfect square is answered in decimals
    }
    std::string text;
    try {
        text = zentaro::algebra::surdroots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d));
    } catch (const zentaro::RuntimeError& error) {
        FUZZ_CHECK(magnitude > 2147483647 && error.code() == zentaro::ErrorCode::Overflow);
        return;
    }
    FUZZ_CHECK(magnitude <= 2147483647);
    CheckRecorded(text, [&](zentaro::Working w) {
        return zentaro::algebra::surdroots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d), w);
    });
    Reader in(text);
    in.expect("a =");
    const Surd first = ReadSurd(in);
    in.expect("; b =");
    const Surd second = ReadSurd(in);
    FUZZ_CHECK(in.done());

    // The same numbers in both roots, only the sign between the parts differs.
    FUZZ_CHECK(first.negative == second.negative && first.numerator == second.numerator &&
               first.denominator == second.denominator && first.s == second.s && first.den == second.den &&
               first.r == second.r && first.imaginary == second.imaginary && first.sign != second.sign);
    FUZZ_CHECK(first.imaginary == (D < 0));

    // The rational part is -c/2b in lowest terms.
    const long long p = Whole(first.numerator);
    const long long q = Whole(first.denominator);
    FUZZ_CHECK(p >= 0 && q >= 1 && std::gcd(p, q) == 1);
    const Wide twoB = 2 * static_cast<Wide>(b);
    // p/q has the sign of -c/2b: p·|2b| = |c|·q and the signs agree.
    FUZZ_CHECK(static_cast<Wide>(p) * (twoB < 0 ? -twoB : twoB) == static_cast<Wide>(c < 0 ? -c : c) * q);
    FUZZ_CHECK(c == 0 ? !first.negative : first.negative == ((-c < 0) != (b < 0)));

    // The radical part is √|D|/|2b| = s·√r/den, reduced, with r square-free.
    const long long s = Whole(first.s);
    const long long den = Whole(first.den);
    const long long r = Whole(first.r);
    FUZZ_CHECK(s >= 1 && den >= 1 && r >= 2 && std::gcd(s, den) == 1 && SquareFree(r));
    FUZZ_CHECK(static_cast<Wide>(s) * s * r * twoB * twoB == static_cast<Wide>(magnitude) * den * den);

    // Both roots, as numbers, are the decimal roots (in either order).
    const double re = (first.negative ? -1.0 : 1.0) * static_cast<double>(p) / static_cast<double>(q);
    const double part = static_cast<double>(s) * std::sqrt(static_cast<double>(r)) / static_cast<double>(den);
    const auto value = [&](const Surd& x) {
        const double signedPart = x.sign == '+' ? part : -part;
        return D < 0 ? Complex{re, signedPart} : Complex{re + signedPart, 0};
    };
    const Decimal decimal = ReadDecimal(
        zentaro::algebra::decimalroots(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d)));
    const Complex x1 = value(first);
    const Complex x2 = value(second);
    const double scale = std::max({1.0, Size(x1), Size(x2), Size(decimal.first), Size(decimal.second)});
    FUZZ_CHECK((Near(x1, decimal.first, scale) && Near(x2, decimal.second, scale)) ||
               (Near(x1, decimal.second, scale) && Near(x2, decimal.first, scale)));
}

// Some step of the formula leaves the double range.
bool Overflows(double b, double c, double d)
{
    const double D = c * c - 4 * b * d;
    const double root = std::sqrt(std::fabs(D));
    for (const double x : {c * c, 4 * b, 4 * b * d, D, 2 * b, -c + root, -c - root, (-c + root) / (2 * b),
                           (-c - root) / (2 * b), -c / (2 * b), root / (2 * b)}) {
        if (!std::isfinite(x))
            return true;
    }
    return false;
}

// Coefficients whose squares and products stay normal doubles: below that,
// rounding to zero, not the solver, decides the answer.
bool Ordinary(double x)
{
    return x == 0 || (std::fabs(x) > 1e-150 && std::fabs(x) < 1e150);
}

void CheckDecimal(double b, double c, double d)
{
    std::string text;
    try {
        text = zentaro::algebra::decimalroots(b, c, d);
    } catch (const zentaro::RuntimeError& error) {
        FUZZ_CHECK(error.code() == zentaro::ErrorCode::Overflow && Overflows(b, c, d));
        return;
    }
    CheckRecorded(text, [&](zentaro::Working w) { return zentaro::algebra::decimalroots(b, c, d, w); });
    const Decimal roots = ReadDecimal(text);
    if (!Ordinary(b) || !Ordinary(c) || !Ordinary(d))
        return;
    const double D = c * c - 4 * b * d;
    FUZZ_CHECK(roots.complex == (D < 0));
    if (roots.complex) {
        FUZZ_CHECK(roots.first.re == roots.second.re);
        FUZZ_CHECK(std::fabs(roots.first.re + c / (2 * b)) <= 1e-14 * std::fabs(c / (2 * b)));
        FUZZ_CHECK(roots.first.im != 0 && (roots.first.im > 0) == (b > 0));
        FUZZ_CHECK(std::fabs(std::fabs(roots.first.im) - std::sqrt(-D) / std::fabs(2 * b)) <=
                   1e-14 * std::fabs(roots.first.im));
        return;
    }
    const double x1 = roots.first.re;
    const double x2 = roots.second.re;
    const double size = std::fabs(x1) + std::fabs(x2);
    FUZZ_CHECK(std::fabs(x1 + x2 + c / b) <= 1e-12 * size + 1e-300);
    const double scale = std::fabs(b) * size * size + std::fabs(c) * size + std::fabs(d);
    for (const double x : {x1, x2})
        FUZZ_CHECK(std::fabs((b * x + c) * x + d) <= 1e-11 * scale);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t mode = input.byte();
    if (mode % 2 == 0) {
        // Whole coefficients: small, 16-bit, or with a wider c.
        const long long range = mode % 6 == 0 ? 60 : 32767;
        const long long b = input.between(-range, range);
        const long long c = input.between(mode % 6 == 4 ? -8388607 : -range, mode % 6 == 4 ? 8388607 : range);
        const long long d = input.between(-range, range);
        if (b == 0)
            return 0;
        CheckExact(b, c, d);
        CheckDecimal(static_cast<double>(b), static_cast<double>(c), static_cast<double>(d));
        return 0;
    }
    // Any coefficients: whole numbers scaled by powers of two, or any finite doubles.
    double coefficients[3];
    for (double& x : coefficients) {
        if (mode % 4 == 1) {
            const std::int32_t whole = input.i32();
            x = std::ldexp(static_cast<double>(whole), -static_cast<int>(input.byte() % 40));
        } else {
            const std::uint64_t low = input.u32();
            const std::uint64_t bits = low | static_cast<std::uint64_t>(input.u32()) << 32;
            std::memcpy(&x, &bits, sizeof x);
        }
        if (!std::isfinite(x))
            return 0;
    }
    if (coefficients[0] == 0)
        return 0;
    CheckDecimal(coefficients[0], coefficients[1], coefficients[2]);
    return 0;
}
