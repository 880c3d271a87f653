#include "ui/triangle_window.h"

#include "support/window_test.h"
#include "ui/window_setup.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>

#include <string>

namespace zentaro::ui {
namespace {

const char* const kFields[] = {"sideatxt", "sidebtxt", "sidectxt", "Atxt", "Btxt", "Ctxt"};
const char* const kCaptions[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};
const char* const kResults[] = {"sidealbl", "sideblbl", "sideclbl",    "Albl",  "Blbl",  "Clbl",
                                "Arealbl",  "Rlbl",     "inradiuslbl", "r1lbl", "r2lbl", "r3lbl"};
const QString kAmbiguousPrompt =
    QStringLiteral("There are Two possible values for a: 11.97687883,  5.34362925. Choose \"a1\" or \"a2\":");

class TriangleWindowTest : public testing::WindowTest<TriangleWindow> {
protected:
    QLabel* label(const char* name) { return testing::Find<QLabel>(window.get(), name); }
    QGroupBox* frame(const char* name) { return testing::Find<QGroupBox>(window.get(), name); }
    void choose(int mode)
    {
        testing::Find<QRadioButton>(window.get(), ("Option" + std::to_string(mode)).c_str())->click();
    }
    using Given = std::initializer_list<std::pair<const char*, const char*>>;
    void enter(int mode, Given given)
    {
        choose(mode);
        for (const auto& [name, value] : given)
            type(name, QString::fromUtf8(value));
    }
    void solve(int mode, Given given)
    {
        enter(mode, given);
        click("solvecmd");
    }
    int heightFor(int twips) const { return ClientSizeFromTwips(7905, twips).height(); }
    // Centred: top = (screen height - window height) / 2, frame included.
    bool centred() const
    {
        const QRect screen = window->screen()->geometry();
        const QRect outer = window->frameGeometry();
        return outer.top() == screen.top() + (screen.height() - outer.height()) / 2;
    }
    QStringList results()
    {
        QStringList texts;
        for (const char* name : kResults)
            texts << label(name)->text();
        return texts;
    }
    // Whether the failure message is what the user sees at its place.
    bool messageUncovered()
    {
        QLabel* message = label("Label19");
        return window->childAt(message->geometry().center()) == message;
    }
};

TEST_F(TriangleWindowTest, OpensForTheFirstModeWithInputsOnly)
{
    EXPECT_EQ(window->objectName(), "solvetrianglefrm");
    EXPECT_EQ(window->windowTitle(), "Solution of Triangles");
    EXPECT_EQ(window->height(), heightFor(2760));
    EXPECT_TRUE(testing::Find<QRadioButton>(window.get(), "Option1")->isChecked());
    const bool enabled[] = {true, false, false, false, true, true};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(kFields[i]);
        EXPECT_EQ(field(kFields[i])->isEnabled(), enabled[i]);
        EXPECT_EQ(text(kFields[i]), "");
    }
    EXPECT_EQ(label("Label19")->text(), "Sorry, the data supplied does not correspond to a triangle!");
    EXPECT_EQ(field("sideatxt")->toolTip(), "Enter the length of side 'a' here");
    EXPECT_EQ(label("r1lbl")->toolTip(), "Radius of the ex-circle opposite vertex A of the triangle");

    // Solving at once uses the first mode, never typed angles beside made-up sides.
    solve(1, {{"sideatxt", "10"}, {"Btxt", "40"}, {"Ctxt", "60"}});
    EXPECT_EQ(label("Albl")->text(), "A = 80°");
}

TEST_F(TriangleWindowTest, EachModeEmptiesTheInputsAndEnablesItsThreeParts)
{
    const struct {
        int mode;
        bool enabled[6]; // a, b, c, A, B, C; the captions follow their fields
    } cases[] = {
        {1, {true, false, false, false, true, true}},
        {2, {false, true, true, true, false, false}},
        {3, {true, true, true, false, false, false}},
        {4, {false, true, true, false, true, false}},
    };
    const int captionOfField[] = {0, 2, 4, 1, 3, 5}; // Label1 a, Label3 b, Label5 c, Label2 A, ...
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        for (const char* name : kFields)
            type(name, "7");
        window->move(window->x(), 0);
        choose(c.mode);
        for (int i = 0; i < 6; ++i) {
            SCOPED_TRACE(kFields[i]);
            EXPECT_EQ(text(kFields[i]), "");
            EXPECT_EQ(field(kFields[i])->isEnabled(), c.enabled[i]);
            EXPECT_EQ(label(kCaptions[captionOfField[i]])->isEnabled(), c.enabled[i]);
        }
        EXPECT_EQ(window->height(), heightFor(2760));
        EXPECT_TRUE(centred());
    }
}

