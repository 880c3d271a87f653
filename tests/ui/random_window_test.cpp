#include "ui/random_window.h"

#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using RandomWindowTest = testing::WindowTest<RandomWindow>;

TEST_F(RandomWindowTest, GeneratesTheCountAskedCapsItAndLeavesTheSeedOnAnOverflow)
{
    type("nrand", "3");
    click("randgencmd");
    EXPECT_EQ(text("randtext"), "0, 853, 3718, 611");

    type("nrand", "5000");
    dialogs.message("Only 4095 numbers will be generated!");
    click("randgencmd");
    EXPECT_EQ(text("randtext").split(", ").size(), 4096);
    EXPECT_EQ(text("nrand"), "5000");

    type("nrand", "40000");
    dialogs.runtimeError(6, "Overflow");
    click("randgencmd");
    EXPECT_EQ(text("randtext"), "0");
}

} // namespace
} // namespace zentaro::ui
