#include "conventions/numbers.h"
#include "statistics/data_entry.h"
#include "statistics/pasted_data.h"
#include "statistics/regression.h"
#include "statistics/summary.h"

#include "conventions/case_file.h"
#include "conventions/steps.h"

namespace zentaro::statistics {
namespace {

using cases::Args;

// Runs the entry on the replies ("(cancel)" is Cancel; "00" once they run out),
// checking the boxes asked, and keeps the last list shown and the messages.
struct Script {
    std::vector<std::string> replies;
    std::string list = {};
    std::size_t asked = 0;
    cases::Messages messages = {};
    Working working = {};
    DataEntry run(EntryKind kind)
    {
        const AskInput ask = [this](std::string_view, std::string_view title, std::string_view reply) {
            EXPECT_EQ(std::string(title) + "|" + std::string(reply), "Data Required|");
            ++asked;
            return asked > replies.size() ? "00" : replies[asked - 1] == "(cancel)" ? "" : replies[asked - 1];
        };
        return enterdata(
            kind, ask, messages.callback(), [this](std::string_view shown) { list = shown; }, working);
    }
};

// The last list shown in brackets, the messages, then how the entry ended:
// "cancelled", "abandoned" (cancelled before any value) or the run-time error.
std::string Entry(EntryKind kind, const Args& a)
{
    Script script{a.items};
    DataEntry entry;
    const std::string error = cases::Outcome([&] { entry = script.run(kind); });
    EXPECT_EQ(script.asked, a.items.size()) << "boxes asked";
    if (kind == EntryKind::Values && error.empty() && !entry.abandoned()) { // the working ends with the mean
        std::vector<std::string> steps;
        const std::string mean = FormatPlain(summarize(entry.count(), entry.sx, entry.sxx, Working(steps)).mean);
        EXPECT_EQ(steps::EndingWith(mean, steps), mean);
    }
    const std::string end = entry.abandoned() ? " abandoned" : entry.cancelled ? " cancelled" : "";
    return "[" + script.list + "]" + script.messages.shown() + end + (error.empty() ? "" : " " + error);
}

TEST(Statistics, CaseTable)
{
    cases::Run("statistics/statistics.txt",
               {
                   {"xprompt", [](const Args& a) { return xprompt(std::stoi(a[0])); }},
                   {"yprompt", [](const Args& a) { return yprompt(std::stoi(a[0])); }},
                   {"pairs", [](const Args& a) { return Entry(EntryKind::Pairs, a); }},
                   {"values", [](const Args& a) { return Entry(EntryKind::Values, a); }},
                   {"line",
                    [](const Args& a) {
                        Script script{a.items};
                        script.replies.push_back("00");
                        std::vector<std::string> steps;
                        const std::string caption = regressioncaption(script.run(EntryKind::Pairs), Working(steps));
                        return steps.back() == caption ? caption : "working ends " + steps.back();
                    }},
               });
}

TEST(DataEntry, StopsAfter500Values)
{
    for (const auto kind : {EntryKind::Values, EntryKind::Pairs}) {
        Script script{std::vector<std::string>(kind == EntryKind::Values ? 501 : 1001, "1")};
        EXPECT_EQ(cases::Outcome([&] { script.run(kind); }), "#9");
        std::string all;
        for (int i = 0; i < 500; ++i)
            all += kind == EntryKind::Values ? " 1 ¤ " : " 1, 1 ¤ ";
        EXPECT_EQ(script.list, all);
        EXPECT_EQ(script.asked, script.replies.size());
    }
}

TEST(Regression, CaptionRoundingAndOverflow)
{
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

// What a pasted text answers, box by box: "reply" for x, "reply/" for y.
std::string Pasted(EntryKind kind, std::string_view text)
{
    std::string answers;
    int i = 1;
    for (const PastedReply& r : pastedreplies(kind, text)) {
        const bool y = r.prompt == yprompt(i);
        EXPECT_EQ(r.prompt, y ? yprompt(i) : xprompt(i));
        answers += r.reply + (y ? "/ " : " ");
        i += kind == EntryKind::Values || y ? 1 : 0;
    }
    return answers;
}

TEST(PastedData, SplitsAsASpreadsheetCopiesCellsAndEndsWith00)
{
    std::string tooMany, asked;
    for (int i = 1; i <= 600; ++i) {
        tooMany += std::to_string(i) + "\n";
        asked += i <= 501 ? std::to_string(i) + " " : "";
    }
    const struct {
        EntryKind kind;
        std::string text;
        std::string answers;
    } cases[] = {
        {EntryKind::Values,
         "\xEF\xBB\xBF"
         "2\t4;4 4\r\n5\n\n 5 ;7  9\n",
         "2 4 4 4 5 5 7 9 00 "},
        // An empty cell is an empty reply, as Cancel gives; a third column is not read.
        {EntryKind::Pairs, "1\t2\r\n\t4\n3;\n5  6 7\n\n", "1 2/  4/ 3 / 5 6/ 00 "},
        {EntryKind::Values, "0", "0 00 "},
        {EntryKind::Values, "x 1e999", "x 1e999 00 "},
        {EntryKind::Values, "abc; - .", ""},
        {EntryKind::Pairs, "x\ty\n\t\n", ""},
        // The entry refuses the 501st value: what follows it is never asked for.
        {EntryKind::Values, tooMany, asked},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        EXPECT_EQ(Pasted(c.kind, c.text), c.answers);
    }
}

TEST(PastedData, ABoxThePasteHasNoReplyForGoesToTheUser)
{
    std::vector<std::string> user;
    const AskInput ask = answerpasted(pastedreplies(EntryKind::Pairs, "1 2"),
                                      [&](std::string_view prompt, std::string_view, std::string_view) {
                                          user.emplace_back(prompt);
                                          return std::string("7");
                                      });
    std::string replies;
    for (const std::string& prompt : {yprompt(1), xprompt(1), yprompt(1), yprompt(1), xprompt(2)})
        replies += ask(prompt, "", "") + " ";
    EXPECT_EQ(replies, "7 1 2 7 00 ");
    EXPECT_EQ(user, (std::vector<std::string>{yprompt(1), yprompt(1)}));
}

TEST(Working, SumsTableThenTheFormulasWithTheNumbers)
{
    std::vector<std::string> line, spread, stopped, abandoned;
    regressioncaption(Script{.replies = {"1", "2", "2", "4", "3", "6"}, .working = Working(line)}.run(EntryKind::Pairs),
                      Working(line));
    const DataEntry values =
        Script{.replies = {"2", "4", "4", "4", "5", "5", "7", "9"}, .working = Working(spread)}.run(EntryKind::Values);
    summarize(values.count(), values.sx, values.sxx, Working(spread));
    // An x² beyond the double range: the steps up to it stay, the error follows them.
    EXPECT_THROW((Script{.replies = {"2", "-1e155"}, .working = Working(stopped)}.run(EntryKind::Values)),
                 RuntimeError);
    // Cancel before any value asked for nothing, and records nothing.
    Script{.replies = {"(cancel)"}, .working = Working(abandoned)}.run(EntryKind::Values);

    steps::ExpectLines(line, {"i\tx\ty\tx²\txy", "1\t1\t2\t1\t2", "2\t2\t4\t4\t8", "3\t3\t6\t9\t18", "Σ\t6\t12\t14\t28",
                              "n = 3", "d = nΣx² − (Σx)² = 3 × 14 − 6² = 42 − 36 = 6",
                              "m = (nΣxy − ΣxΣy) ÷ d = (3 × 28 − 6 × 12) ÷ 6 = (84 − 72) ÷ 6 = 2",
                              "c = (Σx²Σy − ΣxΣxy) ÷ d = (14 × 12 − 6 × 28) ÷ 6 = (168 − 168) ÷ 6 = 0",
                              "y = mx + c, with m and c to 5 decimals:", "y = ( 2)x +( 0)"});
    steps::ExpectLines(spread, {"i\tx\tx²", "1\t2\t4", "2\t4\t16", "3\t4\t16", "4\t4\t16", "5\t5\t25", "6\t5\t25",
                                "7\t7\t49", "8\t9\t81", "Σ\t40\t232", "n = 8",
                                "variance = (nΣx² − (Σx)²) ÷ n² = (8 × 232 − 40²) ÷ 8² = (1856 − 1600) ÷ 64 = 4",
                                "SD = √variance = √4 = 2", "mean = Σx ÷ n = 40 ÷ 8 = 5"});
    steps::ExpectLines(stopped, {"i\tx\tx²", "1\t2\t4"});
    EXPECT_TRUE(abandoned.empty());
}

} // namespace
} // namespace zentaro::statistics
