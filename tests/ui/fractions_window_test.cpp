#include "ui/fractions_window.h"

#include "shell/application.h"
#include "support/window_test.h"

#include <QGroupBox>
#include <QLabel>

#include <string>

namespace zentaro::ui {
namespace {

using FractionsWindowTest = testing::WindowTest<FractionsWindow>;

// Control names of one arithmetic frame, built from its prefix ("add", "div").
struct Names {
    std::string p;
    std::string in(int i) const { return p + "txt" + std::to_string(i); }
    std::string ans(int i) const { return p + "ans" + std::to_string(i); }
    std::string imp(int i) const { return "imp" + p + "anstxt" + std::to_string(i); }
    std::string cmd() const { return p + "cmd"; }
    std::string impcmd() const { return "imp" + p + "cmd"; }
};

const char* const kPrefixes[] = {"add", "sub", "multi", "div"};

TEST_F(FractionsWindowTest, DefinesEveryFrameControlAndTip)
{
    EXPECT_EQ(window->objectName(), "fractions");
    EXPECT_EQ(window->windowTitle(), "Fractions");
    const struct {
        const char* name;
        const char* title;
    } frames[] = {
        {"addframe", "Add two fractions"},
        {"subframe", "Subtract two fractions"},
        {"multiframe", "Multiply two fractions"},
        {"divframe", "Divide two fractions"},
        {"Frame1", "Convert an mixed fraction to improper form"},
        {"smpframe", "Convert an improper fraction to mixed form"},
    };
    for (const auto& f : frames) {
        auto* frame = testing::Find<QGroupBox>(window.get(), f.name);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), f.title);
    }

    const char* const inputTips[] = {
        "Enter here the numerator of the 1st fraction", "Enter here the denominator of the 1st fraction",
        "Enter here the numerator of the 2nd fraction", "Enter here the denominator of the 2nd fraction"};
    const char* const computeTips[] = {
        "Click here to add the two fractions", "Click here to subtract the 2nd fraction from the 1st",
        "Click here to multiply the two fractions", "Click here to divide the 1st fraction by the 2nd"};
    for (int k = 0; k < 4; ++k) {
        const Names n{kPrefixes[k]};
        SCOPED_TRACE(n.p);
        for (int i = 1; i <= 4; ++i) {
            EXPECT_EQ(field(n.in(i).c_str())->toolTip(), inputTips[i - 1]);
            EXPECT_FALSE(field(n.in(i).c_str())->isReadOnly());
            EXPECT_EQ(text(n.in(i).c_str()), "");
        }
        for (int i = 1; i <= 3; ++i)
            EXPECT_TRUE(field(n.ans(i).c_str())->isReadOnly()) << n.ans(i);
        for (int i = 1; i <= 2; ++i)
            EXPECT_TRUE(field(n.imp(i).c_str())->isReadOnly()) << n.imp(i);
        auto* compute = testing::Find<QPushButton>(window.get(), n.cmd().c_str());
        auto* improper = testing::Find<QPushButton>(window.get(), n.impcmd().c_str());
        EXPECT_EQ(compute->text(), "=");
        EXPECT_EQ(compute->toolTip(), computeTips[k]);
        EXPECT_EQ(improper->text(), "=");
        EXPECT_EQ(improper->toolTip(), "Click here to convert the answer to improper fraction form");
    }

    const struct {
        const char* name;
        const char* tip;
        bool readOnly;
    } conversions[] = {
        {"comptxt1", "", false},
        {"comptxt2", "", false},
        {"comptxt3", "Enter here the denominator of the 1st fraction", false},
        {"companstxt1", "", true},
        {"companstxt2", "", true},
        {"smptxt1", "Enter here the numerator of the 1st fraction", false},
        {"smptxt2", "Enter here the denominator of the 1st fraction", false},
        {"smpanstxt1", "", true},
        {"smpanstxt2", "", true},
        {"smpanstxt3", "", true},
    };
    for (const auto& c : conversions) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(field(c.name)->toolTip(), c.tip);
        EXPECT_EQ(field(c.name)->isReadOnly(), c.readOnly);
    }
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "compcmd")->toolTip(),
              "Click here to convert the fraction to improper form");
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "smpcmd")->toolTip(), "Click to simplify the fraction input");

    const struct {
        const char* name;
        const char* caption;
        double points;
    } operators[] = {{"plus", "+", 13.5}, {"minus", "-", 13.5}, {"multi", "X", 12}};
    for (const auto& o : operators) {
        SCOPED_TRACE(o.name);
        auto* label = testing::Find<QLabel>(window.get(), o.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), o.caption);
        EXPECT_EQ(label->font().family(), "MS Sans Serif");
        EXPECT_EQ(label->font().pointSizeF(), o.points);
    }
}

