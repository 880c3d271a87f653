#include "geometry/vectors.h"

#include "conventions/format.h"
#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <string>

namespace zentaro::geometry {
namespace {

TEST(Vectors, DeterminantIsTheScalarTripleProduct)
{
    const struct {
        Vector p, q, r;
        double det;
    } cases[] = {
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 1},   {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}, -1},
        {{1, 2, 3}, {4, 5, 6}, {7, 8, 10}, -3}, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, 0},
        {{2, 0, 0}, {0, 3, 0}, {1, 1, 4}, 24},  {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.det);
        EXPECT_EQ(det(c.p.i, c.p.j, c.p.k, c.q.i, c.q.j, c.q.k, c.r.i, c.r.j, c.r.k), c.det);
    }
}

TEST(Vectors, TheSimpleOperationsWriteTheirTexts)
{
    const struct {
        Vector a, b;
        double moda, modb, dot, modcross;
        const char *theta, *sum, *difference, *cross;
    } cases[] = {
        {{0, 0, 0}, {0, 0, 0}, 0, 0, 0, 0, "-", "( 0)i +( 0)j +( 0)k", "( 0)i +( 0)j +( 0)k", "( 0)i +( 0)j +( 0)k"},
        {{1, 0, 0}, {0, 1, 0}, 1, 1, 0, 1, "90°", "( 1)i +( 1)j +( 0)k", "( 1)i +(-1)j +( 0)k", "( 0)i +( 0)j +( 1)k"},
        {{0, 0, 1}, {0, 0, 1}, 1, 1, 1, 0, "0°", "( 0)i +( 0)j +( 2)k", "( 0)i +( 0)j +( 0)k", "( 0)i +( 0)j +( 0)k"},
        {{1, 2, 3},
         {4, 5, 6},
         3.74165738677394,
         8.77496438739212,
         32,
         7.34846922834953,
         "12.9332°",
         "( 5)i +( 7)j +( 9)k",
         "(-3)i +(-3)j +(-3)k",
         "(-3)i +( 6)j +(-3)k"},
        // Obtuse and opposite: the true angle, not its supplement's negative.
        {{1, 0, 0},
         {-1, 1, 0},
         1,
         1.4142135623731,
         -1,
         1,
         "135°",
         "( 0)i +( 1)j +( 0)k",
         "( 2)i +(-1)j +( 0)k",
         "( 0)i +( 0)j +( 1)k"},
        {{1, 0, 0},
         {-2, 0, 0},
         1,
         2,
         -2,
         0,
         "180°",
         "(-1)i +( 0)j +( 0)k",
         "( 3)i +( 0)j +( 0)k",
         "( 0)i +( 0)j +( 0)k"},
        {{1, 2, 2},
         {-2, -4, -4},
         3,
         6,
         -18,
         0,
         "180°",
         "(-1)i +(-2)j +(-2)k",
         "( 3)i +( 6)j +( 6)k",
         "( 0)i +( 0)j +( 0)k"},
        {{1, 1, 0},
         {1, 0, 1},
         1.4142135623731,
         1.4142135623731,
         1,
         1.73205080756888,
         "60°",
         "( 2)i +( 1)j +( 1)k",
         "( 0)i +( 1)j +(-1)k",
         "( 1)i +(-1)j +(-1)k"},
        {{1, 0, 0},
         {1, 2, 0},
         1,
         2.23606797749979,
         1,
         2,
         "63.4349°",
         "( 2)i +( 2)j +( 0)k",
         "( 0)i +(-2)j +( 0)k",
         "( 0)i +( 0)j +( 2)k"},
        {{0, 0, 0}, {3, 0, 4}, 0, 5, 0, 0, "-", "( 3)i +( 0)j +( 4)k", "(-3)i +( 0)j +(-4)k", "( 0)i +( 0)j +( 0)k"},
        {{0.5, 0, 0},
         {0, 0, -0.25},
         0.5,
         0.25,
         0,
         0.125,
         "90°",
         "( .5)i +( 0)j +(-.25)k",
         "( .5)i +( 0)j +( .25)k",
         "( 0)i +( .125)j +( 0)k"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.sum) + " " + c.theta);
        EXPECT_EQ(FormatPlain(modulus(c.a)), FormatPlain(c.moda));
        EXPECT_EQ(FormatPlain(modulus(c.b)), FormatPlain(c.modb));
        EXPECT_EQ(scalarab(c.a.i, c.a.j, c.a.k, c.b.i, c.b.j, c.b.k), c.dot);
        EXPECT_EQ(angletext(c.a, c.b), c.theta);
        EXPECT_EQ(sumtext(c.a, c.b), c.sum);
        EXPECT_EQ(differencetext(c.a, c.b), c.difference);
        EXPECT_EQ(vectorab(c.a.i, c.a.j, c.a.k, c.b.i, c.b.j, c.b.k), c.cross);
        EXPECT_EQ(FormatPlain(modvectorab(c.a.i, c.a.j, c.a.k, c.b.i, c.b.j, c.b.k)), FormatPlain(c.modcross));
    }
}

