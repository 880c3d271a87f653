#include "geometry/vectors.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zentaro::geometry {
namespace {

TEST(Vectors, AnglesRunFrom0To180EitherWayRound)
{
    const struct {
        Vector a, b;
        const char* theta;
    } cases[] = {{{0, 0, 0}, {0, 0, 0}, "-"},
                 {{0, 0, 0}, {3, 0, 4}, "-"},
                 {{1, 0, 0}, {0, 1, 0}, "90°"},
                 {{0, 0, 1}, {0, 0, 2}, "0°"},
                 {{1, 1, 0}, {1, 0, 1}, "60°"},
                 {{1, 0, 0}, {-1, 1, 0}, "135°"},
                 {{1, 0, 0}, {1, 1, 0}, "45°"},
                 {{1, 0, 0}, {-1, -1, 0}, "135°"},
                 {{0, 3, 0}, {0, -1, 1}, "135°"},
                 {{2, 0, 0}, {-1, 1.7320508075688772, 0}, "120°"},
                 {{5, 5, 5}, {-1, -1, -1}, "180°"},
                 {{1, 0, 0}, {1, 2, 0}, "63.4349°"},
                 {{1, 0, 0}, {-1, 1e-4, 0}, "179.9943°"}};
    for (const auto& c : cases) {
        EXPECT_EQ(angletext(c.a, c.b), c.theta);
        EXPECT_EQ(angletext(c.b, c.a), c.theta);
    }
}

TEST(Vectors, ResultsBeyondTheDoubleRangeAreOverflow)
{
    const double big = 1e200;
    const std::function<void()> cases[] = {
        [&] {
            modulus({big, 0, 0});
        },
        [&] { scalarab(big, 0, 0, big, 0, 0); },
        [&] {
            angletext({big, 0, 0}, {1, 1, 1});
        },
        [&] {
            sumtext({1.7e308, 0, 0}, {1.7e308, 0, 0});
        },
        [&] { vectorab(0, big, 0, 0, 0, big); },
        [&] {
            vectortriple({big, 0, 0}, {big, 0, 0}, {big, 0, 0});
        },
        [&] { det(big, 0, 0, 0, big, 0, 0, 0, 1); },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        try {
            cases[i]();
            ADD_FAILURE() << "no run-time error in case " << i;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::Overflow) << "case " << i;
        }
    }
}

} // namespace
} // namespace zentaro::geometry
