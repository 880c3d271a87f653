#include "fractions/conversions.h"

#include "conventions/numbers.h"
#include "conventions/working_text.h"
#include "fractions/arithmetic.h"
#include "fractions/gcd.h"

namespace zentaro::fractions {
namespace {

using working::Operand;

std::int32_t ReadLenient(std::string_view text)
{
    return RoundToInt32(ParseNumber(text));
}

// A mixed number as read, before it becomes one fraction.
struct Mixed {
    std::int32_t whole;
    Fraction part;
};

std::string Written(const Mixed& m)
{
    return m.whole == 0 ? Written(m.part) : FormatPlain(m.whole) + " " + Written(m.part);
}

Mixed ReadMixed(std::string_view whole, std::string_view numerator, std::string_view denominator, Working working)
{
    const std::int32_t w = ReadLenient(whole);
    const std::int32_t n = ReadLenient(numerator);
    std::int32_t d = ReadLenient(denominator);
    if (denominator.empty()) {
        d = 1;
        working.step("The denominator is empty: it counts as 1");
    }
    return {w, {n, d}};
}

Fraction ToImproper(const Mixed& m, Working working)
{
    const std::int32_t d = m.part.denominator;
    const Fraction improper{AddInt32(MulInt32(m.whole, d), m.part.numerator), d};
    working.step([&] {
        return Written(m) + " = (" + FormatPlain(m.whole) + " × " + Operand(FormatPlain(d)) + " + " +
               Operand(FormatPlain(m.part.numerator)) + ")/" + FormatPlain(d) + " = " + Written(improper);
    });
    return improper;
}

} // namespace

Fraction toimproper(std::string_view whole, std::string_view numerator, std::string_view denominator, Working working)
{
    return ToImproper(ReadMixed(whole, numerator, denominator, working), working);
}

ImproperText improperanswer(std::string_view whole, std::string_view numerator, std::string_view denominator,
                            Working working)
{
    const Fraction f = toimproper(whole, numerator, denominator, working);
    return {FormatPlain(f.numerator), FormatPlain(f.denominator)};
}

ImproperText mixedtoimproper(std::string_view whole, std::string_view numerator, std::string_view denominator,
                             Working working)
{
    const Mixed typed = ReadMixed(whole, numerator, denominator, working);
    const Fraction f = ToImproper(typed, working);
    if (f.denominator == 0)
        Raise(ErrorCode::DivisionByZero);
    // Not rounded to 32 bits: gcd(-2147483648, -2147483648) is 2147483648 and
    // the quotients are still whole.
    const Tagged g = gcd(f.numerator, f.denominator, working);
    const Tagged n = Tagged(f.numerator) / g;
    const Tagged d = Tagged(f.denominator) / g;
    working.step([&] { return WrittenReduction(f, g.ToText(), n.ToText() + "/" + d.ToText()); });
    working.step([&] { return Written(typed) + " = " + n.ToText() + "/" + d.ToText(); });
    return {n.ToText(), d.ToText()};
}

void impropertomixed(std::string_view numerator, std::string_view denominator, const WriteMixedField& write,
                     Working working)
{
    const std::int32_t n = ReadLenient(numerator);
    const std::int32_t d = ReadLenient(denominator);
    const std::int32_t w = TruncateToInt32(Divide(n, d));
    // A whole answer shows "0" over nothing.
    MixedText shown{std::nullopt, "0", ""};
    if (w != 0) {
        shown.whole = FormatPlain(w);
        write(MixedField::Whole, *shown.whole);
    }
    const std::int32_t r = Mod(n, d);
    working.step([&] {
        return FormatPlain(n) + " ÷ " + Operand(FormatPlain(d)) + " = " + FormatPlain(w) + " remainder " +
               FormatPlain(r);
    });
    if (r == 0) {
        write(MixedField::Numerator, shown.numerator);
    } else {
        const std::int32_t g = RoundToInt32(gcd(r, d, working).ToDouble());
        shown.numerator = FormatPlain(RoundToInt32(Divide(r, g)));
        write(MixedField::Numerator, shown.numerator);
        shown.denominator = FormatPlain(RoundToInt32(Divide(d, g)));
        write(MixedField::Denominator, shown.denominator);
        working.step([&] {
            return WrittenReduction({r, d}, FormatPlain(g), shown.numerator + "/" + shown.denominator);
        });
    }
    working.step([&] { return Written(Fraction{n, d}) + " = " + Written(shown); });
}

} // namespace zentaro::fractions
