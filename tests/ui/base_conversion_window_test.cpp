#include "ui/base_conversion_window.h"

#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using BaseConversionWindowTest = testing::WindowTest<BaseConversionWindow>;

TEST_F(BaseConversionWindowTest, RefusedBasesAndOverflowKeepTheAnswerAndBadDigitsShowTheErrorText)
{
    click("convertbases"); // the initial texts
    EXPECT_EQ(text("ansbase"), "10000000");

    type("base2txt", "37");
    dialogs.message("Please check your inputs!");
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "10000000");

    fill("num1txt base1txt base2txt", {"80000000", "16", "10"});
    dialogs.runtimeError(6, "Overflow");
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "10000000");

    type("num1txt", "1 0");
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "Error! Please check your inputs!");
}

} // namespace
} // namespace zentaro::ui
