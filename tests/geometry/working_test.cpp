// The working of the vector and triangle windows, line by line, against steps
// worked by hand.
#include "geometry/triangle.h"
#include "geometry/vectors.h"

#include "conventions/case_file.h"

namespace zentaro::geometry {
namespace {

using cases::Args;

Vector At(const Args& a, std::size_t first)
{
    return {a.number(first), a.number(first + 1), a.number(first + 2)};
}

TEST(Working, GeometryStepsMatchTheStepsWorkedByHand)
{
    cases::RunWorked("geometry/working.txt",
                     {{"vectors",
                       [](const Args& a, Working w) {
                           const Vector u = At(a, 0), v = At(a, 3);
                           modulus(u, "|a|", w);
                           modulus(v, "|b|", w);
                           scalarab(u.i, u.j, u.k, v.i, v.j, v.k, w);
                           angletext(u, v, w);
                           sumtext(u, v, w);
                           differencetext(u, v, w);
                           vectorab(u.i, u.j, u.k, v.i, v.j, v.k, w);
                           modvectorab(u.i, u.j, u.k, v.i, v.j, v.k, w);
                       }},
                      {"triple",
                       [](const Args& a, Working w) {
                           const Vector p = At(a, 0), q = At(a, 3), r = At(a, 6);
                           det(p.i, p.j, p.k, q.i, q.j, q.k, r.i, r.j, r.k, w);
                           tripletext(vectortriple(p, q, r, w), w);
                       }},
                      {"sss", [](const Args& a, Working w) { solvesss(a.number(0), a.number(1), a.number(2), w); }},
                      {"asa", [](const Args& a, Working w) { solveasa(a.number(0), a.number(1), a.number(2), w); }},
                      {"ssa", [](const Args& a, Working w) {
                           const std::string chosen = a[3];
                           solvessa(
                               a.number(0), a.number(1), a.number(2), [chosen](double, double) { return chosen; }, w);
                       }}});
}

} // namespace
} // namespace zentaro::geometry
