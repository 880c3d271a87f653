#include "geometry/triangle.h"
#include "geometry/vectors.h"

#include "conventions/steps.h"

namespace zentaro::geometry {
namespace {

using steps::ExpectLines;

TEST(Working, VectorsAsTheFirstButtonComputesThem)
{
    std::vector<std::string> lines;
    const Working w(lines);
    const Vector a{1, 2, 3}, b{4, 5, 6};
    modulus(a, "|a|", w);
    modulus(b, "|b|", w);
    scalarab(1, 2, 3, 4, 5, 6, w);
    angletext(a, b, w);
    sumtext(a, b, w);
    differencetext(a, b, w);
    vectorab(1, 2, 3, 4, 5, 6, w);
    modvectorab(1, 2, 3, 4, 5, 6, w);
    ExpectLines(lines,
                {"|a| = √(1² + 2² + 3²) = √14 ≈ 3.74165738677394", "|b| = √(4² + 5² + 6²) = √77 ≈ 8.77496438739212",
                 "a · b = 1 × 4 + 2 × 5 + 3 × 6 = 4 + 10 + 18 = 32",
                 "θ: |a × b| = |a||b| sin θ and a · b = |a||b| cos θ, so θ = atan2(|a × b|, a · b)",
                 "θ = atan2(7.34846922834953, 32) ≈ 12.9331544918991°", "θ to 4 decimals: 12.9332°",
                 "a + b = (1 + 4)i + (2 + 5)j + (3 + 6)k = ( 5)i +( 7)j +( 9)k",
                 "a − b = (1 − 4)i + (2 − 5)j + (3 − 6)k = (-3)i +(-3)j +(-3)k",
                 "a × b, i: 2 × 6 − 3 × 5 = 12 − 15 = -3", "a × b, j: 3 × 4 − 1 × 6 = 12 − 6 = 6",
                 "a × b, k: 1 × 5 − 2 × 4 = 5 − 8 = -3", "a × b = (-3)i +( 6)j +(-3)k",
                 "|a × b| = √((-3)² + 6² + (-3)²) = √54 ≈ 7.34846922834953"});
}

TEST(Working, TripleProductsOfJIJ)
{
    std::vector<std::string> lines;
    const Working w(lines);
    det(0, 1, 0, 1, 0, 0, 0, 1, 0, w);
    tripletext(vectortriple({0, 1, 0}, {1, 0, 0}, {0, 1, 0}, w), w);
    ExpectLines(lines,
                {"[a, b, c] = a · (b × c), the determinant along its first row: 0 × (0 × 0 − 0 × 1) − 1 × "
                 "(1 × 0 − 0 × 0) + 0 × (1 × 1 − 0 × 0)",
                 "[a, b, c] = 0 × 0 − 1 × 0 + 0 × 1 = 0 − 0 + 0 = 0", "a × (b × c) = b (a · c) − c (a · b)",
                 "a · c = 0 × 0 + 1 × 1 + 0 × 0 = 0 + 1 + 0 = 1", "a · b = 0 × 1 + 1 × 0 + 0 × 0 = 0 + 0 + 0 = 0",
                 "i: 1 × 1 − 0 × 0 = 1 − 0 = 1", "j: 1 × 0 − 0 × 1 = 0 − 0 = 0", "k: 1 × 0 − 0 × 0 = 0 − 0 = 0",
                 "a × (b × c) = ( 1)i + ( 0)j + ( 0)k"});
}

TEST(Working, TrianglesSayWhichRuleGaveEachPart)
{
    const auto solve = [](auto mode) {
        std::vector<std::string> lines;
        mode(Working(lines));
        return lines;
    };
    {
        SCOPED_TRACE("three sides 3, 4, 5");
        ExpectLines(solve([](Working w) { solvesss(3, 4, 5, w); }),
                    {"Given a = 3, b = 4, c = 5", "s = (a + b + c) ÷ 2 = (3 + 4 + 5) ÷ 2 = 6",
                     "s − a = 3, s − b = 2, s − c = 1",
                     "Area = √(s(s − a)(s − b)(s − c)) = √(6 × 3 × 2 × 1) = √36 = 6 (Heron's formula)",
                     "A = 2 atan(Area ÷ (s(s − a))) = 2 atan(6 ÷ (6 × 3)) ≈ 36.869897645844° (half-angle formula)",
                     "B = 2 atan(Area ÷ (s(s − b))) = 2 atan(6 ÷ (6 × 2)) ≈ 53.130102354156° (half-angle formula)",
                     "C = 180° − A − B = 180° − 36.869897645844° − 53.130102354156° = 90° (angle sum)"});
    }
    {
        SCOPED_TRACE("the ambiguous case B = 30°, b = 6, c = 10, the second root chosen");
        const std::vector<std::string> ambiguous = solve([](Working w) {
            solvessa(
                30, 6, 10, [](double, double) { return "a2"; }, w);
        });
        ExpectLines({ambiguous.begin(), ambiguous.begin() + 7},
                    {"Given B = 30°, b = 6, c = 10",
                     "b² = a² + c² − 2ac cos B (cosine rule) is a quadratic in a: a = c cos B ± √(b² − c² sin² B)",
                     "b² − c² sin² B = 6² − 10² × sin² 30° ≈ 11",
                     "a₁ = c cos B + √(b² − c² sin² B) = 10 × cos 30° + √11 ≈ 11.97687883 (to 8 decimals)",
                     "a₂ = a₁ − 2√(b² − c² sin² B) = 11.97687883 − 2 × √11 ≈ 5.34362925 (to 8 decimals)",
                     "a₁ and a₂ are both above 0: two triangles fit the data (the ambiguous case), one is chosen",
                     "Chosen: a2, so a = 5.34362925"});
        EXPECT_EQ(ambiguous.back(),
                  "C = 180° − A − B = 180° − 26.4426902668534° − 30° ≈ 123.557309733147° (angle sum)");
    }
    {
        SCOPED_TRACE("two angles and the side between");
        ExpectLines(solve([](Working w) { solveasa(10, 40, 60, w); }),
                    {"Given a = 10, B = 40°, C = 60°", "A = 180° − B − C = 180° − 40° − 60° = 80° (angle sum)",
                     "b = a sin B ÷ sin A = 10 × sin 40° ÷ sin 80° ≈ 6.52703644666139 (sine rule)",
                     "c = a sin C ÷ sin A = 10 × sin 60° ÷ sin 80° ≈ 8.79385241571817 (sine rule)"});
    }
}

} // namespace
} // namespace zentaro::geometry
