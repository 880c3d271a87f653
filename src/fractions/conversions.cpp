#include "fractions/conversions.h"

#include "conventions/numbers.h"
#include "fractions/gcd.h"

namespace zentaro::fractions {
namespace {

std::int32_t ReadLenient(std::string_view text)
{
    return RoundToInt32(ParseNumber(text));
}

} // namespace

Fraction toimproper(std::string_view whole, std::string_view numerator, std::string_view denominator)
{
    const std::int32_t w = ReadLenient(whole);
    const std::int32_t n = ReadLenient(numerator);
    std::int32_t d = ReadLenient(denominator);
    if (denominator.empty())
        d = 1;
    return {AddInt32(MulInt32(w, d), n), d};
}

ImproperText improperanswer(std::string_view whole, std::string_view numerator, std::string_view denominator)
{
    const Fraction f = toimproper(whole, numerator, denominator);
    return {FormatPlain(f.numerator), FormatPlain(f.denominator)};
}

ImproperText mixedtoimproper(std::string_view whole, std::string_view numerator, std::string_view denominator)
{
    const Fraction f = toimproper(whole, numerator, denominator);
    if (f.denominator == 0)
        Raise(ErrorCode::DivisionByZero);
    // Not rounded to 32 bits: gcd(-2147483648, -2147483648) is 2147483648 and
    // the quotients are still whole.
    const Tagged g = gcd(f.numerator, f.denominator);
    const Tagged n = Tagged(f.numerator) / g;
    const Tagged d = Tagged(f.denominator) / g;
    return {n.ToText(), d.ToText()};
}

void impropertomixed(std::string_view numerator, std::string_view denominator, const WriteMixedField& write)
{
    const std::int32_t n = ReadLenient(numerator);
    const std::int32_t d = ReadLenient(denominator);
    const std::int32_t w = TruncateToInt32(Divide(n, d));
    if (w != 0)
        write(MixedField::Whole, FormatPlain(w));
    const std::int32_t r = Mod(n, d);
    if (r == 0) {
        write(MixedField::Numerator, "0");
        return;
    }
    const std::int32_t g = RoundToInt32(gcd(r, d).ToDouble());
    write(MixedField::Numerator, FormatPlain(RoundToInt32(Divide(r, g))));
    write(MixedField::Denominator, FormatPlain(RoundToInt32(Divide(d, g))));
}

} // namespace zentaro::fractions