TEST(Vectors, AnglesStayBetween0And180AndAreSymmetric)
{
    const struct {
        Vector a, b;
        const char* theta;
    } cases[] = {
        {{1, 0, 0}, {1, 1, 0}, "45°"},
        {{1, 0, 0}, {-1, -1, 0}, "135°"},
        {{0, 3, 0}, {0, -1, 1}, "135°"},
        {{2, 0, 0}, {-1, 1.7320508075688772, 0}, "120°"},
        {{1, 1, 1}, {-1, -1, -1}, "180°"},
        {{5, 5, 5}, {1, 1, 1}, "0°"},
        {{1, 0, 0}, {-1, 0.0001, 0}, "179.9943°"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.theta);
        EXPECT_EQ(angletext(c.a, c.b), c.theta);
        EXPECT_EQ(angletext(c.b, c.a), c.theta);
    }
}

TEST(Vectors, TheTripleProductsWriteTheirTexts)
{
    const struct {
        Vector p, q, r;
        const char* text;
        double length;
    } cases[] = {
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, "( 0)i + ( 0)j + ( 0)k", 0},
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, "( 0)i + ( 0)j + ( 0)k", 0},
        {{0, 1, 0}, {1, 0, 0}, {0, 1, 0}, "( 1)i + ( 0)j + ( 0)k", 1},
        {{1, 2, 3}, {4, 5, 6}, {7, 8, 10}, "(-12)i + ( 9)j + (-2)k", 15.1327459504216},
        {{1, 0, 0}, {1, 1, 0}, {0, 0, 1}, "( 0)i + ( 0)j + (-1)k", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Vector u = vectortriple(c.p, c.q, c.r);
        EXPECT_EQ(tripletext(u), c.text);
        EXPECT_EQ(FormatPlain(modulus(u)), FormatPlain(c.length));
    }
}

TEST(Vectors, ResultsBeyondTheDoubleRangeAreOverflow)
{
    const Vector big{1e200, 0, 0};
    const Vector one{1, 1, 1};
    const struct {
        const char* what;
        std::function<void()> run;
    } cases[] = {
        {"length", [&] { modulus(big); }},
        {"scalar product", [&] { scalarab(big.i, 0, 0, big.i, 0, 0); }},
        {"angle", [&] { angletext(big, one); }},
        {"sum",
         [&] {
             sumtext({1.7e308, 0, 0}, {1.7e308, 0, 0});
         }},
        {"vector product", [&] { vectorab(0, big.i, 0, 0, 0, big.i); }},
        {"triple product", [&] { vectortriple(big, big, big); }},
        {"determinant", [&] { det(big.i, 0, 0, 0, big.i, 0, 0, 0, 1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.run();
            ADD_FAILURE() << "no run-time error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::Overflow);
        }
    }
}

} // namespace
} // namespace zentaro::geometry
