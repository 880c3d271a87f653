#include "conventions/tagged.h"

#include "conventions/arithmetic.h"
#include "conventions/format.h"
#include "conventions/parse.h"

#include <limits>

namespace zentaro {
namespace {

using Kind = Tagged::Kind;

// The width both operands share once empty counts as a 16-bit 0 and text as a double.
Kind CommonKind(const Tagged& a, const Tagged& b)
{
    auto numeric = [](Kind k) {
        if (k == Kind::Empty)
            return Kind::Int16;
        if (k == Kind::Text)
            return Kind::Double;
        return k;
    };
    const Kind ka = numeric(a.kind());
    const Kind kb = numeric(b.kind());
    return ka > kb ? ka : kb;
}

// Integer results that leave their width move to the next one up.
Tagged Widened(long long exact, Kind kind)
{
    if (kind == Kind::Int16 && exact >= std::numeric_limits<std::int16_t>::min() &&
        exact <= std::numeric_limits<std::int16_t>::max())
        return Tagged(static_cast<std::int16_t>(exact));
    if (exact >= std::numeric_limits<std::int32_t>::min() && exact <= std::numeric_limits<std::int32_t>::max())
        return Tagged(static_cast<std::int32_t>(exact));
    return Tagged(static_cast<double>(exact));
}

template <typename IntOp, typename DoubleOp>
Tagged Apply(const Tagged& a, const Tagged& b, IntOp intOp, DoubleOp doubleOp)
{
    const Kind kind = CommonKind(a, b);
    if (kind == Kind::Double)
        return Tagged(doubleOp(a.ToDouble(), b.ToDouble()));
    const auto x = static_cast<long long>(a.ToDouble());
    const auto y = static_cast<long long>(b.ToDouble());
    return Widened(intOp(x, y), kind);
}

} // namespace

double Tagged::ToDouble() const
{
    switch (kind()) {
    case Kind::Empty:
        return 0.0;
    case Kind::Int16:
        return std::get<std::int16_t>(value_);
    case Kind::Int32:
        return std::get<std::int32_t>(value_);
    case Kind::Double:
        return std::get<double>(value_);
    case Kind::Text:
        return StrictToDouble(std::get<std::string>(value_));
    }
    return 0.0;
}

std::string Tagged::ToText() const
{
    switch (kind()) {
    case Kind::Empty:
        return {};
    case Kind::Int16:
        return FormatPlain(std::get<std::int16_t>(value_));
    case Kind::Int32:
        return FormatPlain(std::get<std::int32_t>(value_));
    case Kind::Double:
        return FormatPlain(std::get<double>(value_));
    case Kind::Text:
        return std::get<std::string>(value_);
    }
    return {};
}

std::partial_ordering operator<=>(const Tagged& a, const Tagged& b)
{
    if (a.kind() == Tagged::Kind::Text && b.kind() == Tagged::Kind::Text)
        return a.ToText() <=> b.ToText();
    return a.ToDouble() <=> b.ToDouble();
}

Tagged operator+(const Tagged& a, const Tagged& b)
{
    return Apply(a, b, [](long long x, long long y) { return x + y; }, [](double x, double y) { return Add(x, y); });
}

Tagged operator-(const Tagged& a, const Tagged& b)
{
    return Apply(a, b, [](long long x, long long y) { return x - y; }, [](double x, double y) { return Sub(x, y); });
}

Tagged operator*(const Tagged& a, const Tagged& b)
{
    return Apply(a, b, [](long long x, long long y) { return x * y; }, [](double x, double y) { return Mul(x, y); });
}

Tagged operator/(const Tagged& a, const Tagged& b)
{
    return Tagged(Divide(a.ToDouble(), b.ToDouble()));
}

std::string Concat(const Tagged& a, const Tagged& b)
{
    return a.ToText() + b.ToText();
}

} // namespace zentaro
