#include "ui/triangle_window.h"

#include "support/window_test.h"
#include "ui/window_setup.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>

namespace zentaro::ui {
namespace {

const char* const kFields[] = {"sideatxt", "sidebtxt", "sidectxt", "Atxt", "Btxt", "Ctxt"};
const char* const kCaptions[] = {"Label1", "Label3", "Label5", "Label2", "Label4", "Label6"}; // of kFields
const char* const kResults[] = {"sidealbl", "sideblbl", "sideclbl",    "Albl",  "Blbl",  "Clbl",
                                "Arealbl",  "Rlbl",     "inradiuslbl", "r1lbl", "r2lbl", "r3lbl"};
const char* const k345 = "a = 3|b = 4|c = 5|A = 36.8699°|B = 53.1301°|C = 90°|Area = 6|R = 2.5|r = 1|r1 = 2|r2 = 3|"
                         "r3 = 6";

class TriangleWindowTest : public testing::WindowTest<TriangleWindow> {
protected:
    QLabel* label(const char* name) { return testing::Find<QLabel>(window.get(), name); }
    QRadioButton* option(int mode)
    {
        return testing::Find<QRadioButton>(window.get(), ("Option" + std::to_string(mode)).c_str());
    }
    // Picks the mode and types a, b, c, A, B, C (those of its disabled fields are ignored).
    void enter(int mode, QStringList values)
    {
        option(mode)->click();
        for (int i = 0; i < 6; ++i)
            if (field(kFields[i])->isEnabled())
                type(kFields[i], values.value(i));
    }
    QString results()
    {
        QStringList texts;
        for (const char* name : kResults)
            texts << label(name)->text();
        return texts.join('|');
    }
    // "input", "failure" or "solved", from the height, the frame and what covers the message.
    std::string state()
    {
        QLabel* message = label("Label19");
        const bool covered = window->childAt(message->geometry().center()) != message;
        const bool frame = testing::Find<QGroupBox>(window.get(), "Frame3")->isVisible();
        if (window->height() == ClientSizeFromTwips(0, 2760).height())
            return "input";
        if (window->height() == ClientSizeFromTwips(0, 4000).height() && !frame && !covered)
            return "failure";
        if (window->height() == ClientSizeFromTwips(0, 4665).height() && frame && covered)
            return "solved";
        return "mixed";
    }
    bool centred() const
    {
        const QRect screen = window->screen()->geometry();
        const QRect outer = window->frameGeometry();
        return outer.top() == screen.top() + (screen.height() - outer.height()) / 2;
    }
};

TEST_F(TriangleWindowTest, OpensInTheFirstModeAndEachModeEnablesItsThreeParts)
{
    EXPECT_EQ(window->objectName(), "solvetrianglefrm");
    EXPECT_EQ(window->windowTitle(), "Solution of Triangles");
    EXPECT_EQ(label("Label19")->text(), "Sorry, the data supplied does not correspond to a triangle!");
    EXPECT_EQ(state(), "input");
    EXPECT_TRUE(option(1)->isChecked());
    const struct {
        int mode;            // 0: as opened; 5: "Clear", which keeps the mode
        const char* enabled; // a, b, c, A, B, C
    } cases[] = {{0, "100011"}, {1, "100011"}, {2, "011100"}, {3, "111000"}, {4, "011010"}, {5, "011010"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        for (const char* name : kFields)
            type(name, "7");
        window->move(window->x(), 0);
        if (c.mode == 5)
            click("clearcmd");
        else if (c.mode != 0)
            option(c.mode)->click();
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(text(kFields[i]), c.mode == 0 ? "7" : "") << kFields[i];
            EXPECT_EQ(field(kFields[i])->isEnabled(), c.enabled[i] == '1') << kFields[i];
            EXPECT_EQ(label(kCaptions[i])->isEnabled(), c.enabled[i] == '1') << kCaptions[i];
        }
        EXPECT_EQ(state(), "input");
        EXPECT_EQ(centred(), c.mode != 0);
    }
}

TEST_F(TriangleWindowTest, SolvesOverTheMessageOrUncoversIt)
{
    const struct {
        int mode;
        QStringList values; // a, b, c, A, B, C
        const char* state;
        const char* results; // nullptr: those of the 3, 4, 5 triangle stay
    } cases[] = {
        {3, {"3", "4", "5"}, "solved", k345},
        {1,
         {"10", "", "", "", "40", "60"},
         "solved",
         "a = 10|b = 6.527|c = 8.7939|A = 80°|B = 40°|C = 60°|Area = 28.2629|R = 5.0771|r = 2.2324|r1 = 10.6234|"
         "r2 = 4.608|r3 = 7.3095"},
        {2,
         {"", "5", "8", "60"},
         "solved",
         "a = 7|b = 5|c = 8|A = 60°|B = 38.2132°|C = 81.7868°|Area = 17.3205|R = 4.0415|r = 1.7321|r1 = 5.7735|"
         "r2 = 3.4641|r3 = 8.6603"},
        // a2 negative: no question, a = a1.
        {4,
         {"", "12", "10", "", "30"},
         "solved",
         "a = 19.569|b = 12|c = 10|A = 125.3757°|B = 30°|C = 24.6243°|Area = 48.9224|R = 12|r = 2.3538|"
         "r1 = 40.2482|r2 = 5.5692|r3 = 4.5364"},
        {3, {"1", "2", "3"}, "failure", nullptr},
        {4, {"", "4", "10", "", "30"}, "failure", nullptr},
        {1, {"10", "", "", "", "100", "80"}, "failure", nullptr},
        {2, {"", "5", "8", "0"}, "failure", nullptr},
        {1, {}, "failure", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.join(',').toStdString());
        enter(3, {"3", "4", "5"});
        click("solvecmd");
        enter(c.mode, c.values);
        window->move(window->x(), 17);
        click("solvecmd");
        EXPECT_EQ(state(), c.state);
        EXPECT_EQ(results(), c.results != nullptr ? c.results : k345);
        // Solved centres the window; a failure leaves its top where it was.
        EXPECT_EQ(centred(), c.results != nullptr);
        EXPECT_EQ(window->frameGeometry().top() == 17, c.results == nullptr);
    }
    // After a failure the result frame stays hidden through a mode change.
    option(2)->click();
    EXPECT_FALSE(testing::Find<QGroupBox>(window.get(), "Frame3")->isVisible());
}

TEST_F(TriangleWindowTest, TheAmbiguousCaseAsksAndCancelChangesNothing)
{
    const std::pair<std::optional<QString>, const char*> cases[] = {{QStringLiteral("a1"), "a = 11.9769"},
                                                                    {QStringLiteral("a2"), "a = 5.3436"},
                                                                    {std::nullopt, "a = 3"},
                                                                    {QStringLiteral("A2"), "a = 3"}};
    for (const auto& [reply, a] : cases) {
        SCOPED_TRACE(reply.value_or("Cancel").toStdString());
        enter(3, {"3", "4", "5"});
        click("solvecmd");
        enter(4, {"", "6", "10", "", "30"});
        dialogs.input("There are Two possible values for a: 11.97687883,  5.34362925. Choose \"a1\" or \"a2\":", reply,
                      "Ambiguous Case!");
        click("solvecmd");
        dialogs.checkDone();
        EXPECT_EQ(label("sidealbl")->text(), a);
        EXPECT_EQ(state(), std::string(a) == "a = 3" ? "input" : "solved");
        EXPECT_EQ(text("Btxt"), "30");
    }
}

TEST_F(TriangleWindowTest, AnOverflowIsReportedAndChangesNothing)
{
    enter(3, {"3", "4", "5"});
    click("solvecmd");
    enter(3, {"1e308", "1e308", "1e308"});
    dialogs.runtimeError(6, "Overflow");
    click("solvecmd");
    EXPECT_EQ(results(), k345);
    EXPECT_EQ(state(), "input");
}

} // namespace
} // namespace zentaro::ui
