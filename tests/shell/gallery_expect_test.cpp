// The gallery scripts check what a window shows before its picture is taken, so
// that a screenshot never shows a wrong answer.
#include "screenshots/window_script.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace zentaro::tools {
namespace {

TEST(GalleryExpect, AnExpectStepNamesAControlAndTheTextItMustShow)
{
    QString error;
    const auto scripts = ParseScripts(R"({"w": [{"expect": "answer", "text": " 1.5"}]})", error);
    ASSERT_TRUE(scripts.has_value()) << error.toStdString();
    const ScriptStep& step = scripts->at("w").at(0);
    EXPECT_EQ(step.kind, ScriptStep::Kind::Expect);
    EXPECT_EQ(step.control, "answer");
    EXPECT_EQ(step.text, " 1.5");

    error.clear();
    EXPECT_FALSE(ParseScripts(R"({"w": [{"expect": "answer"}]})", error).has_value());
    EXPECT_TRUE(error.contains("\"expect\" step needs a \"text\"")) << error.toStdString();
}

TEST(GalleryExpect, PassesOnlyWhenTheFieldOrLabelShowsExactlyTheText)
{
    QWidget window;
    window.setObjectName("scratchfrm");
    auto* line = new QLineEdit(QStringLiteral(" 5"), &window);
    auto* area = new QPlainTextEdit(QStringLiteral("1 \u00a4 2"), &window);
    auto* label = new QLabel(QStringLiteral("y = ( 2)x"), &window);
    auto* button = new QPushButton(QStringLiteral("Go"), &window);
    line->setObjectName("line");
    area->setObjectName("area");
    label->setObjectName("label");
    button->setObjectName("go");

    const struct {
        const char* script;
        const char* error; // "" when everything shown is as expected
    } cases[] = {
        {R"({"w": [{"expect": "line", "text": " 5"}]})", ""},
        {R"({"w": [{"expect": "line", "text": "5"}]})", "line shows ' 5', not '5'"},
        {R"({"w": [{"expect": "area", "text": "1 ¤ 2"}]})", ""},
        {R"({"w": [{"expect": "area", "text": "1 ¤ 2 ¤ "}]})", "area shows"},
        {R"({"w": [{"expect": "label", "text": "y = ( 2)x"}]})", ""},
        {R"({"w": [{"type": "line", "text": "7"}, {"expect": "line", "text": "7"}]})", ""},
        {R"({"w": [{"expect": "go", "text": "Go"}]})", "go is not a field or label"},
        {R"({"w": [{"expect": "nowhere", "text": ""}]})", "no control nowhere"},
        // The first wrong answer stops the script.
        {R"({"w": [{"expect": "label", "text": "?"}, {"type": "line", "text": "8"}]})", "label shows"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        line->setText(QStringLiteral(" 5"));
        QString error;
        const auto scripts = ParseScripts(c.script, error);
        ASSERT_TRUE(scripts.has_value()) << error.toStdString();
        const ScriptResult result = RunScript(
            [&] {
                window.show();
                return &window;
            },
            scripts->at("w"));
        EXPECT_EQ(result.error.isEmpty(), *c.error == '\0') << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.error))) << result.error.toStdString();
    }
    EXPECT_EQ(line->text(), " 5") << "a script stopped by a wrong answer went on typing";
}

} // namespace
} // namespace zentaro::tools
