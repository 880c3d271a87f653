#include "statistics/regression.h"

#include "conventions/runtime_error.h"
#include "statistics/entry_script.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zentaro::statistics {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

DataEntry Enter(const Pairs& pairs)
{
    testing::EntryScript script(testing::PairReplies(pairs));
    return script.run(EntryKind::Pairs);
}

TEST(Regression, CaptionsTheFittedLine)
{
    const struct {
        Pairs pairs;
        const char* caption;
    } cases[] = {
        {{{"1", "2"}, {"2", "4"}, {"3", "6"}}, "y = ( 2)x +( 0)"},
        {{{"1", "1"}, {"2", "3"}}, "y = ( 2)x +(-1)"},
        {{{"0", "0.5"}, {"1", "1.5"}}, "y = ( 1)x +( .5)"},
        {{{"0", "0"}, {"3", "1"}}, "y = ( .33333)x +( 0)"},
        {{{"0", "0"}, {"3", "2"}, {"6", "4"}}, "y = ( .66667)x +( 0)"},
        {{{"0", "1"}, {"3", "0"}}, "y = (-.33333)x +( 1)"},
        {{{"0", "1"}, {"1", "0"}, {"2", "-1"}}, "y = (-1)x +( 1)"},
        {{{"1", "5"}, {"2", "5"}, {"3", "5"}}, "y = ( 0)x +( 5)"},
        // Not on one line: the least-squares slope 0.5 and intercept 5/6.
        {{{"0", "1"}, {"1", "1"}, {"2", "2"}}, "y = ( .5)x +( .83333)"},
        {{{"1e6", "1"}, {"2e6", "3"}}, "y = ( 0)x +(-1)"},
        {{{"-2", "1e10"}, {"2", "-1e10"}}, "y = (-5000000000)x +( 0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(regressioncaption(Enter(c.pairs)), c.caption);
    }
}

TEST(Regression, TooFewPairsOrOneXAreReportedInTheCaption)
{
    const struct {
        const char* name;
        Pairs pairs;
        std::string_view caption;
    } cases[] = {
        {"none", {}, kInsufficientData},
        {"one", {{"4", "7"}}, kInsufficientData},
        {"two with one x", {{"1", "2"}, {"1", "3"}}, kRedundantData},
        {"all x zero", {{"0", "2"}, {"0", "3"}, {"0", "4"}}, kRedundantData},
        // Sums of equal decimals that rounding leaves a hair off a zero denominator.
        {"0.15 three times", {{"0.15", "1"}, {"0.15", "2"}, {"0.15", "3"}}, kRedundantData},
        {"0.7 five times", {{"0.7", "1"}, {"0.7", "2"}, {"0.7", "3"}, {"0.7", "4"}, {"0.7", "5"}}, kRedundantData},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(regressioncaption(Enter(c.pairs)), c.caption);
    }
    EXPECT_EQ(kRedundantData, "Redundant & Insufficient Data");
}

TEST(Regression, FitlineGivesNoLineWithoutAPositiveDenominator)
{
    const DataEntry third = Enter({{"0.15", "1"}, {"0.15", "2"}, {"0.15", "3"}});
    const DataEntry seventh = Enter({{"0.7", "1"}, {"0.7", "2"}, {"0.7", "3"}, {"0.7", "4"}, {"0.7", "5"}});
    // The sums themselves are what make these cases: one a hair above, one below zero.
    ASSERT_GT(third.sxx * third.count() - third.sx * third.sx, 0);
    ASSERT_LT(seventh.sxx * seventh.count() - seventh.sx * seventh.sx, 0);

    EXPECT_FALSE(fitline(seventh.count(), seventh.sx, seventh.sxx, seventh.sy, seventh.sxy));
    EXPECT_FALSE(fitline(2, 2, 2, 5, 5));
    EXPECT_FALSE(fitline(0, 0, 0, 0, 0));

    const auto line = fitline(2, 3, 5, 4, 7); // (1, 1), (2, 3)
    ASSERT_TRUE(line);
    EXPECT_DOUBLE_EQ(line->m, 2);
    EXPECT_DOUBLE_EQ(line->c, -1);
}

TEST(Regression, SumsBeyondDoublesOverflow)
{
    try {
        fitline(2, 1e200, 1e300, 1, 1);
        ADD_FAILURE() << "no run-time error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::Overflow);
    }
}

TEST(Regression, CaptionRoundsHalfToEvenAtTheFifthDecimal)
{
    const struct {
        Line line;
        const char* caption;
    } cases[] = {
        {{0.5, -0.5}, "y = ( .5)x +(-.5)"},
        {{1.0 / 3, -2.0 / 3}, "y = ( .33333)x +(-.66667)"},
        {{0.000015, 0.000025}, "y = ( .00002)x +( .00002)"},
        {{123456.123456, -0.000004}, "y = ( 123456.12346)x +( 0)"},
        {{1.5e20, 0}, "y = ( 1.5E+20)x +( 0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(linecaption(c.line), c.caption);
    }
}

} // namespace
} // namespace zentaro::statistics
