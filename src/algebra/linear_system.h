#pragma once

#include "algebra/determinant.h"
#include "conventions/working.h"

#include <array>
#include <string>
#include <string_view>

namespace zentaro::algebra {

inline constexpr std::string_view kNoUniqueSolution = "No Unique Solution";

// x1·x + y1·y = z1 and x2·x + y2·y = z2, by Cramer's rule: "x = 2; y = 1", or
// "No Unique Solution" when the determinant is exactly 0.
std::string cramer2(double x1, double y1, double z1, double x2, double y2, double z2, Working working = {});

// Three or four equations, one row per equation: the coefficients in reading
// order and the right-hand sides apart. "x= 1; y= 2; z= 3" (no blank before '=').
std::string cramer3(const Square3& coefficients, const std::array<double, 3>& constants, Working working = {});
std::string cramer4(const Square4& coefficients, const std::array<double, 4>& constants, Working working = {});

} // namespace zentaro::algebra
