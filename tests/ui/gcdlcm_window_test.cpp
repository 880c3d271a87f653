#include "ui/gcdlcm_window.h"

#include "numbers/gcd_lcm.h"
#include "shell/calculator_catalogue.h"
#include "support/window_test.h"

#include <QGroupBox>
#include <QLabel>

namespace zentaro::ui {
namespace {

using GcdLcmWindowTest = testing::WindowTest<GcdLcmWindow>;

const QString kSep = QString::fromUtf8("\u00A4");

QString Items(std::initializer_list<const char*> items)
{
    QString text = kSep;
    for (const char* item : items)
        text += QStringLiteral("   ") + QString::fromUtf8(item) + QStringLiteral("  ") + kSep;
    return text;
}

TEST_F(GcdLcmWindowTest, ShowsTheControlsOfTheForm)
{
    EXPECT_EQ(window->objectName(), "gcdlcmfrm");
    EXPECT_EQ(window->windowTitle(), "GCD/LCM/Factoring");
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {
        {"Label1", "GCD, LCM of "},   {"Label2", "&"}, {"Label3", ":"},
        {"Label4", "the factors of"}, {"Label5", ":"}, {"Label7", ":"},
    };
    for (const auto& c : captions) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(testing::Find<QLabel>(window.get(), c.name)->text(), c.caption);
    }
    const struct {
        const char* name;
        const char* title;
    } frames[] = {
        {"Frame1", "GCD of a && b"},
        {"Frame2", "LCM of a && b"},
        {"Frame3", "Factors of a"},
        {"Frame4", "Prime Factors of a"},
    };
    for (const auto& f : frames) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(testing::Find<QGroupBox>(window.get(), f.name)->title(), f.title);
    }
    const struct {
        const char* name;
        bool readOnly;
        const char* toolTip;
    } fields[] = {
        {"atxt", false, "Enter the first number here"},
        {"btxt", false, "Enter the first number here"},
        {"numfacttxt", false, "Enter here the number to be factorized"},
        {"numprimfacttxt", false, "Enter here the number to be prime-factorized"},
        {"gcdab", true, ""},
        {"lcmab", true, ""},
        {"afactors", true, ""},
        {"aprimfactors", true, "The numbers in brackets indicate the highest power of the prime factor in the number"},
    };
    for (const auto& f : fields) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(field(f.name)->isReadOnly(), f.readOnly);
        EXPECT_EQ(field(f.name)->toolTip(), f.toolTip);
        EXPECT_EQ(text(f.name), "");
        EXPECT_EQ(field(f.name)->font().family(), "Arial");
    }
    // The first row reads b on the left, then a.
    EXPECT_LT(field("btxt")->x(), field("atxt")->x());
}

TEST_F(GcdLcmWindowTest, ComputesGcdAndLcm)
{
    const struct {
        const char* a;
        const char* b;
        const char* gcd;
        const char* lcm;
    } cases[] = {
        {"12", "18", "6", "36"},  {"-4", "6", "-2", "12"}, {"0", "5", "5", "0"},
        {"2.5", "1", "0.5", "5"}, {"abc", "7", "7", "0"},  {"1000000000", "1", "1", "1000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + ", " + c.b);
        type("atxt", c.a);
        type("btxt", c.b);
        click("comp");
        EXPECT_EQ(text("gcdab"), c.gcd);
        EXPECT_EQ(text("lcmab"), c.lcm);
    }
}

TEST_F(GcdLcmWindowTest, ZeroAndZeroWritesTheGcdThenOverflows)
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
}

TEST_F(GcdLcmWindowTest, ListsFactorsAndPrimeFactors)
{
    const struct {
        const char* number;
        QString factors;
        QString primeFactors;
    } cases[] = {
        {"12", Items({"1", "2", "3", "4", "6", "12"}), Items({"2( 2)", "3( 1)"})},
        {"360", QString::fromStdString(numbers::gcdlcm::factorlist(360)), Items({"2( 3)", "3( 2)", "5( 1)"})},
        {"1", Items({"1"}), kSep},
        {"-7", kSep, kSep},
        {"1073741824", QString::fromStdString(numbers::gcdlcm::factorlist(1073741824)), Items({"2( 30)"})},
        {"2147483647", Items({"1", "2147483647"}), Items({"2147483647( 1)"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        type("numfacttxt", c.number);
        type("numprimfacttxt", c.number);
        click("factorize");
        click("primfact");
        EXPECT_EQ(text("afactors"), c.factors);
        EXPECT_EQ(text("aprimfactors"), c.primeFactors);
    }
}

TEST_F(GcdLcmWindowTest, TheLongestFactorListFitsTheField)
{
    // 2095133040 has 1600 divisors, more than any other 32-bit number.
    type("numfacttxt", "2095133040");
    click("factorize");
    const std::string expected = numbers::gcdlcm::factorlist(2095133040);
    EXPECT_EQ(text("afactors").toStdString(), expected);
    EXPECT_EQ(text("afactors").count(kSep), 1601);
    EXPECT_EQ(field("afactors")->cursorPosition(), 0);
}

TEST_F(GcdLcmWindowTest, RunTimeErrorsLeaveTheSeparator)
{
    const struct {
        const char* number;
        int error;
        const char* message;
    } cases[] = {
        {"1e400", 6, "Overflow"},
        {"2147483647.5", 6, "Overflow"},
        {"0", 5, "Invalid procedure call or argument"},
        {"-8", 5, "Invalid procedure call or argument"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        type("numfacttxt", "12");
        type("numprimfacttxt", "12");
        click("factorize");
        click("primfact");
        type("numprimfacttxt", c.number);
        dialogs.runtimeError(c.error, c.message);
        click("primfact");
        EXPECT_EQ(text("aprimfactors"), kSep);
        dialogs.checkDone();
        if (c.error == 6) {
            type("numfacttxt", c.number);
            dialogs.runtimeError(6, "Overflow");
            click("factorize");
            EXPECT_EQ(text("afactors"), kSep);
        }
    }
}

TEST(NumberTheoryMenu, TheButtonsOpenTheirWindows)
{
    int found = 0;
    for (const auto& entry : shell::Calculators()) {
        if (entry.button != "gcdlcmcmd" && entry.button != "primenumcmd")
            continue;
        SCOPED_TRACE(entry.button.toStdString());
        ++found;
        ASSERT_NE(entry.make, nullptr);
        std::unique_ptr<QWidget> made(entry.make());
        EXPECT_EQ(made->objectName(), entry.formName);
    }
    EXPECT_EQ(found, 2);
}

} // namespace
} // namespace zentaro::ui
