#include "ui/roman_window.h"

#include "support/window_test.h"

namespace zentaro::ui {
namespace {

using RomanWindowTest = testing::WindowTest<RomanWindow>;

TEST_F(RomanWindowTest, OpensWithTheLargestNumeral)
{
    EXPECT_EQ(window->objectName(), "romanfrm");
    EXPECT_EQ(window->windowTitle(), "Roman Numerals");
    EXPECT_EQ(text("arabic"), "3999");
    EXPECT_EQ(text("roman"), "MMMCMXCIX");
    EXPECT_TRUE(field("roman")->isReadOnly());
    EXPECT_EQ(field("arabic")->toolTip(), "Enter the Arabic Number (<4000)");
}

TEST_F(RomanWindowTest, TheNumeralFollowsEveryKeystroke)
{
    field("arabic")->clear();
    EXPECT_EQ(text("roman"), "");
    const struct {
        const char* key;
        const char* numeral;
    } keys[] = {{"1", "I"}, {"9", "XIX"}, {"9", "CXCIX"}, {"4", "MCMXCIV"}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.numeral);
        field("arabic")->insert(k.key);
        EXPECT_EQ(text("roman"), k.numeral);
    }
    EXPECT_EQ(text("arabic"), "1994");
}

TEST_F(RomanWindowTest, AFourthDigitAfter400BringsTheMessage)
{
    type("arabic", "400");
    EXPECT_EQ(text("roman"), "CD");
    dialogs.message("Please enter a number less than 4000!");
    field("arabic")->insert("0");
    EXPECT_EQ(text("arabic"), "");
    EXPECT_EQ(text("roman"), "??????????");

    dialogs.message("Please enter a number less than 4000!");
    type("arabic", "3999.4");
    EXPECT_EQ(text("arabic"), "");
    EXPECT_EQ(text("roman"), "??????????");
}

TEST_F(RomanWindowTest, TextsThatAreNotNumbersAndNegativeNumbers)
{
    const struct {
        const char* arabic;
        const char* numeral;
    } cases[] = {{"abc", ""}, {"12.5", "XII"}, {"13.5", "XIV"}, {"-0.4", ""}, {"40", "XL"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arabic);
        type("arabic", c.arabic);
        EXPECT_EQ(text("roman"), c.numeral);
    }
    dialogs.runtimeError(9, "Subscript out of range");
    type("arabic", "-5");
    EXPECT_EQ(text("roman"), "XL");
    dialogs.runtimeError(6, "Overflow");
    type("arabic", "-40000");
    EXPECT_EQ(text("roman"), "XL");
}

} // namespace
} // namespace zentaro::ui
