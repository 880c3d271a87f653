#include "ui/roman_window.h"

#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using RomanWindowTest = testing::WindowTest<RomanWindow>;

TEST_F(RomanWindowTest, TheNumeralFollowsEveryKeystroke)
{
    field("arabic")->clear();
    EXPECT_EQ(text("roman"), "");
    const struct {
        const char *key, *numeral;
    } keys[] = {{"1", "I"}, {"9", "XIX"}, {"9", "CXCIX"}, {"4", "MCMXCIV"}};
    for (const auto& k : keys) {
        field("arabic")->insert(k.key);
        EXPECT_EQ(text("roman"), k.numeral);
    }
}

// Above the limit the question marks show and the typed text stays, so that
// one Backspace mends it.
TEST_F(RomanWindowTest, AboveTheLimitQuestionMarksShowAndTheInputStays)
{
    type("arabic", "400");
    dialogs.message("Please enter a number less than 4000!");
    field("arabic")->insert("0");
    EXPECT_EQ(texts("arabic roman"), "4000|??????????");
    dialogs.checkDone();
    field("arabic")->backspace();
    EXPECT_EQ(texts("arabic roman"), "400|CD");

    type("arabic", "40");
    dialogs.runtimeError(9, "Subscript out of range");
    type("arabic", "-5");
    EXPECT_EQ(text("roman"), "XL");
}

} // namespace
} // namespace zentaro::ui
