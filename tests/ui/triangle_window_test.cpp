#include "ui/triangle_window.h"

#include "support/window_test.h"
#include "widgets/window_setup.h"

#include <QGroupBox>
#include <QScreen>

namespace zentaro::ui {
namespace {

const char* const kFields = "sideatxt sidebtxt sidectxt Atxt Btxt Ctxt";
const char* const kCaptions[] = {"Label1", "Label3", "Label5", "Label2", "Label4", "Label6"}; // of kFields
const char* const kResults = "sidealbl sideblbl sideclbl Albl Blbl Clbl Arealbl Rlbl inradiuslbl r1lbl r2lbl r3lbl";
const char* const k345 = "a = 3|b = 4|c = 5|A = 36.8699°|B = 53.1301°|C = 90°|Area = 6|R = 2.5|r = 1|r1 = 2|r2 = 3|"
                         "r3 = 6";

class TriangleWindowTest : public testing::WindowTest<TriangleWindow> {
protected:
    // Picks the mode and types a, b, c, A, B, C.
    void enter(int mode, const QStringList& values)
    {
        option(("Option" + std::to_string(mode)).c_str())->click();
        fill(kFields, values);
    }
    // "input", "failure" or "solved", from the height, the frame and what covers the message.
    std::string state()
    {
        auto* message = testing::Find<QLabel>(window.get(), "Label19");
        const bool covered = window->childAt(message->geometry().center()) != message;
        const bool frame = testing::Find<QGroupBox>(window.get(), "Frame3")->isVisible();
        if (window->height() == widgets::ClientSizeFromTwips(0, 2760).height())
            return "input";
        if (window->height() == widgets::ClientSizeFromTwips(0, 4000).height() && !frame && !covered)
            return "failure";
        if (window->height() == widgets::ClientSizeFromTwips(0, 4665).height() && frame && covered)
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
    const struct {
        int mode;            // 0: as opened; 5: "Clear", which keeps the mode
        const char* enabled; // a, b, c, A, B, C
    } cases[] = {{0, "100011"}, {1, "100011"}, {2, "011100"}, {3, "111000"}, {4, "011010"}, {5, "011010"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        fill(kFields, QStringList(6, "7"));
        window->move(window->x(), 0);
        if (c.mode == 5)
            click("clearcmd");
        else if (c.mode != 0)
            option(("Option" + std::to_string(c.mode)).c_str())->click();
        EXPECT_EQ(texts(kFields), c.mode == 0 ? "7|7|7|7|7|7" : "|||||");
        const QStringList fields = QString(kFields).split(' ');
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(field(fields[i].toLatin1().constData())->isEnabled(), c.enabled[i] == '1') << i;
            EXPECT_EQ(testing::Find<QLabel>(window.get(), kCaptions[i])->isEnabled(), c.enabled[i] == '1') << i;
        }
        EXPECT_EQ(state(), "input");
        EXPECT_EQ(centred(), c.mode != 0);
    }
}

// From the solved 3, 4, 5 triangle: a solution replaces the results and centres
// the window; a failure uncovers the message, an Overflow only reports, and
// both leave the results and the window's top alone.
TEST_F(TriangleWindowTest, SolvesOverTheMessageOrUncoversIt)
{
    const struct {
        int mode;
        QStringList values; // a, b, c, A, B, C
        const char* state;
        const char* results = k345;
    } cases[] = {
        {1,
         {"10", "", "", "", "40", "60"},
         "solved",
         "a = 10|b = 6.527|c = 8.7939|A = 80°|B = 40°|C = 60°|Area = 28.2629|R = 5.0771|r = 2.2324|r1 = 10.6234|"
         "r2 = 4.608|r3 = 7.3095"},
        {3, {"1e308", "1e308", "1e308"}, "input"},
        {3, {"1", "2", "3"}, "failure"},
        {1, {}, "failure"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.join(',').toStdString());
        enter(3, {"3", "4", "5"});
        click("solvecmd");
        EXPECT_EQ(texts(kResults), k345);
        enter(c.mode, c.values);
        window->move(window->x(), 17);
        if (std::string(c.state) == "input")
            dialogs.runtimeError(6, "Overflow");
        click("solvecmd");
        EXPECT_EQ(state(), c.state);
        EXPECT_EQ(texts(kResults), c.results);
        const bool solved = std::string(c.state) == "solved";
        EXPECT_EQ(centred(), solved);
        EXPECT_EQ(window->frameGeometry().top() == 17, !solved);
    }
    // After a failure the result frame stays hidden through a mode change.
    option("Option2")->click();
    EXPECT_FALSE(testing::Find<QGroupBox>(window.get(), "Frame3")->isVisible());
}

// Declining to choose (Cancel, or a reply other than "a1" or "a2") takes the
// solution of the earlier answer off the screen and keeps the typed data.
TEST_F(TriangleWindowTest, TheAmbiguousCaseAsksAndDecliningReturnsToTheInputs)
{
    const QString prompt = "There are Two possible values for a: 11.97687883,  5.34362925. Choose \"a1\" or \"a2\":";
    const std::pair<std::optional<QString>, const char*> cases[] = {
        {QStringLiteral("a2"), "solved"}, {std::nullopt, "input"}, {QStringLiteral("A2"), "input"}};
    enter(4, {"", "6", "10", "", "30"});
    for (const auto& [reply, shown] : cases) {
        SCOPED_TRACE(reply.value_or("Cancel").toStdString());
        dialogs.input(prompt, QStringLiteral("a1"), "Ambiguous Case!");
        click("solvecmd");
        ASSERT_EQ(text("sidealbl"), "a = 11.9769");
        dialogs.input(prompt, reply, "Ambiguous Case!");
        click("solvecmd");
        dialogs.checkDone();
        EXPECT_EQ(state(), shown);
        EXPECT_EQ(texts(kFields), "|6|10||30|");
        if (reply == QStringLiteral("a2")) {
            EXPECT_EQ(text("sidealbl"), "a = 5.3436");
        }
    }
}

} // namespace
} // namespace zentaro::ui
