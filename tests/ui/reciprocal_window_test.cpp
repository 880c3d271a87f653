#include "ui/reciprocal_window.h"

#include "largenum/reciprocal.h"
#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using ReciprocalWindowTest = testing::WindowTest<ReciprocalWindow>;

// The answer is emptied first: a refusal or a run-time error leaves it empty.
TEST_F(ReciprocalWindowTest, MessagesAndRunTimeErrorsLeaveTheRightText)
{
    fill("num digits", {"12", "5"});
    click("cmdrecicalc");
    EXPECT_EQ(text("recians"), "0.08333");

    fill("num digits", {"7", "2001"});
    dialogs.message("Only 2000 digits will be returned!");
    click("cmdrecicalc");
    EXPECT_EQ(text("recians").size(), 2001);

    type("num", "2.5");
    dialogs.message(QString::fromUtf8(largenum::kWholeNumbersOnly.data(), largenum::kWholeNumbersOnly.size()));
    click("cmdrecicalc");
    EXPECT_EQ(text("recians"), "");

    fill("num digits", {"3", "4"});
    click("cmdrecicalc");
    type("num", "1e400");
    dialogs.runtimeError(6, "Overflow");
    click("cmdrecicalc");
    EXPECT_EQ(text("recians"), "");

    // The sign is written before the digit count is read, and stays.
    fill("num digits", {"-3", "1e400"});
    dialogs.runtimeError(6, "Overflow");
    click("cmdrecicalc");
    EXPECT_EQ(text("recians"), "- ");
}

} // namespace
} // namespace zentaro::ui
