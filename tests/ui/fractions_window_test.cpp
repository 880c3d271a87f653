#include "ui/fractions_window.h"

#include "shell/application.h"
#include "support/window_test.h"

#include <QLabel>

#include <initializer_list>
#include <string>

namespace zentaro::ui {
namespace {

class FractionsWindowTest : public testing::WindowTest<FractionsWindow> {
protected:
    // The texts of several fields joined by "|", to compare a whole answer at once.
    QString texts(std::initializer_list<std::string> names)
    {
        QStringList parts;
        for (const std::string& name : names)
            parts << text(name.c_str());
        return parts.join('|');
    }
};

TEST_F(FractionsWindowTest, AnswerFieldsAreReadOnlyAndTheOperatorsInTheirFonts)
{
    EXPECT_EQ(window->objectName(), "fractions");
    EXPECT_EQ(window->windowTitle(), "Fractions");
    for (const std::string p : {"add", "sub", "multi", "div"}) {
        for (const std::string& name : {p + "ans1", p + "ans3", "imp" + p + "anstxt1", "imp" + p + "anstxt2"})
            EXPECT_TRUE(field(name.c_str())->isReadOnly()) << name;
        EXPECT_FALSE(field((p + "txt4").c_str())->isReadOnly()) << p;
        EXPECT_EQ(field((p + "txt4").c_str())->toolTip(), "Enter here the denominator of the 2nd fraction");
    }
    for (const char* name : {"companstxt2", "smpanstxt1", "smpanstxt3"})
        EXPECT_TRUE(field(name)->isReadOnly()) << name;
    const struct {
        const char *name, *caption;
        double points;
    } operators[] = {{"plus", "+", 13.5}, {"minus", "-", 13.5}, {"multi", "X", 12}};
    for (const auto& o : operators) {
        auto* label = testing::Find<QLabel>(window.get(), o.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text() + " " + QString::number(label->font().pointSizeF()),
                  QString(o.caption) + " " + QString::number(o.points));
    }
}

TEST_F(FractionsWindowTest, EachFrameAnswersClearsOnErrorsAndKeepsItsImproperForm)
{
    const struct {
        std::string p;
        const char *a, *b, *c, *d, *answer, *improper, *bad1, *bad4;
        int error;
        const char* errorText;
    } frames[] = {{"add", "3", "4", "3", "4", "1|1|2", "3|2", "", "4", 13, "Type mismatch"},
                  {"sub", "1", "2", "3", "4", "|1|-4", "1|-4", "1", "0", 11, "Division by zero"},
                  {"multi", "7", "-1", "1", "2", "-3|1|-2", "7|-2", "3000000000", "4", 6, "Overflow"},
                  {"div", "1", "2", "1", "4", "2|0|", "2|1", "3", "0", 11, "Division by zero"}};
    for (const auto& f : frames) {
        SCOPED_TRACE(f.p);
        const std::string in = f.p + "txt", ans = f.p + "ans", imp = "imp" + f.p + "anstxt";
        click(("imp" + f.p + "cmd").c_str()); // nothing computed yet: 0 over 1
        EXPECT_EQ(texts({imp + "1", imp + "2"}), "0|1");

        const char* inputs[] = {f.a, f.b, f.c, f.d};
        for (int i = 0; i < 4; ++i)
            type((in + std::to_string(i + 1)).c_str(), inputs[i]);
        click((f.p + "cmd").c_str());
        EXPECT_EQ(texts({ans + "1", ans + "2", ans + "3"}), f.answer);
        click(("imp" + f.p + "cmd").c_str());
        EXPECT_EQ(texts({imp + "1", imp + "2"}), f.improper);

        type((in + "1").c_str(), f.bad1);
        type((in + "4").c_str(), f.bad4);
        dialogs.runtimeError(f.error, f.errorText);
        click((f.p + "cmd").c_str());
        EXPECT_EQ(texts({ans + "1", ans + "2", ans + "3"}), "||");
        EXPECT_EQ(texts({imp + "1", imp + "2"}), f.improper);
    }
}

TEST_F(FractionsWindowTest, MixedToImproperKeepsItsAnswerOnAnError)
{
    type("comptxt1", "-1");
    type("comptxt2", "1");
    type("comptxt3", "2");
    click("compcmd");
    EXPECT_EQ(texts({"companstxt1", "companstxt2"}), "1|-2");
    type("comptxt3", "0");
    dialogs.runtimeError(11, "Division by zero");
    click("compcmd");
    EXPECT_EQ(texts({"companstxt1", "companstxt2"}), "1|-2");
}

TEST_F(FractionsWindowTest, ImproperToMixedClearsThenWritesFieldByField)
{
    const struct {
        const char *numerator, *denominator, *fields;
        int error;
        const char* errorText;
    } cases[] = {{"-7", "2", "-3|1|-2", 0, nullptr},
                 {"0", "5", "|0|", 0, nullptr},
                 {"5", "0", "||", 11, "Division by zero"},
                 {"1", "-2147483648", "|-1|", 6, "Overflow"}};
    for (const auto& c : cases) {
        type("smptxt1", "6");
        type("smptxt2", "4");
        click("smpcmd");
        ASSERT_EQ(texts({"smpanstxt1", "smpanstxt2", "smpanstxt3"}), "1|1|2");
        type("smptxt1", c.numerator);
        type("smptxt2", c.denominator);
        if (c.error != 0)
            dialogs.runtimeError(c.error, c.errorText);
        click("smpcmd");
        EXPECT_EQ(texts({"smpanstxt1", "smpanstxt2", "smpanstxt3"}), c.fields) << c.numerator << "/" << c.denominator;
    }
}

TEST(FractionsMenu, TheFractionsButtonShowsTheWindow)
{
    shell::Application app{[] {}};
    app.start();
    app.windows().find("startupfrm")->findChild<QPushButton*>("okcmd")->click();
    auto* button = app.windows().find("mainmenufrm")->findChild<QPushButton*>("cmdfracs");
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    button->click();
    ASSERT_NE(app.windows().find("fractions"), nullptr);
    EXPECT_TRUE(app.windows().find("fractions")->isVisible());
}

} // namespace
} // namespace zentaro::ui
