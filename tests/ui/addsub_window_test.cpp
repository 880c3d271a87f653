#include "ui/addsub_window.h"

#include "shell/calculator_catalogue.h"
#include "support/window_test.h"

#include <memory>

namespace zentaro::ui {
namespace {

using AddSubWindowTest = testing::WindowTest<AddSubWindow>;

TEST_F(AddSubWindowTest, TheHalvesComputeAndRefuseIndependently)
{
    EXPECT_EQ(window->windowTitle(), "Larger Integer Adder-Subtractor");
    EXPECT_TRUE(area("addans")->isReadOnly());
    type("adda", "20");
    type("addb", "0015");
    click("addab");
    EXPECT_EQ(text("addans"), "35");
    type("suba", "5");
    type("subb", "12");
    click("subab");
    EXPECT_EQ(text("subans"), "-7");

    type("addb", "-5");
    dialogs.message("Please Enter only positive integers!");
    click("addab");
    EXPECT_EQ(text("adda"), "");
    EXPECT_EQ(text("addb"), "");
    EXPECT_EQ(text("addans"), "35");
    EXPECT_EQ(text("suba"), "5");
    EXPECT_EQ(text("subb"), "12");
}

TEST_F(AddSubWindowTest, Takes65536DigitsAndReportsMore)
{
    type("adda", QString(65536, '9'));
    type("addb", "1");
    click("addab");
    EXPECT_EQ(text("addans"), "1" + QString(65536, '0'));

    type("suba", "1" + QString(65536, '0'));
    dialogs.runtimeError(9, "Subscript out of range");
    click("subab");
    EXPECT_EQ(text("suba").size(), 65537);
    EXPECT_EQ(text("subans"), "");
}

TEST(NumeralsMenu, ButtonsMakeTheirWindows)
{
    int made = 0;
    for (const shell::CalculatorEntry& entry : shell::Calculators()) {
        if (QStringList{"addsubcmd", "baseconvcmd", "randcmd", "romancmd"}.contains(entry.button)) {
            ASSERT_NE(entry.make, nullptr) << entry.button.toStdString();
            EXPECT_EQ(std::unique_ptr<QWidget>(entry.make())->objectName(), entry.formName);
            ++made;
        }
    }
    EXPECT_EQ(made, 4);
}

} // namespace
} // namespace zentaro::ui
