#include "ui/reciprocal_window.h"

#include "largenum/reciprocal.h"
#include "support/window_test.h"

#include <QKeyEvent>

namespace zentaro::ui {
namespace {

using ReciprocalWindowTest = testing::WindowTest<ReciprocalWindow>;

TEST_F(ReciprocalWindowTest, ComputesIntoTheAnswerField)
{
    EXPECT_EQ(window->objectName(), "recifrm");
    EXPECT_EQ(window->windowTitle(), "Reciprocal");
    EXPECT_TRUE(area("recians")->isReadOnly());
    type("num", "12");
    type("digits", "5");
    click("cmdrecicalc");
    EXPECT_EQ(text("recians"), "0.08333");
    type("num", "0");
    click("cmdrecicalc");
    EXPECT_EQ(text("recians"), "Indeterminate");
}

TEST_F(ReciprocalWindowTest, EscapeAndEnterNeitherHideTheWindowNorCompute)
{
    type("num", "3");
    type("digits", "4");
    field("digits")->setFocus();
    for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(field("digits"), &press);
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(text("recians"), "");
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

TEST_F(ReciprocalWindowTest, MessagesAndRunTimeErrorsLeaveTheRightText)
{
    type("num", "7");
    type("digits", "2001");
    dialogs.message("Only 2000 digits will be returned!");
    click("cmdrecicalc");
    EXPECT_EQ(text("recians").size(), 2001);

    type("num", "2.5");
    dialogs.message(QString::fromUtf8(largenum::kWholeNumbersOnly.data(), largenum::kWholeNumbersOnly.size()));
    click("cmdrecicalc");
    EXPECT_EQ(text("recians"), "");

    type("num", "3");
    type("digits", "4");
    click("cmdrecicalc");
    type("num", "1e400");
    dialogs.runtimeError(6, "Overflow");
    click("cmdrecicalc");
    EXPECT_EQ(text("recians"), "");
}

} // namespace
} // namespace zentaro::ui
