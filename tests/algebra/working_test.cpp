#include "algebra/linear_system.h"
#include "algebra/quadratic.h"

#include "conventions/steps.h"

namespace zentaro::algebra {
namespace {

using steps::ExpectLines;

struct Worked {
    const char* what;
    std::vector<std::string> lines; // recorded
    std::vector<std::string> byHand;
};

std::vector<std::string> Quadratic(double b, double c, double d, bool integral)
{
    std::vector<std::string> lines;
    quadroots(b, c, d, integral, Working(lines));
    return lines;
}

template <typename Solve> std::vector<std::string> Recorded(Solve solve)
{
    std::vector<std::string> lines;
    solve(Working(lines));
    return lines;
}

TEST(Working, AlgebraStepsMatchTheStepsWorkedByHand)
{
    const Worked worked[] = {
        {"288 = 2⁵ × 3²: 12 comes out of the root, 2 stays",
         Quadratic(1, 0, -72, true),
         {"x² − 72 = 0: a = 1, b = 0, c = -72", "D = b² − 4ac = 0² − 4 × 1 × (-72) = 0 + 288 = 288",
          "|D| = 288 is not a perfect square: the roots are written exactly, with √",
          "x = (−b ± √D) ÷ 2a = (0 ± √288) ÷ 2: the part without the root and the part with it are reduced apart",
          "−b ÷ 2a = 0: there is no x term", "288 has the factor 2⁵: 2² comes out of the root, 2 stays under it",
          "9 has the factor 3²: 3 comes out of the root", "|D| = 288 = 12² × 2, so √|D| = 12√2",
          "√D ÷ 2a = 12√2 ÷ 2 = 6√2 ÷ 1 (both divided by gcd(12, 2) = 2)", "α =( 0)+( 6)√ 2; β =( 0)-( 6)√ 2"}},
        {"21 = 3 × 7: the 7 is above √21 and stays under the root",
         Quadratic(1, 1, -5, true),
         {"x² + x − 5 = 0: a = 1, b = 1, c = -5", "D = b² − 4ac = 1² − 4 × 1 × (-5) = 1 + 20 = 21",
          "|D| = 21 is not a perfect square: the roots are written exactly, with √",
          "x = (−b ± √D) ÷ 2a = (-1 ± √21) ÷ 2: the part without the root and the part with it are reduced apart",
          "−b ÷ 2a = -1 ÷ 2 (gcd(1, 2) = 1: already in lowest terms)", "21 has the factor 3¹: 3 stays under the root",
          "the 7 left is a prime above √|D|: it stays under the root", "|D| = 21 has no square factor: √|D| = √21",
          "√D ÷ 2a = √21 ÷ 2 (gcd(1, 2) = 1: already in lowest terms)",
          "α =(- 1/ 2)+( 1/ 2)√ 21; β =(- 1/ 2)-( 1/ 2)√ 21"}},
        {"complex roots from a perfect square, as decimals",
         Quadratic(1, 2, 5, true),
         {"x² + 2x + 5 = 0: a = 1, b = 2, c = 5", "D = b² − 4ac = 2² − 4 × 1 × 5 = 4 − 20 = -16",
          "|D| = 16 = 4², a perfect square: the roots need no √", "x = (−b ± √D) ÷ 2a = (-2 ± √(-16)) ÷ 2",
          "D < 0: √D = i√(−D), so the roots are complex: x = −b ÷ 2a ± (√(−D) ÷ 2a)i", "−b ÷ 2a = -2 ÷ 2 = -1",
          "√(−D) ÷ 2a = √16 ÷ 2 = 4 ÷ 2 = 2", "α =-1+ ( 2)ι; β =-1- ( 2)ι"}},
        {"rounded decimals are marked",
         Quadratic(1, 1, -1, false),
         {"x² + x − 1 = 0: a = 1, b = 1, c = -1", "D = b² − 4ac = 1² − 4 × 1 × (-1) = 1 + 4 = 5",
          "“Rational” is chosen: the roots are written as decimals", "x = (−b ± √D) ÷ 2a = (-1 ± √5) ÷ 2",
          "√5 ≈ 2.23606797749979", "α = (-1 + 2.23606797749979) ÷ 2 = 1.23606797749979 ÷ 2 ≈ 0.618033988749895",
          "β = (-1 − 2.23606797749979) ÷ 2 = -3.23606797749979 ÷ 2 ≈ -1.61803398874989",
          "≈: written to 15 significant digits, as the answer is", "α = .618033988749895; β =-1.61803398874989"}},
        {"3 × 3 along the first row",
         Recorded([](Working w) {
             det({1, 2, 3, 4, 5, 6, 7, 8, 10}, w);
         }),
         {"D: rows (1, 2, 3), (4, 5, 6), (7, 8, 10); along the first row, D = 1 × M₁ − 2 × M₂ + 3 × M₃",
          "M₁ = 5 × 10 − 6 × 8 = 50 − 48 = 2", "M₂ = 4 × 10 − 6 × 7 = 40 − 42 = -2",
          "M₃ = 4 × 8 − 5 × 7 = 32 − 35 = -3", "D = 1 × 2 − 2 × (-2) + 3 × (-3) = 2 + 4 − 9 = -3"}},
        {"Cramer's rule, 2 unknowns",
         Recorded([](Working w) { cramer2(1, 1, 3, 1, -1, 1, w); }),
         {"x + y = 3", "x − y = 1",
          "Cramer's rule: x = Dx ÷ D, y = Dy ÷ D; D is the determinant of the coefficients, and Dx, Dy are D with "
          "that unknown's column replaced by the right-hand sides",
          "D: rows (1, 1), (1, -1)", "D = 1 × (-1) − 1 × 1 = -1 − 1 = -2", "Dx: rows (3, 1), (1, -1)",
          "Dx = 3 × (-1) − 1 × 1 = -3 − 1 = -4", "x = Dx ÷ D = -4 ÷ (-2) = 2", "Dy: rows (1, 3), (1, 1)",
          "Dy = 1 × 1 − 1 × 3 = 1 − 3 = -2", "y = Dy ÷ D = -2 ÷ (-2) = 1", "x = 2; y = 1"}},
        {"a singular system stops at D = 0",
         Recorded([](Working w) {
             cramer3({1, 4, 7, 2, 5, 8, 3, 6, 9}, {1, 1, 1}, w);
         }),
         {"x + 4y + 7z = 1", "2x + 5y + 8z = 1", "3x + 6y + 9z = 1",
          "Cramer's rule: x = Dx ÷ D, y = Dy ÷ D, z = Dz ÷ D; D is the determinant of the coefficients, and Dx, "
          "Dy, Dz are D with that unknown's column replaced by the right-hand sides",
          "D: rows (1, 4, 7), (2, 5, 8), (3, 6, 9); along the first row, D = 1 × M₁ − 4 × M₂ + 7 × M₃",
          "M₁ = 5 × 9 − 8 × 6 = 45 − 48 = -3", "M₂ = 2 × 9 − 8 × 3 = 18 − 24 = -6", "M₃ = 2 × 6 − 5 × 3 = 12 − 15 = -3",
          "D = 1 × (-3) − 4 × (-6) + 7 × (-3) = -3 + 24 − 21 = 0",
          "D = 0: Cramer's rule needs D ≠ 0; the equations have no common solution or infinitely many",
          "No Unique Solution"}},
    };
    for (const Worked& w : worked) {
        SCOPED_TRACE(w.what);
        ExpectLines(w.lines, w.byHand);
    }
}

} // namespace
} // namespace zentaro::algebra
