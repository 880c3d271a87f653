#include "geometry/triangle.h"
#include "geometry/triangle_solution.h"
#include "geometry/vectors.h"

#include "conventions/case_file.h"
#include "support/triangle_check.h"

#include <random>

namespace zentaro::geometry {
namespace {

using cases::Args;
using cases::Text;

// solvetriangle with every question answered by the reply, if the case gives one.
std::string Solve(const Args& a)
{
    // The modes are numbered from 1 in this order.
    const auto mode = static_cast<Mode>(1 + std::string_view("asa sas sss ssa").find(a[0]) / 4);
    std::string asked;
    std::vector<std::string> steps;
    const Solution solution = solvetriangle(
        mode, {a[1], a[2], a[3], a[4], a[5], a[6]},
        [&](std::string_view prompt, std::string_view title, std::string_view preset) {
            EXPECT_EQ(std::string(title) + "|" + std::string(preset), "Ambiguous Case!|a1");
            asked += " [" + std::string(prompt) + "]";
            return a.items.size() > 7 ? a[7] : "(no reply)";
        },
        Working(steps));
    if (solution.outcome != Outcome::Solved) {
        // The working ends with why nothing was solved.
        EXPECT_TRUE(steps.back().starts_with(solution.outcome == Outcome::NoTriangle ? "No triangle: " : "Neither"));
        return (solution.outcome == Outcome::NoTriangle ? "no triangle" : "backed out") + asked;
    }
    const TriangleCaptions captions = solutioncaptions(solution.triangle, Working(steps));
    // ... or with every caption the window shows.
    std::string all;
    for (const std::string* c :
         {&captions.sidealbl, &captions.sideblbl, &captions.sideclbl, &captions.Albl, &captions.Blbl, &captions.Clbl,
          &captions.Arealbl, &captions.Rlbl, &captions.inradiuslbl, &captions.r1lbl, &captions.r2lbl, &captions.r3lbl})
        all += (all.empty() ? "" : ", ") + *c;
    EXPECT_EQ(steps.back(), "To 4 decimals: " + all);
    return captions.sidealbl + "|" + captions.Albl + asked;
}

Vector At(const Args& a, std::size_t i)
{
    return {a.number(i), a.number(i + 1), a.number(i + 2)};
}

TEST(Geometry, CaseTable)
{
    cases::Run(
        "geometry/geometry.txt",
        {
            {"deci4", [](const Args& a) { return deci4(a.number(0)); }},
            {"solve", Solve},
            {"angle",
             [](const Args& a) {
                 std::vector<std::string> steps;
                 const std::string there = angletext(At(a, 0), At(a, 3), Working(steps)),
                                   back = angletext(At(a, 3), At(a, 0));
                 return there == back ? cases::EndingWith(there, steps) : there + " one way, " + back + " the other";
             }},
            {"modulus", [](const Args& a) { return Text(modulus(At(a, 0))); }},
            {"scalarab",
             [](const Args& a) {
                 return Text(scalarab(a.number(0), a.number(1), a.number(2), a.number(3), a.number(4), a.number(5)));
             }},
            {"sum", [](const Args& a) { return sumtext(At(a, 0), At(a, 3)); }},
            {"vectorab",
             [](const Args& a) {
                 return vectorab(a.number(0), a.number(1), a.number(2), a.number(3), a.number(4), a.number(5));
             }},
            {"triple", [](const Args& a) { return tripletext(vectortriple(At(a, 0), At(a, 3), At(a, 6))); }},
            {"det",
             [](const Args& a) {
                 return Text(det(a.number(0), a.number(1), a.number(2), a.number(3), a.number(4), a.number(5),
                                 a.number(6), a.number(7), a.number(8)));
             }},
        });
}

// The working of the vector and triangle windows, line by line, against steps
// worked by hand.
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

// Random data for every mode and reply; of three sides between 1 and 100 many
// fit a well-shaped triangle, which the other modes then solve again.
TEST(TriangleProperty, EveryModeAgreesWithTheLawsOfTrianglesAndWithTheOtherModes)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<long long> angle(1, 179999), side(100, 10000);
    const char* const replies[] = {"a1", "a2", ""};
    for (int k = 0; k < 20000; ++k) {
        const int mode = k % 4;
        long long parts[3];
        for (int i = 0; i < 3; ++i)
            parts[i] = testing::IsAngle(mode, i) ? angle(random) : side(random);
        ASSERT_EQ(testing::CheckTriangle(mode, parts, replies[k / 4 % 3]), "")
            << mode << ": " << parts[0] << ", " << parts[1] << ", " << parts[2];
    }
}

} // namespace
} // namespace zentaro::geometry
