#pragma once

#include <array>

namespace zentaro::algebra {

// Matrix elements in reading order: row 1 left to right, then row 2, and so on.
using Square3 = std::array<double, 9>;
using Square4 = std::array<double, 16>;

// a·d − c·b for the rows (a, b), (c, d), written as the 2 × 2 windows compute it:
// the product with the bottom-right element first.
double det2(double a, double b, double c, double d);

// Expansion along the first row: the three minors first, then combined from the
// left. A product or sum beyond the double range raises Overflow.
double det(const Square3& a);

// Expansion along the first row with det on each 3 × 3 minor, the terms combined
// from the left.
double delta(const Square4& a);

// The 3 × 3 matrix left when row 1 and column `column` (0 to 3) are struck out.
Square3 minor(const Square4& a, int column);

} // namespace zentaro::algebra
