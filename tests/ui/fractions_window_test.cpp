#include "ui/fractions_window.h"

#include "support/window_test.h"

#include <string>

namespace zentaro::ui {
namespace {

using FractionsWindowTest = testing::WindowTest<FractionsWindow>;

// "stem1 stem2 ... stemN", the names of a row of fields.
std::string Numbered(const std::string& stem, int count)
{
    std::string names;
    for (int i = 1; i <= count; ++i)
        names += stem + std::to_string(i) + " ";
    return names;
}

// Each frame reads its own inputs; an error empties its answer but leaves its improper form.
TEST_F(FractionsWindowTest, EachFrameAnswersClearsOnErrorsAndKeepsItsImproperForm)
{
    const struct {
        std::string p;
        QStringList inputs, bad;
        const char *answer, *improper;
        int error;
        const char* errorText;
    } frames[] = {{"add", {"3", "4", "3", "4"}, {"", "4", "3", "4"}, "1|1|2", "3|2", 13, "Type mismatch"},
                  {"sub", {"1", "2", "3", "4"}, {"1", "2", "3", "0"}, "|1|-4", "1|-4", 11, "Division by zero"},
                  {"multi", {"7", "-1", "1", "2"}, {"3000000000", "-1", "1", "4"}, "-3|1|-2", "7|-2", 6, "Overflow"},
                  {"div", {"1", "2", "1", "4"}, {"3", "2", "1", "0"}, "2|0|", "2|1", 11, "Division by zero"}};
    for (const auto& f : frames) {
        SCOPED_TRACE(f.p);
        const std::string in = Numbered(f.p + "txt", 4), ans = Numbered(f.p + "ans", 3),
                          imp = Numbered("imp" + f.p + "anstxt", 2);
        click(("imp" + f.p + "cmd").c_str()); // nothing computed yet: 0 over 1
        EXPECT_EQ(texts(imp.c_str()), "0|1");

        fill(in.c_str(), f.inputs);
        click((f.p + "cmd").c_str());
        EXPECT_EQ(texts(ans.c_str()), f.answer);
        click(("imp" + f.p + "cmd").c_str());
        EXPECT_EQ(texts(imp.c_str()), f.improper);

        fill(in.c_str(), f.bad);
        dialogs.runtimeError(f.error, f.errorText);
        click((f.p + "cmd").c_str());
        EXPECT_EQ(texts(ans.c_str()), "||");
        EXPECT_EQ(texts(imp.c_str()), f.improper);
    }
}

TEST_F(FractionsWindowTest, MixedToImproperKeepsItsAnswerOnAnError)
{
    fill("comptxt1 comptxt2 comptxt3", {"-1", "1", "2"});
    click("compcmd");
    EXPECT_EQ(texts("companstxt1 companstxt2"), "1|-2");
    type("comptxt3", "0");
    dialogs.runtimeError(11, "Division by zero");
    click("compcmd");
    EXPECT_EQ(texts("companstxt1 companstxt2"), "1|-2");
}

// The answer is emptied first, then written field by field: an error part-way
// leaves exactly the fields already known.
TEST_F(FractionsWindowTest, ImproperToMixedClearsThenWritesFieldByField)
{
    const struct {
        const char *numerator, *denominator, *fields;
        int error;
        const char* errorText;
    } cases[] = {{"-7", "2", "-3|1|-2", 0, nullptr},
                 {"5", "0", "||", 11, "Division by zero"},
                 {"1", "-2147483648", "|-1|", 6, "Overflow"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fields);
        fill("smptxt1 smptxt2", {"6", "4"});
        click("smpcmd");
        ASSERT_EQ(texts("smpanstxt1 smpanstxt2 smpanstxt3"), "1|1|2");
        fill("smptxt1 smptxt2", {c.numerator, c.denominator});
        if (c.error != 0)
            dialogs.runtimeError(c.error, c.errorText);
        click("smpcmd");
        EXPECT_EQ(texts("smpanstxt1 smpanstxt2 smpanstxt3"), c.fields);
    }
}

} // namespace
} // namespace zentaro::ui
