#include "ui/add_sub_window.h"

#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using AddSubWindowTest = testing::WindowTest<AddSubWindow>;

TEST_F(AddSubWindowTest, EachHalfComputesRefusesAndFailsOnItsOwn)
{
    // 65536 digits: more than a line field holds unless told otherwise.
    fill("adda addb suba subb", {QString(65536, '9'), "1", "5", "12"});
    click("addab");
    click("subab");
    EXPECT_EQ(text("addans"), "1" + QString(65536, '0'));
    EXPECT_EQ(text("subans"), "-7");

    // Refused: that half's inputs are emptied after the message, its answer stays.
    fill("adda addb", {"20", "-5"});
    dialogs.message("Please Enter only positive integers!");
    click("addab");
    EXPECT_EQ(texts("adda addb suba subb subans"), "||5|12|-7");
    EXPECT_EQ(text("addans").size(), 65537);

    // A digit too many: a run-time error that leaves inputs and answer alone.
    type("suba", "1" + QString(65536, '0'));
    dialogs.runtimeError(9, "Subscript out of range");
    click("subab");
    EXPECT_EQ(text("suba").size(), 65537);
    EXPECT_EQ(text("subans"), "-7");
}

} // namespace
} // namespace zentaro::ui
