#include "statistics/data_entry.h"

#include "conventions/runtime_error.h"
#include "statistics/entry_script.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zentaro::statistics {
namespace {

using testing::EntryScript;
using Replies = std::vector<std::optional<std::string>>;

TEST(DataEntry, PromptsAreNumberedWithTheSpacedCounter)
{
    EXPECT_EQ(xprompt(1), "Enter the Value of x ( 1); \"00\" to finish");
    EXPECT_EQ(xprompt(501), "Enter the Value of x ( 501); \"00\" to finish");
    EXPECT_EQ(yprompt(1), "Enter the Value of y ( 1)");
    EXPECT_EQ(yprompt(37), "Enter the Value of y ( 37)");
}

TEST(DataEntry, GathersPairsSumsAndTheHeadedList)
{
    const struct {
        const char* name;
        Replies replies;
        std::vector<double> x, y;
        double sx, sxx, sy, sxy;
        const char* list;
    } cases[] = {
        {"nothing", {"00"}, {}, {}, 0, 0, 0, 0, ""},
        {"two pairs",
         {"1", "2", "3", "4", "00"},
         {1, 3},
         {2, 4},
         4,
         10,
         6,
         14,
         "The values of x & y that were entered are:   1, 2 \u00A4  3, 4 \u00A4 "},
        {"x texts that are values, not the end",
         {"0", "1", " 00", "2", "000", "3", "00 ", "4", "00"},
         {0, 0, 0, 0},
         {1, 2, 3, 4},
         0,
         0,
         10,
         0,
         "The values of x & y that were entered are:   0, 1 \u00A4  0, 2 \u00A4  0, 3 \u00A4  0, 4 \u00A4 "},
        {"cancel and text on x store 0; y of 00 is a number",
         {std::nullopt, "5", "abc", "00", "12abc", "-1.5", "00"},
         {0, 0, 12},
         {5, 0, -1.5},
         12,
         144,
         3.5,
         -18,
         "The values of x & y that were entered are:   0, 5 \u00A4  0, 0 \u00A4  12,-1.5 \u00A4 "},
        {"fractions and exponents",
         {"0.5", "-.25", "1e20", "2", "00"},
         {0.5, 1e20},
         {-.25, 2},
         1e20 + 0.5,
         0.25 + 1e40,
         1.75,
         -.125 + 2e20,
         "The values of x & y that were entered are:   .5,-.25 \u00A4  1E+20, 2 \u00A4 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EntryScript script(c.replies);
        const DataEntry entry = script.run(EntryKind::Pairs);
        EXPECT_EQ(entry.x, c.x);
        EXPECT_EQ(entry.y, c.y);
        EXPECT_EQ(entry.count(), static_cast<double>(c.x.size()));
        EXPECT_DOUBLE_EQ(entry.sx, c.sx);
        EXPECT_DOUBLE_EQ(entry.sxx, c.sxx);
        EXPECT_DOUBLE_EQ(entry.sy, c.sy);
        EXPECT_DOUBLE_EQ(entry.sxy, c.sxy);
        EXPECT_EQ(entry.list, c.list);
        ASSERT_FALSE(script.lists.empty());
        EXPECT_EQ(script.lists.back(), c.list);
        // x and y prompts alternate, numbered 1, 2, ...; the last x prompt is answered "00".
        std::vector<std::string> prompts;
        for (int i = 1; i <= static_cast<int>(c.x.size()); ++i) {
            prompts.push_back(xprompt(i));
            prompts.push_back(yprompt(i));
        }
        prompts.push_back(xprompt(static_cast<int>(c.x.size()) + 1));
        EXPECT_EQ(script.prompts, prompts);
    }
}

TEST(DataEntry, GathersSingleValuesWithoutHeadingOrYPrompt)
{
    const struct {
        Replies replies;
        double sx, sxx;
        const char* list;
    } cases[] = {
        {{"00"}, 0, 0, ""},
        {{"2", "4", "4", "4", "5", "5", "7", "9", "00"},
         40,
         232,
         " 2 \u00A4  4 \u00A4  4 \u00A4  4 \u00A4  5 \u00A4  5 \u00A4  7 \u00A4  9 \u00A4 "},
        {{std::nullopt, "3", "0", "000", "-0.5", "00"},
         2.5,
         9.25,
         " 0 \u00A4  3 \u00A4  0 \u00A4  0 \u00A4 -.5 \u00A4 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        EntryScript script(c.replies);
        const DataEntry entry = script.run(EntryKind::Values);
        EXPECT_EQ(entry.count(), static_cast<double>(c.replies.size() - 1));
        EXPECT_TRUE(entry.y.empty());
        EXPECT_DOUBLE_EQ(entry.sx, c.sx);
        EXPECT_DOUBLE_EQ(entry.sxx, c.sxx);
        EXPECT_EQ(entry.sy, 0);
        EXPECT_EQ(entry.sxy, 0);
        EXPECT_EQ(entry.list, c.list);
        std::vector<std::string> prompts;
        for (int i = 1; i <= static_cast<int>(c.replies.size()); ++i)
            prompts.push_back(xprompt(i));
        EXPECT_EQ(script.prompts, prompts);
    }
}

TEST(DataEntry, ListGrowsBeforeEachPromptFromTheSecondOn)
{
    EntryScript script({"1", "2", "3", "00"});
    script.run(EntryKind::Values);
    const std::vector<std::string> lists = {"", " 1 \u00A4 ", " 1 \u00A4  2 \u00A4 ", " 1 \u00A4  2 \u00A4  3 \u00A4 "};
    EXPECT_EQ(script.lists, lists);
}

TEST(DataEntry, FailuresStopTheEntryAndKeepTheListSoFar)
{
    const struct {
        const char* name;
        EntryKind kind;
        Replies replies;
        ErrorCode error;
        const char* list;
    } cases[] = {
        {"cancel on y", EntryKind::Pairs, {"1", "2", "3", std::nullopt}, ErrorCode::TypeMismatch, " 1, 2 \u00A4 "},
        {"text on y", EntryKind::Pairs, {"1", "abc"}, ErrorCode::TypeMismatch, ""},
        {"y not wholly a number", EntryKind::Pairs, {"1", "12abc"}, ErrorCode::TypeMismatch, ""},
        {"x beyond doubles", EntryKind::Values, {"4", "1e400"}, ErrorCode::Overflow, " 4 \u00A4 "},
        {"first square beyond doubles", EntryKind::Values, {"1e200"}, ErrorCode::Overflow, ""},
        {"later square beyond doubles", EntryKind::Values, {"2", "-1e155"}, ErrorCode::Overflow, " 2 \u00A4 "},
        {"product beyond doubles", EntryKind::Pairs, {"1e154", "1e155"}, ErrorCode::Overflow, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EntryScript script(c.replies);
        try {
            script.run(c.kind);
            ADD_FAILURE() << "no run-time error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), c.error);
        }
        EXPECT_EQ(script.lists.back(), c.list);
        EXPECT_EQ(script.prompts.size(), c.replies.size());
    }
}

TEST(DataEntry, HoldsAtMost500Values)
{
    for (const EntryKind kind : {EntryKind::Values, EntryKind::Pairs}) {
        SCOPED_TRACE(kind == EntryKind::Pairs ? "pairs" : "values");
        const std::size_t perValue = kind == EntryKind::Pairs ? 2 : 1;
        Replies full(500 * perValue, std::string("1"));

        Replies ended = full;
        ended.emplace_back("00");
        EntryScript fits(ended);
        const DataEntry entry = fits.run(kind);
        EXPECT_EQ(entry.count(), 500);
        EXPECT_EQ(entry.sx, 500);
        EXPECT_EQ(fits.prompts.back(), xprompt(501));

        Replies over = full;
        over.emplace_back(std::nullopt);
        EntryScript refused(over);
        try {
            refused.run(kind);
            ADD_FAILURE() << "the 501st value was taken";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ErrorCode::SubscriptOutOfRange);
        }
        EXPECT_EQ(refused.prompts.size(), over.size());
        const std::string one = kind == EntryKind::Pairs ? " 1, 1 \u00A4 " : " 1 \u00A4 ";
        std::string list;
        for (int i = 0; i < 500; ++i)
            list += one;
        EXPECT_EQ(refused.lists.back(), list);
    }
}

} // namespace
} // namespace zentaro::statistics
