// The screenshot scripts' steps and the faults they report. The gallery scripts
// themselves run every good path of typing, clicking, answering and expecting.
#include "screenshots/window_script.h"
#include "widgets/message_box.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace zentaro::tools {
namespace {

// A field, a multi-line field, a label, a button that copies the reply of an
// input box into the field, and a button that only reports in a message box.
class ScriptedWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setObjectName("scratchfrm");
        for (auto [control, name] : {std::pair<QWidget*, const char*>{field, "value"},
                                     {area, "area"},
                                     {label, "label"},
                                     {ask, "ask"},
                                     {tell, "tell"}})
            control->setObjectName(name);
        QObject::connect(ask, &QPushButton::clicked, &window,
                         [this] { field->setText(widgets::InputBox(&window, "How many?")); });
        QObject::connect(tell, &QPushButton::clicked, &window, [this] { widgets::MessageBox(&window, "Done"); });
    }
    // Runs the script "w" of `json` on the window, opened by `open` (or just shown).
    QString run(const char* json, const std::function<void()>& open = {})
    {
        QString error;
        const auto scripts = ParseScripts(json, error);
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
    QPlainTextEdit* area = new QPlainTextEdit(QStringLiteral("1 \u00a4 2"), &window);
    QLabel* label = new QLabel(QStringLiteral("y = ( 2)x"), &window);
    QPushButton* ask = new QPushButton("Ask", &window);
    QPushButton* tell = new QPushButton("Tell", &window);
};

TEST_F(ScriptedWindow, RunsTheStepsAndStopsAtTheFirstFault)
{
    const struct {
        const char* script;
        const char* error; // "" when the script runs through
        const char* field; // what the field shows after it
    } cases[] = {
        {R"({"w": [{"type": "value", "text": "5"}, {"answer": null}, {"click": "ask"}]})", "", ""},
        {R"({"w": [{"answer": "OK"}, {"click": "tell"}, {"focus": "value"}]})", "", " 5"},
        {R"({"w": [{"expect": "value", "text": "5"}, {"type": "value", "text": "8"}]})", "value shows ' 5', not '5'",
         " 5"},
        {R"({"w": [{"expect": "tell", "text": "Tell"}]})", "tell is not a field or label", " 5"},
        {R"({"w": [{"expect": "nowhere", "text": ""}]})", "no control nowhere", " 5"},
        {R"({"w": [{"click": "ask"}]})", "nobody answers", ""},
        {R"({"w": [{"answer": "Yes"}, {"click": "tell"}]})", "no button 'Yes'", " 5"},
        {R"({"w": [{"answer": "1"}]})", "1 answer(s) left over", " 5"},
        {R"({"w": [{"click": "value"}]})", "value is not a button", " 5"},
        {R"({"w": [{"type": "ask", "text": "1"}]})", "ask is not a text field", " 5"},
        {"[1, 2]", "not one object", " 5"},
        {R"({"w": {"click": "b"}})", "w: the script is not a list", " 5"},
        {R"({"w": [{"press": "b"}]})", "w: a step is one of", " 5"},
        {R"({"w": [{"type": "b"}]})", "w: a \"type\" step needs", " 5"},
        {R"({"w": [{"expect": "value"}]})", "\"expect\" step needs a \"text\"", " 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        field->setText(QStringLiteral(" 5"));
        const QString error = run(c.script);
        EXPECT_EQ(error.isEmpty(), *c.error == '\0') << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
        EXPECT_EQ(field->text().toStdString(), c.field);
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