TEST_F(FractionsWindowTest, AnswersAndTheirImproperForms)
{
    const struct {
        const char* prefix;
        const char *a, *b, *c, *d;
        const char *whole, *numerator, *denominator;
        const char *improperNumerator, *improperDenominator;
    } cases[] = {
        {"add", "1", "2", "1", "3", "", "5", "6", "5", "6"},
        {"add", "3", "4", "3", "4", "1", "1", "2", "3", "2"},
        {"add", "1", "2", "1", "2", "1", "0", "", "1", "1"},
        {"add", "7", "1", "1", "-2", "6", "1", "2", "13", "2"},
        {"sub", "1", "2", "3", "4", "", "1", "-4", "1", "-4"},
        {"sub", "1", "2", "1", "2", "", "0", "", "0", "1"},
        {"sub", "-1", "2", "0", "1", "", "-1", "2", "-1", "2"},
        {"multi", "-7", "1", "1", "2", "-3", "-1", "2", "-7", "2"},
        {"multi", "7", "-1", "1", "2", "-3", "1", "-2", "7", "-2"},
        {"multi", "2.5", "1", "1e2", "3", "66", "2", "3", "200", "3"},
        // Far beyond what counting down by subtraction could finish.
        {"multi", "2147483647", "1", "1", "2147483647", "1", "0", "", "1", "1"},
        {"div", "1", "2", "1", "4", "2", "0", "", "2", "1"},
        {"div", "-3", "4", "9", "-8", "", "2", "3", "2", "3"},
        {"div", "0", "7", "5", "3", "", "0", "", "0", "1"},
    };
    for (const auto& c : cases) {
        const Names n{c.prefix};
        SCOPED_TRACE(n.p + " " + c.a + "/" + c.b + ", " + c.c + "/" + c.d);
        type(n.in(1).c_str(), c.a);
        type(n.in(2).c_str(), c.b);
        type(n.in(3).c_str(), c.c);
        type(n.in(4).c_str(), c.d);
        click(n.cmd().c_str());
        EXPECT_EQ(text(n.ans(1).c_str()), c.whole);
        EXPECT_EQ(text(n.ans(2).c_str()), c.numerator);
        EXPECT_EQ(text(n.ans(3).c_str()), c.denominator);
        click(n.impcmd().c_str());
        EXPECT_EQ(text(n.imp(1).c_str()), c.improperNumerator);
        EXPECT_EQ(text(n.imp(2).c_str()), c.improperDenominator);
    }
}

TEST_F(FractionsWindowTest, RunTimeErrorsLeaveTheAnswerEmptyAndTheImproperFormAsItWas)
{
    const struct {
        const char* prefix;
        const char *a, *b, *c, *d;
        int error;
        const char* text;
    } cases[] = {
        {"add", "", "2", "1", "3", 13, "Type mismatch"},
        {"sub", "1", "2", "abc", "4", 13, "Type mismatch"},
        {"multi", "3000000000", "1", "1", "2", 6, "Overflow"},
        {"add", "0", "0", "1", "2", 6, "Overflow"},
        {"add", "1", "0", "1", "2", 11, "Division by zero"},
        {"sub", "1", "0", "1", "0", 6, "Overflow"},
        {"multi", "1", "2", "1", "0", 11, "Division by zero"},
        {"div", "1", "2", "3", "0", 11, "Division by zero"}, // used to show 0
        {"div", "1", "2", "0", "3", 11, "Division by zero"},
        {"div", "0", "2", "0", "3", 6, "Overflow"},
        {"add", "1", "2147483647", "1", "2", 6, "Overflow"},
    };
    for (const auto& c : cases) {
        const Names n{c.prefix};
        SCOPED_TRACE(n.p + " " + c.a + "/" + c.b + ", " + c.c + "/" + c.d);
        // A previous answer, and its improper form, to be cleared or kept.
        for (int i = 1; i <= 4; ++i)
            type(n.in(i).c_str(), i % 2 == 1 ? "3" : "4");
        click(n.cmd().c_str());
        click(n.impcmd().c_str());
        ASSERT_NE(text(n.ans(2).c_str()), "");
        const QString improper1 = text(n.imp(1).c_str());
        const QString improper2 = text(n.imp(2).c_str());

        type(n.in(1).c_str(), c.a);
        type(n.in(2).c_str(), c.b);
        type(n.in(3).c_str(), c.c);
        type(n.in(4).c_str(), c.d);
        dialogs.runtimeError(c.error, c.text);
        click(n.cmd().c_str());
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(text(n.ans(i).c_str()), "") << n.ans(i);
        EXPECT_EQ(text(n.imp(1).c_str()), improper1);
        EXPECT_EQ(text(n.imp(2).c_str()), improper2);

        // Converting the emptied answer gives 0 over 1.
        click(n.impcmd().c_str());
        EXPECT_EQ(text(n.imp(1).c_str()), "0");
        EXPECT_EQ(text(n.imp(2).c_str()), "1");
    }
}

