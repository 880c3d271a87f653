#pragma once

#include "conventions/working.h"

#include <functional>
#include <string>

namespace zentaro::geometry {

// The six parts of a plane triangle: sides a, b, c and the angles A, B, C in
// degrees, each angle opposite the side of the same letter.
struct Triangle {
    double a = 0, b = 0, c = 0;
    double A = 0, B = 0, C = 0;
};

// What a triangle gives besides its parts: semi-perimeter s, s - a, s - b, s - c,
// area, circumradius R, inradius r and the exradii opposite A, B and C.
struct Measures {
    double s = 0, sa = 0, sb = 0, sc = 0;
    double area = 0, R = 0, r = 0, r1 = 0, r2 = 0, r3 = 0;
};

// How a solve ended: a triangle, data that fit none, or the user declined to
// choose between two triangles (then nothing is shown).
enum class Outcome { Solved, NoTriangle, BackedOut };

struct Solution {
    Outcome outcome = Outcome::NoTriangle;
    Triangle triangle;
};

// Asked with the two candidate sides a1 and a2 when two triangles fit; gives the
// user's reply, "a1" or "a2" to choose.
using Chooser = std::function<std::string(double a1, double a2)>;

// x rounded half to even at four decimals and written with its leading blank:
// 2.5 gives ' 2.5', 36.86989764584402 ' 36.8699', -1.23456 '-1.2346'.
std::string deci4(double x);

// True when a, b and c satisfy the strict triangle inequality (s above every
// side), which also makes every side positive.
bool formstriangle(double a, double b, double c);

// Two angles and the side between them. No triangle unless a, B and C are
// positive and B + C is below 180.
Solution solveasa(double a, double B, double C, Working working = {});

// Two sides and the angle between them. No triangle unless b and c are positive
// and 0 < A < 180.
Solution solvesas(double A, double b, double c, Working working = {});

// All three sides, by the half-angle formulas. Sides that meet the triangle
// inequality only within the rounding of their decimals (0.1, 0.2, 0.3) are flat
// and fit no triangle.
Solution solvesss(double a, double b, double c, Working working = {});

// Two sides and the angle opposite the first: the ambiguous case. Two positive
// candidates for a are rounded to 8 decimals and offered to `choose`; a reply
// other than exactly "a1" or "a2" backs out. No triangle when 0 < B < 180, b > 0,
// c > 0 do not hold or no candidate for a is positive.
Solution solvessa(double B, double b, double c, const Chooser& choose, Working working = {});

// s, area (Heron), R, r and the exradii of the triangle with sides a, b and c.
Measures trimeasures(double a, double b, double c, Working working = {});

} // namespace zentaro::geometry
