// The gallery scripts check what a window shows before its picture is taken, so
// that a screenshot never shows a wrong answer.
#include "screenshots/window_script.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace zentaro::tools {
namespace {

TEST(GalleryExpect, AScriptGoesOnOnlyWhileAFieldOrLabelShowsExactlyTheExpectedText)
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
        {R"({"w": [{"expect": "line"}]})", "\"expect\" step needs a \"text\""},
        // The first wrong answer stops the script.
        {R"({"w": [{"expect": "label", "text": "?"}, {"type": "line", "text": "8"}]})", "label shows"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        line->setText(QStringLiteral(" 5"));
        QString error;
        if (const auto scripts = ParseScripts(c.script, error)) {
            const auto show = [&] {
                window.show();
                return &window;
            };
            error = RunScript(show, scripts->at("w")).error;
        }
        EXPECT_EQ(error.isEmpty(), *c.error == '\0') << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.error))) << error.toStdString();
    }
    EXPECT_EQ(line->text(), " 5") << "a script stopped by a wrong answer went on typing";
}

} // namespace
} // namespace zentaro::tools
