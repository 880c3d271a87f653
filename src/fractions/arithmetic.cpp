#include "fractions/arithmetic.h"

#include "conventions/numbers.h"
#include "conventions/working_text.h"
#include "fractions/gcd.h"

#include <utility>

namespace zentaro::fractions {
namespace {

using working::Operand;

Fraction ReadFraction(std::string_view numerator, std::string_view denominator)
{
    const std::int32_t n = StrictToInt32(numerator);
    const std::int32_t d = StrictToInt32(denominator);
    return {n, d};
}

std::string Sign(FracOp op)
{
    switch (op) {
    case FracOp::Add:
        return " + ";
    case FracOp::Subtract:
        return " − ";
    case FracOp::Multiply:
        return " × ";
    case FracOp::Divide:
        return " ÷ ";
    }
    return " ? ";
}

std::string Product(std::int32_t x, std::int32_t y)
{
    return FormatPlain(x) + " × " + Operand(FormatPlain(y));
}

} // namespace

std::string Written(Fraction f)
{
    return FormatPlain(f.numerator) + "/" + FormatPlain(f.denominator);
}

std::string WrittenReduction(Fraction from, const std::string& g, const std::string& to)
{
    if (g == "1")
        return Written(from) + " is in lowest terms";
    const std::string by = Operand(g);
    return Written(from) + " = (" + FormatPlain(from.numerator) + " ÷ " + by + ")/(" + FormatPlain(from.denominator) +
           " ÷ " + by + ") = " + to;
}

std::string Written(const MixedText& m)
{
    if (m.denominator.empty())
        return m.whole.value_or(m.numerator);
    return (m.whole ? *m.whole + " " : "") + m.numerator + "/" + m.denominator;
}

Fraction fracreduce(Fraction f, Working working)
{
    const std::int32_t g = RoundToInt32(gcd(f.numerator, f.denominator, working).ToDouble());
    const std::int32_t n = RoundToInt32(Divide(f.numerator, g));
    const std::int32_t d = RoundToInt32(Divide(f.denominator, g));
    working.step([&] { return WrittenReduction(f, FormatPlain(g), Written(Fraction{n, d})); });
    return {n, d};
}

// The products are written in the order a reader expects (a·d + c·b); the
// checked arithmetic takes them in its own order, with the same values.
Fraction fraccombine(FracOp op, std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d, Working working)
{
    Fraction result;
    switch (op) {
    case FracOp::Add:
    case FracOp::Subtract: {
        const std::int32_t den = MulInt32(d, b);
        working.step([&] { return "Common denominator: " + Product(b, d) + " = " + FormatPlain(den); });
        const std::int32_t num =
            op == FracOp::Add ? AddInt32(MulInt32(c, b), MulInt32(d, a)) : SubInt32(MulInt32(d, a), MulInt32(c, b));
        working.step(
            [&] { return "Numerator: " + Product(a, d) + Sign(op) + Product(c, b) + " = " + FormatPlain(num); });
        result = {num, den};
        break;
    }
    case FracOp::Multiply:
    case FracOp::Divide: {
        if (op == FracOp::Divide) {
            working.step([&] {
                return Written(Fraction{a, b}) + " ÷ " + Written(Fraction{c, d}) + " = " + Written(Fraction{a, b}) +
                       " × " + Written(Fraction{d, c});
            });
        }
        const std::int32_t top = op == FracOp::Multiply ? c : d;
        const std::int32_t bottom = op == FracOp::Multiply ? d : c;
        const std::int32_t num = MulInt32(top, a);
        working.step([&] { return "Numerator: " + Product(a, top) + " = " + FormatPlain(num); });
        const std::int32_t den = MulInt32(bottom, b);
        working.step([&] { return "Denominator: " + Product(b, bottom) + " = " + FormatPlain(den); });
        // When c·b is 0 as well, the reduction of 0/0 reports Overflow, as it does
        // for every other operation with two zero denominators.
        if (op == FracOp::Divide && d == 0 && den != 0)
            Raise(ErrorCode::DivisionByZero);
        result = {num, den};
        break;
    }
    }
    working.step([&] {
        return Written(Fraction{a, b}) + Sign(op) + Written(Fraction{c, d}) + " = " + Written(result);
    });
    return result;
}

MixedText fracmixed(Fraction f, Working working)
{
    const std::int32_t w = TruncateToInt32(Divide(f.numerator, f.denominator));
    const std::int32_t r = Mod(f.numerator, f.denominator);
    working.step([&] {
        return FormatPlain(f.numerator) + " ÷ " + Operand(FormatPlain(f.denominator)) + " = " + FormatPlain(w) +
               " remainder " + FormatPlain(r);
    });
    std::optional<std::string> whole;
    if (w != 0)
        whole = FormatPlain(w);
    MixedText mixed{std::move(whole), "0", ""};
    if (r != 0)
        mixed = {std::move(mixed.whole), FormatPlain(r), FormatPlain(f.denominator)};
    // A proper fraction stays as it is; the division above says so.
    if (w != 0 || r == 0)
        working.step([&] { return Written(f) + " = " + Written(mixed); });
    return mixed;
}

MixedText fracanswer(FracOp op, std::string_view numerator1, std::string_view denominator1, std::string_view numerator2,
                     std::string_view denominator2, Working working)
{
    const Fraction typed1 = ReadFraction(numerator1, denominator1);
    const Fraction first = fracreduce(typed1, working);
    const Fraction typed2 = ReadFraction(numerator2, denominator2);
    const Fraction second = fracreduce(typed2, working);
    const Fraction combined =
        fraccombine(op, first.numerator, first.denominator, second.numerator, second.denominator, working);
    MixedText answer = fracmixed(fracreduce(combined, working), working);
    working.step([&] { return Written(typed1) + Sign(op) + Written(typed2) + " = " + Written(answer); });
    return answer;
}

} // namespace zentaro::fractions
