#include "ui/quadratic_window.h"

#include "support/window_test.h"
#include "ui/window_setup.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace zentaro::ui {
namespace {

int ClientHeight(int twips)
{
    return ClientSizeFromTwips(0, twips).height();
}

class QuadraticWindowCases : public testing::WindowTest<QuadraticWindow> {
protected:
    QRadioButton* option(const char* name) { return testing::Find<QRadioButton>(window.get(), name); }
    void solve(const char* b, const char* c, const char* d)
    {
        type("btxt", QString::fromUtf8(b));
        type("ctxt", QString::fromUtf8(c));
        type("dtxt", QString::fromUtf8(d));
        click("solvecmd");
    }
};

TEST_F(QuadraticWindowCases, OpensWithTheEquationAloneAndIntegralSelected)
{
    EXPECT_EQ(window->objectName(), "quadcubfrm");
    EXPECT_EQ(window->windowTitle(), "Quadratic Equation Solver");
    EXPECT_EQ(window->height(), ClientHeight(QuadraticWindow::kInputHeight));
    EXPECT_TRUE(option("Option1")->isChecked());
    EXPECT_FALSE(option("Option2")->isChecked());
    EXPECT_EQ(window->findChild<QLabel*>("Label18")->text(), QString::fromUtf8("x² +"));
    EXPECT_EQ(window->findChild<QGroupBox*>("Frame3")->title(), "Solution to the equation");
    EXPECT_EQ(text("anstxt"), "");
}

TEST_F(QuadraticWindowCases, ShowsTheAnswerWithSymbolGlyphs)
{
    const struct {
        const char *b, *c, *d;
        bool rational;
        const char* shown;
    } cases[] = {
        {"1", "-5", "6", false, "α = 3; β = 2"},
        {"1", "2", "5", false, "α =-1+ ( 2)ι; β =-1- ( 2)ι"},
        {"1", "2", "1", false, "α =-1; β =-1"},
        {"2", "-3", "1", false, "α = 1; β = .5"},
        {"-1", "0", "-1", false, "α = 0+ (-1)ι; β = 0- (-1)ι"},
        {"1", "1", "-1", false, "α =(- 1/ 2)+(1/ 2)√ 5; β =(- 1/ 2)-(1/ 2)√ 5"},
        {"-1", "1", "1", false, "α =( 1/ 2)-(1/ 2)√ 5; β =( 1/ 2)+(1/ 2)√ 5"},
        {"1", "-2", "-1", false, "α =( 1)+( 1)√ 2; β =( 1)-( 1)√ 2"},
        {"-1", "2", "1", false, "α =( 1/ 1)-( 1/ 1)√ 2; β =( 1/ 1)+( 1/ 1)√ 2"},
        {"2", "2", "-1", false, "α =(- 1/ 2)+( 1/ 2)√ 3; β =(- 1/ 2)-( 1/ 2)√ 3"},
        {"1", "2", "4", false, "α =(- 1)+( 1)ι√ 3; β =(- 1)-( 1)ι√ 3"},
        {"2", "2", "2", false, "α =(- 1/ 2)-( 1/ 2)ι√ 3; β =(- 1/ 2)+( 1/ 2)ι√ 3"},
        {"1", "1", "1", false, "α =(- 1/ 2)+(1/ 2)ι√ 3; β =(- 1/ 2)-(1/ 2)ι√ 3"},
        {"1", "1", "-1", true, "α = .618033988749895; β =-1.61803398874989"},
        {"1", "0", "-2", false, "α =( 0)+( 1)√ 2; β =( 0)-( 1)√ 2"},
        {"1", "1", "-5", false, "α =(- 1/ 2)+( 1/ 2)√ 21; β =(- 1/ 2)-( 1/ 2)√ 21"},
        {"1", "1", "290565367", false, "α =(- 1/ 2)-( 19683/ 2)ι√ 3; β =(- 1/ 2)+( 19683/ 2)ι√ 3"},
        {" 1x", "abc", "-2", false, "α =( 0)+( 1)√ 2; β =( 0)-( 1)√ 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        option(c.rational ? "Option2" : "Option1")->setChecked(true);
        solve(c.b, c.c, c.d);
        EXPECT_EQ(text("anstxt"), QString::fromUtf8(c.shown));
        EXPECT_EQ(field("anstxt")->cursorPosition(), 0);
        EXPECT_EQ(window->height(), ClientHeight(QuadraticWindow::kSolvedHeight));
        EXPECT_EQ(option("Option2")->isChecked(), c.rational);
    }
}

TEST_F(QuadraticWindowCases, FractionalCoefficientsSwitchToRational)
{
    solve("0.5", "-1.5", "1");
    EXPECT_EQ(text("anstxt"), QString::fromUtf8("α = 2; β = 1"));
    EXPECT_TRUE(option("Option2")->isChecked());
    EXPECT_FALSE(option("Option1")->isChecked());
    // Whole numbers afterwards leave the user's choice alone.
    solve("1", "1", "-1");
    EXPECT_EQ(text("anstxt"), QString::fromUtf8("α = .618033988749895; β =-1.61803398874989"));
    EXPECT_TRUE(option("Option2")->isChecked());
}

TEST_F(QuadraticWindowCases, RefusesEquationsWithoutASquareTerm)
{
    const struct {
        const char *b, *c, *d, *message;
    } cases[] = {
        {"", "", "", "Please Enter an equation!"},
        {"0", "3", "1", "You Entered a linear equation!"},
        {"0", "0", "5", "Please Enter an equation!"},
        {"abc", "0.5", "", "You Entered a linear equation!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        solve("1", "-5", "6");
        ASSERT_EQ(window->height(), ClientHeight(QuadraticWindow::kSolvedHeight));
        type("btxt", c.b);
        type("ctxt", c.c);
        type("dtxt", c.d);
        dialogs.message(c.message);
        click("solvecmd");
        EXPECT_EQ(window->height(), ClientHeight(QuadraticWindow::kInputHeight));
        EXPECT_EQ(text("btxt") + text("ctxt") + text("dtxt"), "");
        EXPECT_EQ(text("anstxt"), "");
    }
}

TEST_F(QuadraticWindowCases, ClearEmptiesTheInputsAndHidesTheAnswer)
{
    option("Option2")->setChecked(true);
    solve("1", "-5", "6");
    click("clearcmd");
    EXPECT_EQ(text("btxt") + text("ctxt") + text("dtxt"), "");
    EXPECT_EQ(window->height(), ClientHeight(QuadraticWindow::kInputHeight));
    // The answer and the option stay as they were, only covered.
    EXPECT_EQ(text("anstxt"), QString::fromUtf8("α = 3; β = 2"));
    EXPECT_TRUE(option("Option2")->isChecked());
}

TEST_F(QuadraticWindowCases, StaysCentredInBothHeights)
{
    click("clearcmd");
    const int inputTop = window->y();
    solve("1", "-5", "6");
    const int solvedTop = window->y();
    const double grown = window->height() - ClientHeight(QuadraticWindow::kInputHeight);
    EXPECT_GT(grown, 0);
    EXPECT_NEAR(inputTop - solvedTop, grown / 2, 1);
}

TEST_F(QuadraticWindowCases, OverflowStopsWithTheAnswerEmptyAndTheHeightKept)
{
    solve("1", "-5", "6");
    type("ctxt", "1");
    type("dtxt", "536870913"); // |D| = 2^31 + 3 in the exact form
    dialogs.runtimeError(6, "Overflow");
    click("solvecmd");
    EXPECT_EQ(text("anstxt"), "");
    EXPECT_EQ(window->height(), ClientHeight(QuadraticWindow::kSolvedHeight));

    click("clearcmd");
    type("btxt", "1");
    type("ctxt", "1e200");
    dialogs.runtimeError(6, "Overflow");
    click("solvecmd");
    EXPECT_EQ(window->height(), ClientHeight(QuadraticWindow::kInputHeight));
}

} // namespace
} // namespace zentaro::ui