TEST_F(FractionsWindowTest, ANewAnswerKeepsThePreviousImproperForm)
{
    for (const char* prefix : kPrefixes) {
        const Names n{prefix};
        SCOPED_TRACE(n.p);
        click(n.impcmd().c_str());
        EXPECT_EQ(text(n.imp(1).c_str()), "0");
        EXPECT_EQ(text(n.imp(2).c_str()), "1");
        for (int i = 1; i <= 4; ++i)
            type(n.in(i).c_str(), QString::number(i + 4));
        click(n.cmd().c_str());
        EXPECT_NE(text(n.ans(2).c_str()), "");
        EXPECT_EQ(text(n.imp(1).c_str()), "0");
        EXPECT_EQ(text(n.imp(2).c_str()), "1");
    }
}

TEST_F(FractionsWindowTest, MixedToImproperReducesAndKeepsItsFieldsOnAnError)
{
    const struct {
        const char *whole, *numerator, *denominator;
        const char *outNumerator, *outDenominator;
        int error;
        const char* errorText;
    } cases[] = {
        {"2", "0", "", "2", "1", 0, nullptr},
        {"1", "2", "4", "3", "2", 0, nullptr},
        {"-1", "1", "2", "1", "-2", 0, nullptr},
        {"", "0", "5", "0", "1", 0, nullptr},
        {"", "", "", "0", "1", 0, nullptr},
        {"abc", "7", "", "7", "1", 0, nullptr},
        {"2.5", "1", "3", "7", "3", 0, nullptr},
        {"", "1", "0", "7", "3", 11, "Division by zero"},
        {"5", "1", "x", "7", "3", 11, "Division by zero"},
        {"65536", "0", "32768", "7", "3", 6, "Overflow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.whole) + " " + c.numerator + "/" + c.denominator);
        type("comptxt1", c.whole);
        type("comptxt2", c.numerator);
        type("comptxt3", c.denominator);
        if (c.error != 0)
            dialogs.runtimeError(c.error, c.errorText);
        click("compcmd");
        EXPECT_EQ(text("companstxt1"), c.outNumerator);
        EXPECT_EQ(text("companstxt2"), c.outDenominator);
        // The next error case finds 7/3 from the last good one.
        if (c.error == 0) {
            type("comptxt1", "2");
            type("comptxt2", "1");
            type("comptxt3", "3");
            click("compcmd");
        }
    }
}

TEST_F(FractionsWindowTest, ImproperToMixedClearsThenWritesFieldByField)
{
    const struct {
        const char *numerator, *denominator;
        const char *whole, *outNumerator, *outDenominator;
        int error;
        const char* errorText;
    } cases[] = {
        {"7", "2", "3", "1", "2", 0, nullptr},
        {"4", "2", "2", "0", "", 0, nullptr},
        {"1", "2", "", "1", "2", 0, nullptr},
        {"6", "4", "1", "1", "2", 0, nullptr},
        {"-7", "2", "-3", "1", "-2", 0, nullptr},
        {"7", "-2", "-3", "-1", "2", 0, nullptr},
        {"0", "5", "", "0", "", 0, nullptr},
        {"2.5", "1", "2", "0", "", 0, nullptr},
        {"5", "0", "", "", "", 11, "Division by zero"},
        {"0", "", "", "", "", 6, "Overflow"},
        {"1", "-2147483648", "", "-1", "", 6, "Overflow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.numerator) + "/" + c.denominator);
        // Something in all three fields, to see them cleared.
        type("smptxt1", "-7");
        type("smptxt2", "3");
        click("smpcmd");
        ASSERT_EQ(text("smpanstxt3"), "-3");

        type("smptxt1", c.numerator);
        type("smptxt2", c.denominator);
        if (c.error != 0)
            dialogs.runtimeError(c.error, c.errorText);
        click("smpcmd");
        EXPECT_EQ(text("smpanstxt1"), c.whole);
        EXPECT_EQ(text("smpanstxt2"), c.outNumerator);
        EXPECT_EQ(text("smpanstxt3"), c.outDenominator);
    }
}

TEST(FractionsMenu, TheFractionsButtonShowsTheWindow)
{
    shell::Application app{[] {}};
    app.start();
    app.windows().find("startupfrm")->findChild<QPushButton*>("okcmd")->click();
    QWidget* menu = app.windows().find("mainmenufrm");
    ASSERT_NE(menu, nullptr);
    auto* button = menu->findChild<QPushButton*>("cmdfracs");
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    button->click();
    QWidget* shown = app.windows().find("fractions");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowTitle(), "Fractions");
}

} // namespace
} // namespace zentaro::ui
