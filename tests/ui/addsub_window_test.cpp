#include "ui/addsub_window.h"

#include "shell/calculator_catalogue.h"
#include "support/window_test.h"

#include <memory>

namespace zentaro::ui {
namespace {

using AddSubWindowTest = testing::WindowTest<AddSubWindow>;

TEST_F(AddSubWindowTest, OpensEmptyWithTheTwoHalves)
{
    EXPECT_EQ(window->objectName(), "addsubfrm");
    EXPECT_EQ(window->windowTitle(), "Larger Integer Adder-Subtractor");
    for (const char* name : {"adda", "addb", "suba", "subb"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(text(name), "");
        EXPECT_GT(field(name)->maxLength(), 65536);
    }
    EXPECT_TRUE(area("addans")->isReadOnly());
    EXPECT_TRUE(area("subans")->isReadOnly());
    EXPECT_EQ(area("addans")->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(area("addans")->toolTip(), "Sum of the above inpt numbers");
}

TEST_F(AddSubWindowTest, AddsAndSubtracts)
{
    const struct {
        const char* a;
        const char* b;
        const char* sum;
        const char* difference;
    } cases[] = {
        {"999", "1", "1000", "998"},
        {"0", "0", "0", "0"},
        {"5", "12", "17", "-7"},
        {"0099", "1", "100", "98"},
        {"20", "0015", "35", "5"},
        {"42", "", "42", "42"},
        {"10000000000000000001", "10000000000000000002", "20000000000000000003", "-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " , " + c.b);
        type("adda", c.a);
        type("addb", c.b);
        type("suba", c.a);
        type("subb", c.b);
        click("addab");
        click("subab");
        EXPECT_EQ(text("addans"), c.sum);
        EXPECT_EQ(text("subans"), c.difference);
    }
}

TEST_F(AddSubWindowTest, RefusedInputClearsOnlyItsOwnHalf)
{
    type("adda", "2");
    type("addb", "3");
    click("addab");
    type("suba", "9");
    type("subb", "4");
    click("subab");

    type("addb", "-5");
    dialogs.message("Please Enter only positive integers!");
    click("addab");
    EXPECT_EQ(text("adda"), "");
    EXPECT_EQ(text("addb"), "");
    EXPECT_EQ(text("addans"), "5");
    EXPECT_EQ(text("suba"), "9");
    EXPECT_EQ(text("subb"), "4");

    type("subb", "1.5");
    dialogs.message("Please Enter only positive integers!");
    click("subab");
    EXPECT_EQ(text("suba"), "");
    EXPECT_EQ(text("subb"), "");
    EXPECT_EQ(text("subans"), "5");
}

TEST_F(AddSubWindowTest, Handles65536DigitsAndReportsMore)
{
    const QString nines(65536, '9');
    type("adda", nines);
    type("addb", "1");
    click("addab");
    EXPECT_EQ(text("addans"), "1" + QString(65536, '0'));

    type("suba", "1" + nines);
    type("subb", "1");
    dialogs.runtimeError(9, "Subscript out of range");
    click("subab");
    EXPECT_EQ(text("subans"), "");
    EXPECT_EQ(text("suba").size(), 65537);
}

TEST(NumeralsMenu, ButtonsMakeTheirWindows)
{
    int made = 0;
    for (const shell::CalculatorEntry& entry : shell::Calculators()) {
        if (entry.button != "addsubcmd" && entry.button != "baseconvcmd" && entry.button != "randcmd" &&
            entry.button != "romancmd")
            continue;
        SCOPED_TRACE(entry.button.toStdString());
        ASSERT_NE(entry.make, nullptr);
        const std::unique_ptr<QWidget> made_window(entry.make());
        EXPECT_EQ(made_window->objectName(), entry.formName);
        ++made;
    }
    EXPECT_EQ(made, 4);
}

} // namespace
} // namespace zentaro::ui
