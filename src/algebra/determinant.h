#pragma once

#include "conventions/working.h"

#include <array>
#include <string_view>

namespace zentaro::algebra {

// Matrix elements in reading order: row 1 left to right, then row 2, and so on.
using Square3 = std::array<double, 9>;
using Square4 = std::array<double, 16>;

// a·d − c·b for the rows (a, b), (c, d), written as the 2 × 2 windows compute it:
// the product with the bottom-right element first.
double det2(double a, double b, double c, double d, Working working = {});

// Expansion along the first row: the three minors first, then combined from the
// left. A product or sum beyond the double range raises Overflow.
double det(const Square3& a, Working working = {});

// Expansion along the first row with det on each 3 × 3 minor, the terms combined
// from the left.
double delta(const Square4& a, Working working = {});

// The same three, their steps calling the result `name` ("Dx") instead of "D".
double det2(double a, double b, double c, double d, std::string_view name, Working working);
double det(const Square3& a, std::string_view name, Working working);
double delta(const Square4& a, std::string_view name, Working working);

// The 3 × 3 matrix left when row 1 and column `column` (0 to 3) are struck out.
Square3 minor(const Square4& a, int column);

} // namespace zentaro::algebra
