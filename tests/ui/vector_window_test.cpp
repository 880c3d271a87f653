#include "ui/vector_window.h"

#include "support/window_test.h"

#include <QTest>

namespace zentaro::ui {
namespace {

const char* const kInputs = "ai aj ak bi bj bk pi pj pk qi qj qk ri rj rk";
const char* const kOutputs = "moda modb adotb theta aplusb aminusb acrossb modacrossb scalarpqr vectorpqr modvectorpqr";

using VectorWindowTest = testing::WindowTest<VectorWindow>;

// Every input of the triple distinct, so that a component read from the wrong
// field shows; a, b and the first frame's answers are the overflow test's below.
TEST_F(VectorWindowTest, TheTripleReadsItsOwnFrame)
{
    fill(kInputs, {"9", "9", "9", "9", "9", "9", "1", "2", "3", "4", "5", "6", "7", "8", "10"});
    click("comptriple");
    EXPECT_EQ(texts(kOutputs), QString::fromUtf8("||||||||-3|(-12)i + ( 9)j + (-2)k|15.1327459504216"));
}

// A click into a field that opens with "0" selects it, so that typing -1 gives
// -1 and not "0-1", which reads as 0.
TEST_F(VectorWindowTest, AClickIntoAFieldSelectsItsTextForTypingOver)
{
    for (const char* name : {"ai", "bj"}) {
        QTest::mouseClick(field(name), Qt::LeftButton);
        QApplication::processEvents();
        QTest::keyClicks(field(name), "-1");
    }
    click("compute");
    EXPECT_EQ(texts("ai bj moda modb adotb"), "-1|-1|1|1|0");
}

// The answers are written one by one: an Overflow stops with the earlier ones written.
TEST_F(VectorWindowTest, AnOverflowStopsWithTheEarlierFieldsWritten)
{
    fill(kInputs, {"1", "2", "3", "4", "5", "6"});
    click("compute");
    // |a| and [a b c] are written, then |b| and the vector triple product overflow.
    fill(kInputs, {"0", "3", "4", "1e200", "0", "0", "1e100", "0", "1", "0", "1e200", "0", "1e100", "0", "0"});
    dialogs.runtimeError(6, "Overflow");
    click("compute");
    dialogs.runtimeError(6, "Overflow");
    click("comptriple");
    EXPECT_EQ(texts(kOutputs),
              "5|8.77496438739212|32|12.9332°|( 5)i +( 7)j +( 9)k|(-3)i +(-3)j +(-3)k|(-3)i +( 6)j +(-3)k|"
              "7.34846922834953|-1E+300|0|0");
}

} // namespace
} // namespace zentaro::ui
