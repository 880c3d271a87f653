#include "conventions/numbers.h"
#include "statistics/data_entry.h"
#include "statistics/pasted_data.h"
#include "statistics/regression.h"
#include "statistics/summary.h"

#include "conventions/case_file.h"

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
    const std::string end = entry.abandoned() ? " abandoned" : entry.cancelled ? " cancelled" : "";
    return "[" + script.list + "]" + script.messages.shown() + end + (error.empty() ? "" : " " + error);
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

TEST(Statistics, CaseTable)
{
    cases::Run(
        "statistics/statistics.txt",
        {
            {"xprompt", [](const Args& a) { return xprompt(std::stoi(a[0])); }},
            {"yprompt", [](const Args& a) { return yprompt(std::stoi(a[0])); }},
            {"pairs", [](const Args& a) { return Entry(EntryKind::Pairs, a); }},
            {"values", [](const Args& a) { return Entry(EntryKind::Values, a); }},
            {"pasted",
             [](const Args& a) { return Pasted(a[0] == "values" ? EntryKind::Values : EntryKind::Pairs, a[1]); }},
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

// The entry refuses the 501st value: what follows it is never asked for.
TEST(PastedData, EndsAfterTheValueTheEntryRefuses)
{
    std::string tooMany, asked;
    for (int i = 1; i <= 600; ++i) {
        tooMany += std::to_string(i) + "\n";
        asked += i <= 501 ? std::to_string(i) + " " : "";
    }
    EXPECT_EQ(Pasted(EntryKind::Values, tooMany), asked);
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
    const auto entry = [](EntryKind kind, const Args& a, Working w) {
        return Script{.replies = a.items, .working = w}.run(kind);
    };
    cases::RunWorked(
        "statistics/working.txt",
        {{"entry", [&](const Args& a, Working w) { entry(EntryKind::Values, a, w); }},
         {"values",
          [&](const Args& a, Working w) {
              const DataEntry values = entry(EntryKind::Values, a, w);
              summarize(values.count(), values.sx, values.sxx, w);
          }},
         {"pairs", [&](const Args& a, Working w) { regressioncaption(entry(EntryKind::Pairs, a, w), w); }}});
}

} // namespace
} // namespace zentaro::statistics