TEST_F(TriangleWindowTest, ShowsTheSolvedTriangleOverTheFailureMessage)
{
    const struct {
        int mode;
        std::initializer_list<std::pair<const char*, const char*>> given;
        QStringList captions;
    } cases[] = {
        {3,
         {{"sideatxt", "3"}, {"sidebtxt", "4"}, {"sidectxt", "5"}},
         {"a = 3", "b = 4", "c = 5", "A = 36.8699°", "B = 53.1301°", "C = 90°", "Area = 6", "R = 2.5", "r = 1",
          "r1 = 2", "r2 = 3", "r3 = 6"}},
        {1,
         {{"sideatxt", "10"}, {"Btxt", "40"}, {"Ctxt", "60"}},
         {"a = 10", "b = 6.527", "c = 8.7939", "A = 80°", "B = 40°", "C = 60°", "Area = 28.2629", "R = 5.0771",
          "r = 2.2324", "r1 = 10.6234", "r2 = 4.608", "r3 = 7.3095"}},
        {2,
         {{"Atxt", "60"}, {"sidebtxt", "5"}, {"sidectxt", "8"}},
         {"a = 7", "b = 5", "c = 8", "A = 60°", "B = 38.2132°", "C = 81.7868°", "Area = 17.3205", "R = 4.0415",
          "r = 1.7321", "r1 = 5.7735", "r2 = 3.4641", "r3 = 8.6603"}},
        {4,
         {{"Btxt", "30"}, {"sidebtxt", "12"}, {"sidectxt", "10"}},
         {"a = 19.569", "b = 12", "c = 10", "A = 125.3757°", "B = 30°", "C = 24.6243°", "Area = 48.9224", "R = 12",
          "r = 2.3538", "r1 = 40.2482", "r2 = 5.5692", "r3 = 4.5364"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        window->move(window->x(), 0);
        solve(c.mode, c.given);
        EXPECT_EQ(results(), c.captions);
        EXPECT_TRUE(frame("Frame3")->isVisible());
        EXPECT_EQ(window->height(), heightFor(4665));
        EXPECT_TRUE(centred());
        EXPECT_FALSE(messageUncovered());
    }
}

TEST_F(TriangleWindowTest, DataThatFitNoTriangleUncoverTheMessageAndKeepTheResults)
{
    const struct {
        const char* what;
        int mode;
        std::initializer_list<std::pair<const char*, const char*>> given;
    } cases[] = {
        {"flat sides 1, 2, 3", 3, {{"sideatxt", "1"}, {"sidebtxt", "2"}, {"sidectxt", "3"}}},
        {"disc below 0", 4, {{"Btxt", "30"}, {"sidebtxt", "4"}, {"sidectxt", "10"}}},
        {"no positive root", 4, {{"Btxt", "120"}, {"sidebtxt", "9"}, {"sidectxt", "10"}}},
        {"B + C = 180", 1, {{"sideatxt", "10"}, {"Btxt", "100"}, {"Ctxt", "80"}}},
        {"B + C above 180", 1, {{"sideatxt", "10"}, {"Btxt", "120"}, {"Ctxt", "80"}}},
        {"A of 0", 2, {{"Atxt", "0"}, {"sidebtxt", "5"}, {"sidectxt", "8"}}},
        {"a negative side", 2, {{"Atxt", "60"}, {"sidebtxt", "-5"}, {"sidectxt", "8"}}},
        {"nothing typed", 1, {}},
    };
    solve(3, {{"sideatxt", "3"}, {"sidebtxt", "4"}, {"sidectxt", "5"}});
    const QStringList solved = results();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        enter(c.mode, c.given);
        window->move(window->x(), 17);
        click("solvecmd");
        EXPECT_FALSE(frame("Frame3")->isVisible());
        EXPECT_EQ(window->height(), heightFor(4000));
        EXPECT_EQ(window->frameGeometry().top(), 17); // the failure leaves the top where it was
        EXPECT_TRUE(messageUncovered());
        EXPECT_EQ(results(), solved);
    }
    // A mode change keeps the result frame hidden until the next solve succeeds.
    choose(3);
    EXPECT_FALSE(frame("Frame3")->isVisible());
    EXPECT_EQ(window->height(), heightFor(2760));
    solve(3, {{"sideatxt", "5"}, {"sidebtxt", "5"}, {"sidectxt", "5"}});
    EXPECT_TRUE(frame("Frame3")->isVisible());
    EXPECT_EQ(label("Albl")->text(), "A = 60°");
}

TEST_F(TriangleWindowTest, TheAmbiguousCaseAsksWhichTriangle)
{
    const struct {
        std::optional<QString> reply;
        const char* a; // nullptr: the window stays as it was
    } cases[] = {
        {QStringLiteral("a1"), "a = 11.9769"}, {QStringLiteral("a2"), "a = 5.3436"}, {std::nullopt, nullptr},
        {QStringLiteral("A2"), nullptr},       {QStringLiteral("a1 "), nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply.value_or("Cancel").toStdString());
        solve(3, {{"sideatxt", "3"}, {"sidebtxt", "4"}, {"sidectxt", "5"}});
        choose(4);
        const QStringList before = results();
        type("Btxt", "30");
        type("sidebtxt", "6");
        type("sidectxt", "10");
        dialogs.input(kAmbiguousPrompt, c.reply, "Ambiguous Case!");
        click("solvecmd");
        if (c.a == nullptr) {
            EXPECT_EQ(results(), before);
            EXPECT_EQ(window->height(), heightFor(2760));
            EXPECT_EQ(text("Btxt"), "30");
        } else {
            EXPECT_EQ(label("sidealbl")->text(), c.a);
            EXPECT_EQ(label("Blbl")->text(), "B = 30°");
            EXPECT_EQ(window->height(), heightFor(4665));
        }
        dialogs.checkDone();
    }
}

TEST_F(TriangleWindowTest, ClearEmptiesTheInputsAndKeepsTheMode)
{
    solve(2, {{"Atxt", "60"}, {"sidebtxt", "5"}, {"sidectxt", "8"}});
    const QStringList solved = results();
    window->move(window->x(), 0);
    click("clearcmd");
    for (const char* name : kFields)
        EXPECT_EQ(text(name), "") << name;
    EXPECT_FALSE(field("sideatxt")->isEnabled());
    EXPECT_TRUE(field("Atxt")->isEnabled());
    EXPECT_FALSE(label("Label1")->isEnabled());
    EXPECT_TRUE(testing::Find<QRadioButton>(window.get(), "Option2")->isChecked());
    EXPECT_EQ(results(), solved);
    EXPECT_EQ(window->height(), heightFor(2760));
    EXPECT_TRUE(centred());
}

TEST_F(TriangleWindowTest, NumbersBeyondTheDoubleRangeAreARunTimeError)
{
    solve(3, {{"sideatxt", "3"}, {"sidebtxt", "4"}, {"sidectxt", "5"}});
    const QStringList solved = results();
    dialogs.runtimeError(6, "Overflow");
    solve(3, {{"sideatxt", "1e308"}, {"sidebtxt", "1e308"}, {"sidectxt", "1e308"}});
    EXPECT_EQ(results(), solved);
    EXPECT_EQ(window->height(), heightFor(2760));
}

} // namespace
} // namespace zentaro::ui
