#include "conventions/numbers.h"
#include "statistics/data_entry.h"
#include "statistics/regression.h"
#include "statistics/summary.h"

#include <gtest/gtest.h>

#include <optional>

namespace zentaro::statistics {
namespace {

using Replies = std::vector<std::optional<std::string>>;
constexpr std::string_view kTypeMismatch = "Type mismatch", kOverflow = "Overflow",
                           kOutOfRange = "Subscript out of range";

// Runs the entry on scripted replies (nullopt is Cancel) and keeps the prompts,
// the last list shown and the run-time error, if any.
struct Script {
    Replies replies;
    std::vector<std::string> prompts = {};
    std::string list = {}, error = {};
    DataEntry run(EntryKind kind)
    {
        const AskInput ask = [this](std::string_view prompt, std::string_view title, std::string_view reply) {
            EXPECT_EQ(std::string(title) + "|" + std::string(reply), "Data Required|");
            prompts.emplace_back(prompt);
            return prompts.size() <= replies.size() ? replies[prompts.size() - 1].value_or("") : "00";
        };
        try {
            return enterdata(kind, ask, [this](std::string_view shown) { list = shown; });
        } catch (const RuntimeError& e) {
            error = e.what();
            return {};
        }
    }
};

std::string Repeat(std::string_view text, int times)
{
    std::string all;
    while (times-- > 0)
        all += text;
    return all;
}

TEST(DataEntry, AsksUntilTheExactFinishReplyAndListsWhatCame)
{
    EXPECT_EQ(xprompt(12), "Enter the Value of x ( 12); \"00\" to finish");
    EXPECT_EQ(yprompt(1), "Enter the Value of y ( 1)");
    const struct {
        EntryKind kind;
        Replies replies;
        std::string list;
        std::string_view error = "";
    } cases[] = {
        {EntryKind::Pairs, {"00"}, ""},
        {EntryKind::Pairs, {"1", "2", "3", "4", "00"}, "The values of x & y that were entered are:   1, 2 ¤  3, 4 ¤ "},
        // Cancel and text give x = 0; ' 00', '000' and '00 ' are values; a y of "00" is 0.
        {EntryKind::Pairs,
         {std::nullopt, "5", " 00", "00", "1a", "-1.5", "000", "1", "00 ", "1", "00"},
         "The values of x & y that were entered are:   0, 5 ¤  0, 0 ¤  1,-1.5 ¤  0, 1 ¤  0, 1 ¤ "},
        {EntryKind::Values, {"2", "4", "4", "4", "5", "5", "7", "9", "00"}, " 2 ¤  4 ¤  4 ¤  4 ¤  5 ¤  5 ¤  7 ¤  9 ¤ "},
        {EntryKind::Pairs, {"1", "2", "3", std::nullopt}, " 1, 2 ¤ ", kTypeMismatch},
        {EntryKind::Pairs, {"1", "12abc"}, "", kTypeMismatch},
        {EntryKind::Values, {"4", "1e400"}, " 4 ¤ ", kOverflow},
        {EntryKind::Values, {"2", "-1e155"}, " 2 ¤ ", kOverflow},
        {EntryKind::Pairs, {"1e154", "1e155"}, "", kOverflow},
        {EntryKind::Values, Replies(501, "1"), Repeat(" 1 ¤ ", 500), kOutOfRange},
        {EntryKind::Pairs, Replies(1001, "1"), Repeat(" 1, 1 ¤ ", 500), kOutOfRange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.substr(0, 60));
        Script script{c.replies};
        script.run(c.kind);
        EXPECT_EQ(script.list, c.list);
        EXPECT_EQ(script.error, c.error);
        EXPECT_EQ(script.prompts.size(), c.replies.size());
    }
}

TEST(Regression, CaptionsTheLineOrWhyThereIsNone)
{
    const struct {
        Replies pairs;
        std::string_view caption;
    } cases[] = {
        {{}, kInsufficientData},
        {{"4", "7"}, kInsufficientData},
        {{"1", "2", "1", "3"}, "Redundant & Insufficient Data"},
        // Equal decimals whose sums leave the denominator a hair above or below zero.
        {{"0.15", "1", "0.15", "2", "0.15", "3"}, kRedundantData},
        {{"0.7", "1", "0.7", "2", "0.7", "3", "0.7", "4", "0.7", "5"}, kRedundantData},
        {{"1", "1", "2", "3"}, "y = ( 2)x +(-1)"},
        {{"0", "1", "3", "0"}, "y = (-.33333)x +( 1)"},
        {{"0", "1", "1", "1", "2", "2"}, "y = ( .5)x +( .83333)"},
        {{"-2", "1e10", "2", "-1e10"}, "y = (-5000000000)x +( 0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        Script script{c.pairs};
        script.replies.push_back("00");
        EXPECT_EQ(regressioncaption(script.run(EntryKind::Pairs)), c.caption);
    }
    EXPECT_EQ(linecaption({0.000015, -0.000025}), "y = ( .00002)x +(-.00002)");
    EXPECT_THROW(fitline(2, 1e200, 1e300, 1, 1), RuntimeError);
}

TEST(Summary, EqualValuesRoundedBelowZeroHaveNoSpread)
{
    double sx = 0, sxx = 0;
    for (int i = 0; i < 3; ++i) {
        sx += 1.3;
        sxx += 1.3 * 1.3;
    }
    ASSERT_LT(sxx * 3 - sx * sx, 0);
    EXPECT_EQ(summarize(3, sx, sxx).sd, 0);
    EXPECT_EQ(summarize(2, 3, 5).sd, 0.5);
    EXPECT_THROW(summarize(0, 0, 0), RuntimeError);
}

} // namespace
} // namespace zentaro::statistics
