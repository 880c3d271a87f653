#pragma once

#include "conventions/working.h"

#include <string>
#include <string_view>

namespace zentaro::geometry {

// A vector in components along i, j and k.
struct Vector {
    double i = 0, j = 0, k = 0;
};

// The 3-by-3 determinant with rows (a1, a2, a3), (b1, b2, b3), (c1, c2, c3),
// expanded along the first row: the scalar triple product [a, b, c].
double det(double a1, double a2, double a3, double b1, double b2, double b3, double c1, double c2, double c3,
           Working working = {});

// a × b as '(-3)i +( 6)j +(-3)k'.
std::string vectorab(double a1, double a2, double a3, double b1, double b2, double b3, Working working = {});

// |a × b|.
double modvectorab(double a1, double a2, double a3, double b1, double b2, double b3, Working working = {});

// a · b.
double scalarab(double a1, double a2, double a3, double b1, double b2, double b3, Working working = {});

// The length of v; the steps call it `name` ("|a|").
double modulus(const Vector& v, Working working = {});
double modulus(const Vector& v, std::string_view name, Working working);

// a + b and a - b written like a × b: '( 5)i +( 7)j +( 9)k'.
std::string sumtext(const Vector& a, const Vector& b, Working working = {});
std::string differencetext(const Vector& a, const Vector& b, Working working = {});

// The angle between a and b in degrees, from 0° to 180°, rounded half to even at
// four decimals: '90°', '135°'. "-" when either vector is zero.
std::string angletext(const Vector& a, const Vector& b, Working working = {});

// The vector triple product a × (b × c) = b (a · c) - c (a · b).
Vector vectortriple(const Vector& p, const Vector& q, const Vector& r, Working working = {});

// A triple product's components, with a blank after each plus: '( 1)i + ( 0)j + ( 0)k'.
std::string tripletext(const Vector& u, Working working = {});

} // namespace zentaro::geometry
