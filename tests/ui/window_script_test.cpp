#include "screenshots/window_script.h"
#include "widgets/message_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace zentaro::tools {
namespace {

// Typing, clicking and expecting are parsed for every gallery script; these are not.
TEST(ScreenshotScripts, ParseFocusAndAnswerStepsAndRejectWhatIsNotAScript)
{
    QString error;
    const auto scripts =
        ParseScripts(R"({"w": [{"focus": "num"}, {"answer": "12"}, {"answer": null}], "e": []})", error);
    ASSERT_TRUE(scripts.has_value()) << error.toStdString();
    ASSERT_EQ(scripts->size(), 2u);
    const auto& steps = scripts->at("w");
    ASSERT_EQ(steps.size(), 3u);
    using K = ScriptStep::Kind;
    EXPECT_TRUE(steps[0].kind == K::Focus && steps[0].control == "num");
    EXPECT_TRUE(steps[1].kind == K::Answer && steps[1].text == "12");
    EXPECT_TRUE(steps[2].kind == K::Answer && !steps[2].text.has_value());

    const struct {
        const char* json;
        const char* error;
    } broken[] = {
        {"[1, 2]", "not one object"},
        {R"({"a": [)", ""},
        {R"({"a": {"click": "b"}})", "a: the script is not a list"},
        {R"({"a": [{"press": "b"}]})", "a: a step is one of"},
        {R"({"a": [{"type": "b"}]})", "a: a \"type\" step needs"},
    };
    for (const auto& c : broken) {
        SCOPED_TRACE(c.json);
        error.clear();
        EXPECT_FALSE(ParseScripts(c.json, error).has_value());
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
    }
}

// A field, a button that copies the reply of an input box into it, and a button
// that only reports in a message box.
class ScriptedWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setObjectName("scratchfrm");
        field->setObjectName("value");
        ask->setObjectName("ask");
        tell->setObjectName("tell");
        QObject::connect(ask, &QPushButton::clicked, &window,
                         [this] { field->setText(widgets::InputBox(&window, "How many?")); });
        QObject::connect(tell, &QPushButton::clicked, &window, [this] { widgets::MessageBox(&window, "Done"); });
    }
    // Runs the script "w" of `json` on the window, opened by `open` (or just shown).
    QString run(const char* json, const std::function<void()>& open = {})
    {
        QString error;
        const auto scripts = ParseScripts(json, error);
        EXPECT_TRUE(scripts.has_value()) << error.toStdString();
        if (!scripts)
            return error;
        const auto show = [&] {
            open ? open() : window.show();
            return &window;
        };
        const ScriptResult result = RunScript(show, scripts->at("w"));
        EXPECT_EQ(result.window, &window);
        return result.error;
    }

    QWidget window;
    QLineEdit* field = new QLineEdit(&window);
    QPushButton* ask = new QPushButton("Ask", &window);
    QPushButton* tell = new QPushButton("Tell", &window);
};

TEST_F(ScriptedWindow, TypesClicksAndAnswersTheBoxesAClickOpens)
{
    const struct {
        const char* script;
        const char* error; // "" when the script runs through
        const char* field;
    } cases[] = {
        {R"({"w": [{"answer": "42"}, {"click": "ask"}]})", "", "42"},
        {R"({"w": [{"type": "value", "text": "5"}, {"answer": null}, {"click": "ask"}]})", "", ""},
        {R"({"w": [{"answer": "OK"}, {"click": "tell"}]})", "", ""},
        {R"({"w": [{"click": "ask"}]})", "nobody answers", ""},
        {R"({"w": [{"answer": "Yes"}, {"click": "tell"}]})", "no button 'Yes'", ""},
        {R"({"w": [{"answer": "1"}]})", "1 answer(s) left over", ""},
        {R"({"w": [{"click": "value"}]})", "value is not a button", ""},
        {R"({"w": [{"type": "ask", "text": "1"}]})", "ask is not a text field", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        field->clear();
        const QString error = run(c.script);
        EXPECT_EQ(error.isEmpty(), *c.error == '\0') << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
        if (*c.error == '\0') {
            EXPECT_EQ(field->text().toStdString(), c.field);
        }
    }
}

TEST_F(ScriptedWindow, AnswersAtTheStartAnswerTheBoxesTheWindowShowsAsItOpens)
{
    const auto openAndAsk = [this] {
        window.show();
        field->setText(widgets::InputBox(&window, "Start with?"));
    };
    EXPECT_EQ(run(R"({"w": [{"answer": "9"}]})", openAndAsk), "");
    EXPECT_EQ(field->text(), "9");
    EXPECT_TRUE(run(R"({"w": []})", openAndAsk).contains("nobody answers"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace zentaro::tools
