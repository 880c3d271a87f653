#include "fractions/arithmetic.h"

#include "conventions/numbers.h"
#include "fractions/gcd.h"

#include <utility>

namespace zentaro::fractions {
namespace {

Fraction ReadFraction(std::string_view numerator, std::string_view denominator)
{
    const std::int32_t n = StrictToInt32(numerator);
    const std::int32_t d = StrictToInt32(denominator);
    return {n, d};
}

} // namespace

Fraction fracreduce(Fraction f)
{
    const std::int32_t g = RoundToInt32(gcd(f.numerator, f.denominator).ToDouble());
    const std::int32_t n = RoundToInt32(Divide(f.numerator, g));
    const std::int32_t d = RoundToInt32(Divide(f.denominator, g));
    return {n, d};
}

Fraction fraccombine(FracOp op, std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d)
{
    switch (op) {
    case FracOp::Add:
        return {AddInt32(MulInt32(c, b), MulInt32(d, a)), MulInt32(d, b)};
    case FracOp::Subtract:
        return {SubInt32(MulInt32(d, a), MulInt32(c, b)), MulInt32(d, b)};
    case FracOp::Multiply:
        return {MulInt32(c, a), MulInt32(d, b)};
    case FracOp::Divide: {
        const Fraction quotient{MulInt32(d, a), MulInt32(c, b)};
        // When c·b is 0 as well, the reduction of 0/0 reports Overflow, as it does
        // for every other operation with two zero denominators.
        if (d == 0 && quotient.denominator != 0)
            Raise(ErrorCode::DivisionByZero);
        return quotient;
    }
    }
    Raise(ErrorCode::InvalidCall);
}

MixedText fracmixed(Fraction f)
{
    const std::int32_t w = TruncateToInt32(Divide(f.numerator, f.denominator));
    const std::int32_t r = Mod(f.numerator, f.denominator);
    std::optional<std::string> whole;
    if (w != 0)
        whole = FormatPlain(w);
    if (r == 0)
        return {std::move(whole), "0", ""};
    return {std::move(whole), FormatPlain(r), FormatPlain(f.denominator)};
}

MixedText fracanswer(FracOp op, std::string_view numerator1, std::string_view denominator1, std::string_view numerator2,
                     std::string_view denominator2)
{
    const Fraction first = fracreduce(ReadFraction(numerator1, denominator1));
    const Fraction second = fracreduce(ReadFraction(numerator2, denominator2));
    const Fraction combined = fraccombine(op, first.numerator, first.denominator, second.numerator, second.denominator);
    return fracmixed(fracreduce(combined));
}

} // namespace zentaro::fractions
