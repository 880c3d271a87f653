#include "ui/base_conversion_window.h"

#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using BaseConversionWindowTest = testing::WindowTest<BaseConversionWindow>;

TEST_F(BaseConversionWindowTest, ConvertsTheInitialTextsAndShowsTheErrorText)
{
    EXPECT_EQ(window->objectName(), "baseconvfrm");
    EXPECT_EQ(window->windowTitle(), "Base Conversions");
    EXPECT_EQ(field("base1txt")->maxLength(), 2);
    EXPECT_TRUE(field("ansbase")->isReadOnly());
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "10000000");
    type("num1txt", "1 0");
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "Error! Please check your inputs!");
}

TEST_F(BaseConversionWindowTest, RefusedBasesAndOverflowKeepTheOldAnswer)
{
    click("convertbases");
    type("base2txt", "37");
    dialogs.message("Please check your inputs!");
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "10000000");

    type("base2txt", "10");
    type("base1txt", "16");
    type("num1txt", "80000000");
    dialogs.runtimeError(6, "Overflow");
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "10000000");
}

} // namespace
} // namespace zentaro::ui
