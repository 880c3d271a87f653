#include "algebra/determinant.h"

#include "conventions/format.h"
#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <random>
#include <string>

namespace zentaro::algebra {
namespace {

// The sum over permutations, for the cross-checks; exact on small whole numbers.
template <std::size_t N> double Leibniz(const std::array<double, N * N>& a)
{
    std::array<std::size_t, N> order{};
    for (std::size_t i = 0; i < N; ++i)
        order[i] = i;
    double sum = 0;
    do {
        int inversions = 0;
        for (std::size_t i = 0; i < N; ++i)
            for (std::size_t j = i + 1; j < N; ++j)
                inversions += order[i] > order[j] ? 1 : 0;
        double product = inversions % 2 == 0 ? 1 : -1;
        for (std::size_t row = 0; row < N; ++row)
            product *= a[row * N + order[row]];
        sum += product;
    } while (std::next_permutation(order.begin(), order.end()));
    return sum;
}

TEST(Determinant, WorkedValuesAsTheWindowWritesThem)
{
    const struct {
        std::array<double, 4> rows;
        const char* text;
    } twos[] = {
        {{1, 2, 3, 4}, "-2"},
        {{0.1, 0.2, 0.3, 0.4}, "-0.02"},
        {{0, 0, 0, 0}, "0"},
        {{2, 0, 0, 0.5}, "1"},
    };
    for (const auto& c : twos) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatPlain(det2(c.rows[0], c.rows[1], c.rows[2], c.rows[3])), c.text);
    }

    const struct {
        Square3 a;
        const char* text;
    } threes[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 10}, "-3"},
        {{2, 0, 0, 0, 3, 0, 0, 0, 4}, "24"},
        {{}, "0"},
        {{0.5, 0, 0, 0, 0.5, 0, 0, 0, 0.5}, "0.125"},
    };
    for (const auto& c : threes) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatPlain(det(c.a)), c.text);
    }

    const struct {
        Square4 a;
        const char* text;
    } fours[] = {
        {{1, 2, 0, 1, 0, 1, 3, 2, 4, 0, 1, 0, 2, 1, 0, 3}, "67"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, "0"},
        {{}, "0"},
        {{0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, "-1"},
    };
    for (const auto& c : fours) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatPlain(delta(c.a)), c.text);
    }
}

TEST(Determinant, MinorsKeepReadingOrder)
{
    const Square4 a = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const Square3 expected[] = {
        {6, 7, 8, 10, 11, 12, 14, 15, 16},
        {5, 7, 8, 9, 11, 12, 13, 15, 16},
        {5, 6, 8, 9, 10, 12, 13, 14, 16},
        {5, 6, 7, 9, 10, 11, 13, 14, 15},
    };
    for (int column = 0; column < 4; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(minor(a, column), expected[column]);
    }
}

TEST(Determinant, AgreesWithThePermutationSum)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> element(-9, 9);
    for (int k = 0; k < 200; ++k) {
        Square3 three{};
        Square4 four{};
        for (double& x : three)
            x = element(random);
        for (double& x : four)
            x = element(random);
        EXPECT_EQ(det(three), Leibniz<3>(three));
        EXPECT_EQ(delta(four), Leibniz<4>(four));
        EXPECT_EQ(det2(three[0], three[1], three[3], three[4]), Leibniz<2>({three[0], three[1], three[3], three[4]}));
    }
}

TEST(Determinant, ProductsBeyondTheDoubleRangeOverflow)
{
    const auto overflows = [](auto compute) {
        try {
            compute();
        } catch (const RuntimeError& error) {
            return error.code() == ErrorCode::Overflow;
        }
        return false;
    };
    EXPECT_TRUE(overflows([] { return det2(1e200, 0, 0, 1e200); }));
    EXPECT_TRUE(overflows([] { return det(Square3{1e200, 0, 0, 0, 1e200, 0, 0, 0, 1}); }));
    EXPECT_TRUE(overflows([] { return delta(Square4{1e300, 0, 0, 0, 0, 1e10, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}); }));
    // Large but representable values stay finite.
    EXPECT_DOUBLE_EQ(det2(1e150, 0, 0, 1e150), 1e300);
}

} // namespace
} // namespace zentaro::algebra
