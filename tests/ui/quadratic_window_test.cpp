#include "ui/quadratic_window.h"

#include "conventions/case_file.h"
#include "support/window_test.h"
#include "widgets/symbol_glyphs.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

namespace zentaro::ui {
namespace {

class QuadraticWindowTest : public testing::WindowTest<QuadraticWindow> {
protected:
    static int height(int twips) { return widgets::ClientSizeFromTwips(0, twips).height(); }
    void solve(const QStringList& coefficients)
    {
        fill("btxt ctxt dtxt", coefficients);
        click("solvecmd");
    }
};

// The shared case table as the user sees it: an equation without x² or x terms
// clears the inputs, a linear one keeps them for mending with the focus in the
// first, an Overflow leaves them, and only an answer enlarges the window.
TEST_F(QuadraticWindowTest, CaseTableAsTheUserSeesIt)
{
    EXPECT_EQ(window->height(), height(QuadraticWindow::kInputHeight));
    const widgets::WorkingLog* log = widgets::WorkingLogOf(window.get());
    for (const auto& c : cases::Read("algebra/quadratic.txt")) {
        SCOPED_TRACE(c.where);
        const QString expected = QString::fromStdString(c.expected);
        const bool refused = expected.startsWith("Please") || expected.startsWith("You");
        option(c.inputs[3] == "I" ? "Option1" : "Option2")->setChecked(true);
        if (refused)
            dialogs.message(expected);
        else if (expected == "Overflow")
            dialogs.runtimeError(6, expected);
        const QStringList typed = {QString::fromStdString(c.inputs[0]), QString::fromStdString(c.inputs[1]),
                                   QString::fromStdString(c.inputs[2])};
        field("dtxt")->setFocus();
        solve(typed);
        // The working ends with what the user sees: the refusal, the error or the answer.
        const QString last = log->lines().empty() ? "" : QString::fromStdString(log->lines().back());
        EXPECT_EQ(last, refused ? expected : expected == "Overflow" ? "Run-time error '6': Overflow" : text("anstxt"));
        if (refused || expected == "Overflow") {
            EXPECT_EQ(text("anstxt"), "");
            EXPECT_EQ(window->height(), height(QuadraticWindow::kInputHeight));
            const bool cleared = expected.startsWith("Please");
            EXPECT_EQ(texts("btxt ctxt dtxt"), cleared ? "||" : typed.join('|'));
            EXPECT_EQ(window->focusWidget() == field("btxt"), expected.startsWith("You"));
        } else {
            EXPECT_EQ(text("anstxt"), widgets::SymbolGlyphs(c.expected));
            EXPECT_EQ(field("anstxt")->cursorPosition(), 0); // a long answer shows from its start
            EXPECT_EQ(window->height(), height(QuadraticWindow::kSolvedHeight));
        }
        click("clearcmd");
    }
}

TEST_F(QuadraticWindowTest, OptionSwitchClearAndCentring)
{
    click("clearcmd"); // centres the input-only window; opening it does not move it
    const int inputTop = window->y();
    solve({"1", "1", "-1"}); // the answers as the case table above
    EXPECT_NEAR(inputTop - window->y(), (window->height() - height(QuadraticWindow::kInputHeight)) / 2.0, 1);

    solve({"0.5", "-1.5", "1"}); // not whole: the decimal form is chosen for the user
    EXPECT_EQ(text("anstxt"), QString::fromUtf8("α = 2; β = 1"));
    EXPECT_TRUE(option("Option2")->isChecked());
    solve({"1", "1", "-1"}); // whole numbers leave the user's choice alone
    EXPECT_EQ(text("anstxt"), QString::fromUtf8("α = .618033988749895; β =-1.61803398874989"));

    click("clearcmd");
    EXPECT_EQ(texts("btxt ctxt dtxt anstxt"), QString::fromUtf8("|||α = .618033988749895; β =-1.61803398874989"));
    EXPECT_EQ(window->y(), inputTop);
    EXPECT_TRUE(option("Option2")->isChecked());
}

} // namespace
} // namespace zentaro::ui
