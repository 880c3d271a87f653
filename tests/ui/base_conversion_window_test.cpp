#include "ui/base_conversion_window.h"

#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using BaseConversionWindowTest = testing::WindowTest<BaseConversionWindow>;

TEST_F(BaseConversionWindowTest, OpensWithItsInitialTextsAndConverts)
{
    EXPECT_EQ(window->objectName(), "baseconvfrm");
    EXPECT_EQ(window->windowTitle(), "Base Conversions");
    EXPECT_EQ(text("num1txt"), "128");
    EXPECT_EQ(text("base1txt"), "10");
    EXPECT_EQ(text("base2txt"), "2");
    EXPECT_EQ(text("ansbase"), "");
    EXPECT_EQ(field("base1txt")->maxLength(), 2);
    EXPECT_EQ(field("base2txt")->maxLength(), 2);
    EXPECT_TRUE(field("ansbase")->isReadOnly());
    EXPECT_EQ(field("num1txt")->toolTip(), "Enter the number here");

    click("convertbases");
    EXPECT_EQ(text("ansbase"), "10000000");
}

TEST_F(BaseConversionWindowTest, ShowsAnswersAndTheErrorTextInTheAnswerField)
{
    const struct {
        const char* num;
        const char* from;
        const char* to;
        const char* answer;
    } cases[] = {
        {"FF", "16", "10", "255"},
        {"255", "10", "16", "FF"},
        {"ff", "16", "10", "Error! Please check your inputs!"},
        {"0", "16", "10", ""},
        {"1 0", "10", "2", "Error! Please check your inputs!"},
        {"7FFFFFFF", "16", "10", "2147483647"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.num);
        type("num1txt", c.num);
        type("base1txt", c.from);
        type("base2txt", c.to);
        click("convertbases");
        EXPECT_EQ(text("ansbase"), c.answer);
    }
}

TEST_F(BaseConversionWindowTest, RefusedBasesAndOverflowKeepTheOldAnswer)
{
    click("convertbases");
    type("base2txt", "37");
    dialogs.message("Please check your inputs!");
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "10000000");

    type("base2txt", "10");
    type("base1txt", "1");
    dialogs.message("Please check your inputs!");
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "10000000");

    type("base1txt", "16");
    type("num1txt", "80000000");
    dialogs.runtimeError(6, "Overflow");
    click("convertbases");
    EXPECT_EQ(text("ansbase"), "10000000");
}

} // namespace
} // namespace zentaro::ui
