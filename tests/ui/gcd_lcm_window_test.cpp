#include "ui/gcd_lcm_window.h"

#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using GcdLcmWindowTest = testing::WindowTest<GcdLcmWindow>;

const QString kSep = QString::fromUtf8("\u00A4");

TEST_F(GcdLcmWindowTest, ComputesEachRow)
{
    // A signed divisor; 12, 18 is the gallery's, more pairs are the number tables'.
    fill("atxt btxt", {"-4", "6"});
    click("comp");
    EXPECT_EQ(texts("gcdab lcmab"), "-2|12");
    // 2095133040 has 1600 divisors, more than any other 32-bit number: the field
    // holds them all and shows the start.
    type("numfacttxt", "2095133040");
    click("factorize");
    EXPECT_EQ(text("afactors").count(kSep), 1601);
    EXPECT_TRUE(text("afactors").endsWith("   2095133040  " + kSep));
    EXPECT_EQ(field("afactors")->cursorPosition(), 0);
    EXPECT_FALSE(field("afactors")->hasSelectedText());
}

TEST_F(GcdLcmWindowTest, RunTimeErrorsLeaveWhatWasWritten)
{
    fill("atxt btxt", {"12", "18"});
    click("comp");
    fill("atxt btxt", {"0"});
    dialogs.runtimeError(6, "Overflow");
    click("comp");
    EXPECT_EQ(texts("gcdab lcmab"), "0|36");

    const struct {
        const char *input, *number, *button, *answer;
        int error;
        const char* message;
    } cases[] = {
        {"numprimfacttxt", "0", "primfact", "aprimfactors", 5, "Invalid procedure call or argument"},
        {"numprimfacttxt", "1e400", "primfact", "aprimfactors", 6, "Overflow"},
        {"numfacttxt", "2147483647.5", "factorize", "afactors", 6, "Overflow"},
    };
    for (const auto& c : cases) {
        type(c.input, "12");
        click(c.button);
        type(c.input, c.number);
        dialogs.runtimeError(c.error, c.message);
        click(c.button);
        EXPECT_EQ(text(c.answer), kSep) << c.number;
    }
}

} // namespace
} // namespace zentaro::ui
