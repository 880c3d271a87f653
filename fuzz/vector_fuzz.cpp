// The vector procedures. The angle between two vectors lies within 0° to 180°
// and its cosine and sine agree with the scalar and vector products; "-" only
// when a vector is zero. Products, sums and triple products, read back from
// their texts, are those of an independent computation, exactly for whole
// components.
#include "conventions/numbers.h"
#include "fuzz_check.h"
#include "geometry/vectors.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

using zentaro::geometry::Vector;

Vector Cross(const Vector& a, const Vector& b)
{
    return {a.j * b.k - a.k * b.j, a.k * b.i - a.i * b.k, a.i * b.j - a.j * b.i};
}

double Dot(const Vector& a, const Vector& b)
{
    return a.i * b.i + a.j * b.j + a.k * b.k;
}

double Length(const Vector& a)
{
    return std::sqrt(Dot(a, a));
}

// '( 1)i +(-2)j +( 3)k' or, with `spaced`, '( 1)i + (-2)j + ( 3)k'.
Vector Read(const std::string& text, bool spaced)
{
    Vector v;
    int end = 0;
    const char* form = spaced ? "(%lf)i + (%lf)j + (%lf)k%n" : "(%lf)i +(%lf)j +(%lf)k%n";
    FUZZ_CHECK(std::sscanf(text.c_str(), form, &v.i, &v.j, &v.k, &end) == 3 && end == static_cast<int>(text.size()));
    return v;
}

// Each component within `tolerance`, and within the 15 digits a text keeps when
// `digits` is set.
bool Same(const Vector& x, const Vector& y, double tolerance, bool digits = false)
{
    const auto near = [&](double p, double q) {
        return std::fabs(p - q) <= tolerance + (digits ? 1e-14 * std::fabs(q) : 0);
    };
    return near(x.i, y.i) && near(x.j, y.j) && near(x.k, y.k);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zentaro::geometry;
    FuzzInput input(data, size);
    const bool scaled = input.byte() % 2 == 1;
    Vector v[3];
    // Components: 16-bit whole numbers, scaled down by up to 2^20 when `scaled`.
    for (double* x : {&v[0].i, &v[0].j, &v[0].k, &v[1].i, &v[1].j, &v[1].k, &v[2].i, &v[2].j, &v[2].k}) {
        *x = input.i16();
        if (scaled)
            *x = std::ldexp(*x, -static_cast<int>(input.byte() % 21));
    }
    const Vector &a = v[0], &b = v[1], &c = v[2];
    const double lengths = Length(a) * Length(b);
    // Whole components below 2^15 keep every product and sum here exact.
    const double tolerance = scaled ? 1e-12 * (lengths + 1) : 0;

    // The angle, rounded to 4 decimals: within 5e-5° of the true one.
    const std::string angle = angletext(a, b);
    if (Length(a) == 0 || Length(b) == 0) {
        FUZZ_CHECK(angle == "-");
    } else {
        double theta = -1;
        int end = 0;
        FUZZ_CHECK(std::sscanf(angle.c_str(), "%lf°%n", &theta, &end) == 1 && end == static_cast<int>(angle.size()));
        FUZZ_CHECK(angle[0] != ' ' && theta >= 0 && theta <= 180 && theta == zentaro::RoundHalfEven(theta, 4));
        const double radians = theta * std::acos(-1.0) / 180;
        const double slack = 5e-5 * std::acos(-1.0) / 180 + 1e-12;
        FUZZ_CHECK(std::fabs(std::cos(radians) - Dot(a, b) / lengths) <= slack);
        FUZZ_CHECK(std::fabs(std::sin(radians) - Length(Cross(a, b)) / lengths) <= slack);
    }

    // Lengths and products.
    FUZZ_CHECK(std::fabs(modulus(a) - Length(a)) <= 1e-15 * Length(a));
    FUZZ_CHECK(std::fabs(scalarab(a.i, a.j, a.k, b.i, b.j, b.k) - Dot(a, b)) <= tolerance);
    FUZZ_CHECK(std::fabs(modvectorab(a.i, a.j, a.k, b.i, b.j, b.k) - Length(Cross(a, b))) <=
               1e-15 * lengths + tolerance);
    FUZZ_CHECK(Same(Read(vectorab(a.i, a.j, a.k, b.i, b.j, b.k), false), Cross(a, b), tolerance, scaled));
    FUZZ_CHECK(Same(Read(sumtext(a, b), false), {a.i + b.i, a.j + b.j, a.k + b.k}, tolerance, scaled));
    FUZZ_CHECK(Same(Read(differencetext(a, b), false), {a.i - b.i, a.j - b.j, a.k - b.k}, tolerance, scaled));

    // Triple products: the determinant is a · (b × c), and a × (b × c) read from its text.
    const double tripleSize = Length(a) * Length(b) * Length(c);
    const double tripleTolerance = scaled ? 1e-12 * (tripleSize + 1) : 0;
    FUZZ_CHECK(std::fabs(det(a.i, a.j, a.k, b.i, b.j, b.k, c.i, c.j, c.k) - Dot(a, Cross(b, c))) <= tripleTolerance);
    const Vector triple = vectortriple(a, b, c);
    FUZZ_CHECK(Same(triple, Cross(a, Cross(b, c)), tripleTolerance));
    FUZZ_CHECK(Same(Read(tripletext(triple), true), triple, 0, scaled));
    return 0;
}
