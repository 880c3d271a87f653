#include "statistics/summary.h"

#include "conventions/numbers.h"
#include "statistics/entry_script.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zentaro::statistics {
namespace {

TEST(Summary, PopulationFiguresOfTheEnteredValues)
{
    const struct {
        std::vector<std::optional<std::string>> values;
        const char *mean, *variance, *sd;
    } cases[] = {
        {{"2", "4", "4", "4", "5", "5", "7", "9"}, "5", "4", "2"},
        {{"1", "2"}, "1.5", "0.25", "0.5"},
        {{"3"}, "3", "0", "0"},
        {{"-1", "1"}, "0", "1", "1"},
        {{std::nullopt, "4"}, "2", "4", "2"},
        {{"1", "2", "3", "4"}, "2.5", "1.25", "1.11803398874989"},
        {{"-3", "-3"}, "-3", "0", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mean);
        auto replies = c.values;
        replies.emplace_back("00");
        testing::EntryScript script(replies);
        const DataEntry entry = script.run(EntryKind::Values);
        const Summary s = summarize(entry.count(), entry.sx, entry.sxx);
        EXPECT_EQ(FormatPlain(s.mean), c.mean);
        EXPECT_EQ(FormatPlain(s.variance), c.variance);
        EXPECT_EQ(FormatPlain(s.sd), c.sd);
    }
}

TEST(Summary, EqualValuesRoundedBelowZeroHaveNoSpread)
{
    const struct {
        double value;
        int count;
    } cases[] = {{1.3, 3}, {0.7, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        double sx = 0;
        double sxx = 0;
        for (int i = 0; i < c.count; ++i) {
            sx += c.value;
            sxx += c.value * c.value;
        }
        ASSERT_LT(sxx * c.count - sx * sx, 0) << "not a case that rounds below zero";
        const Summary s = summarize(c.count, sx, sxx);
        EXPECT_EQ(FormatPlain(s.variance), "0");
        EXPECT_EQ(FormatPlain(s.sd), "0");
        EXPECT_DOUBLE_EQ(s.mean, c.value);
    }
}

TEST(Summary, NoValuesDividesZeroByZero)
{
    try {
        summarize(0, 0, 0);
        ADD_FAILURE() << "no run-time error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::Overflow);
    }
}

} // namespace
} // namespace zentaro::statistics
