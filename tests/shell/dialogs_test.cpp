#include "conventions/runtime_error.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "support/dialog_script.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <new>

namespace zentaro::shell {
namespace {

class DialogsTest : public ::testing::Test {
protected:
    void TearDown() override { dialogs.checkDone(); }
    QWidget window;
    testing::DialogScript dialogs;
};

TEST_F(DialogsTest, ARunTimeErrorStopsTheHandlerAndIsReportedByNumberAndText)
{
    const struct {
        ErrorCode code;
        int number;
        const char* text;
    } cases[] = {{ErrorCode::InvalidCall, 5, "Invalid procedure call or argument"},
                 {ErrorCode::Overflow, 6, "Overflow"},
                 {ErrorCode::SubscriptOutOfRange, 9, "Subscript out of range"},
                 {ErrorCode::DivisionByZero, 11, "Division by zero"},
                 {ErrorCode::TypeMismatch, 13, "Type mismatch"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        bool after = false;
        dialogs.runtimeError(c.number, c.text);
        RunHandler(&window, [&] {
            Raise(c.code);
            after = true;
        });
        EXPECT_FALSE(after);
    }
    bool ran = false;
    RunHandler(&window, [&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST_F(DialogsTest, RunningOutOfMemoryIsReportedLikeARunTimeError)
{
    dialogs.runtimeError(7, "Out of memory");
    RunHandler(&window, [] { throw std::bad_alloc(); });
}

TEST_F(DialogsTest, MessageBoxesReturnTheButtonPressed)
{
    dialogs.message("Sure?", "Yes").message("Sure?", "No").message("Done", "OK", "Custom");
    EXPECT_EQ(MessageBox(&window, "Sure?", msgstyle::kYesNo + msgstyle::kQuestion), MessageAnswer::Yes);
    EXPECT_EQ(MessageBox(&window, "Sure?", msgstyle::kYesNo), MessageAnswer::No);
    EXPECT_EQ(MessageBox(&window, "Done", msgstyle::kOkOnly, "Custom"), MessageAnswer::Ok);
}

TEST_F(DialogsTest, InputBoxesGiveTheTypedTextOrEmptyOnCancel)
{
    dialogs.input("Enter x", QString("42"), "Data Required").input("Enter x", std::nullopt, "Data Required");
    const AskInput ask = InputCallback(&window);
    EXPECT_EQ(ask("Enter x", "Data Required", "7"), "42");
    EXPECT_EQ(ask("Enter x", "Data Required", "7"), "");
}

} // namespace
} // namespace zentaro::shell
