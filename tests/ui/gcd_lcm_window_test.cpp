#include "ui/gcd_lcm_window.h"

#include "shell/calculator_catalogue.h"
#include "support/window_test.h"

#include <QGroupBox>
#include <QLabel>

namespace zentaro::ui {
namespace {

using GcdLcmWindowTest = testing::WindowTest<GcdLcmWindow>;

const QString kSep = QString::fromUtf8("\u00A4");

TEST_F(GcdLcmWindowTest, ShowsTheControlsOfTheForm)
{
    EXPECT_EQ(window->objectName(), "gcdlcmfrm");
    EXPECT_EQ(window->windowTitle(), "GCD/LCM/Factoring");
    // Captions as shown: one "&" where the form has "&&".
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "GCD, LCM of "}, {"Label2", "&"}, {"Label4", "the factors of"}, {"Label7", ":"}};
    for (const auto& [name, caption] : labels)
        EXPECT_EQ(testing::Find<QLabel>(window.get(), name)->text(), caption);
    EXPECT_EQ(testing::Find<QGroupBox>(window.get(), "Frame1")->title(), "GCD of a && b");
    EXPECT_EQ(testing::Find<QGroupBox>(window.get(), "Frame4")->title(), "Prime Factors of a");
    const std::pair<const char*, const char*> tips[] = {
        {"atxt", "Enter the first number here"},
        {"btxt", "Enter the first number here"},
        {"numfacttxt", "Enter here the number to be factorized"},
        {"aprimfactors", "The numbers in brackets indicate the highest power of the prime factor in the number"}};
    for (const auto& [name, tip] : tips)
        EXPECT_EQ(field(name)->toolTip(), tip);
    for (const char* answer : {"gcdab", "lcmab", "afactors", "aprimfactors"})
        EXPECT_TRUE(field(answer)->isReadOnly()) << answer;
    // The first row reads b on the left, then a.
    EXPECT_LT(field("btxt")->x(), field("atxt")->x());
}

TEST_F(GcdLcmWindowTest, ComputesEachRow)
{
    const struct {
        const char *a, *b, *gcd, *lcm;
    } pairs[] = {{"12", "18", "6", "36"}, {"-4", "6", "-2", "12"}, {"0", "5", "5", "0"}, {"2.5", "1", "0.5", "5"}};
    for (const auto& c : pairs) {
        type("atxt", c.a);
        type("btxt", c.b);
        click("comp");
        EXPECT_EQ(text("gcdab") + " " + text("lcmab"), QString(c.gcd) + " " + c.lcm) << c.a << ", " << c.b;
    }
    type("numfacttxt", "12");
    type("numprimfacttxt", "360");
    click("factorize");
    click("primfact");
    EXPECT_EQ(text("afactors"), kSep + "   1  ¤   2  ¤   3  ¤   4  ¤   6  ¤   12  " + kSep);
    EXPECT_EQ(text("aprimfactors"), kSep + "   2( 3)  ¤   3( 2)  ¤   5( 1)  " + kSep);

    // 2095133040 has 1600 divisors, more than any other 32-bit number: the field
    // holds them all and shows the start.
    type("numfacttxt", "2095133040");
    click("factorize");
    EXPECT_EQ(text("afactors").count(kSep), 1601);
    EXPECT_TRUE(text("afactors").endsWith("   2095133040  " + kSep));
    EXPECT_EQ(field("afactors")->cursorPosition(), 0);
}

TEST_F(GcdLcmWindowTest, RunTimeErrorsLeaveWhatWasWritten)
{
    type("atxt", "12");
    type("btxt", "18");
    click("comp");
    type("atxt", "0");
    type("btxt", "");
    dialogs.runtimeError(6, "Overflow");
    click("comp");
    EXPECT_EQ(text("gcdab"), "0");
    EXPECT_EQ(text("lcmab"), "36");

    const struct {
        const char* input;
        const char* number;
        const char* button;
        const char* answer;
        int error;
        const char* message;
    } cases[] = {
        {"numprimfacttxt", "0", "primfact", "aprimfactors", 5, "Invalid procedure call or argument"},
        {"numprimfacttxt", "1e400", "primfact", "aprimfactors", 6, "Overflow"},
        {"numfacttxt", "2147483647.5", "factorize", "afactors", 6, "Overflow"},
    };
    for (const auto& c : cases) {
        type(c.input, "12");
        click(c.button);
        type(c.input, c.number);
        dialogs.runtimeError(c.error, c.message);
        click(c.button);
        EXPECT_EQ(text(c.answer), kSep) << c.number;
    }
}

TEST(NumberTheoryMenu, TheButtonsOpenTheirWindows)
{
    int found = 0;
    for (const auto& entry : shell::Calculators()) {
        if (entry.button == "gcdlcmcmd" || entry.button == "primenumcmd") {
            ++found;
            ASSERT_NE(entry.make, nullptr) << entry.button.toStdString();
            EXPECT_EQ(std::unique_ptr<QWidget>(entry.make())->objectName(), entry.formName);
        }
    }
    EXPECT_EQ(found, 2);
}

} // namespace
} // namespace zentaro::ui
