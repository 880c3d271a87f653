#include "widgets/window_setup.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zentaro::widgets {
namespace {

enum class Kind { Field, Answer, Notes, Button, Label, Frame };

struct Control {
    const char* name;
    const char* parent; // "" for the window itself
    Kind kind;
    QRect geometry;
    const char* caption = ""; // a field's tool tip
};

// A window made of `controls`, created in the order given.
std::unique_ptr<QWidget> MakeWindow(const std::vector<Control>& controls, const char* formName = "scratchfrm")
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QString::fromLatin1(formName));
    window->resize(400, 300);
    for (const Control& c : controls) {
        QWidget* parent = *c.parent == '\0' ? window.get() : window->findChild<QWidget*>(c.parent);
        const QString caption = QString::fromUtf8(c.caption);
        QWidget* w = c.kind == Kind::Button  ? new QPushButton(caption, parent)
                     : c.kind == Kind::Label ? new QLabel(caption, parent)
                     : c.kind == Kind::Frame ? static_cast<QWidget*>(new QGroupBox(caption, parent))
                     : c.kind == Kind::Notes ? static_cast<QWidget*>(new QPlainTextEdit(parent))
                                             : new QLineEdit(parent);
        if (c.kind == Kind::Field || c.kind == Kind::Answer)
            w->setToolTip(caption);
        if (c.kind == Kind::Answer)
            static_cast<QLineEdit*>(w)->setReadOnly(true);
        w->setObjectName(QString::fromLatin1(c.name));
        w->setGeometry(c.geometry);
    }
    return window;
}

// The Tab stops of `window` from `first` on, as the focus chain links them.
std::vector<std::string> FocusChain(QWidget* window, const char* first, std::size_t count)
{
    std::vector<std::string> names;
    QWidget* w = window->findChild<QWidget*>(first);
    while (w != nullptr && names.size() < count) {
        if (w->focusPolicy() & Qt::TabFocus)
            names.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    }
    return names;
}

TEST(ReadingOrder, GoesByRowsLeftToRightAndKeepsAFramesContentsTogether)
{
    const struct {
        const char* what;
        std::vector<Control> controls;
        std::vector<std::string> order;
    } cases[] = {
        {"a row whose tops differ by a few pixels reads left to right",
         {{"right", "", Kind::Field, {100, 22, 50, 25}},
          {"left", "", Kind::Button, {10, 26, 50, 20}},
          {"below", "", Kind::Field, {10, 60, 50, 25}}},
         {"left", "right", "below"}},
        {"a frame's fields come before what stands beside the frame, which takes no Tab stop",
         {{"later", "", Kind::Button, {120, 50, 50, 25}},
          {"frame", "", Kind::Frame, {10, 10, 100, 100}},
          {"second", "frame", Kind::Field, {10, 50, 50, 20}},
          {"first", "frame", Kind::Field, {10, 20, 50, 20}},
          {"beside", "", Kind::Button, {120, 10, 50, 25}}},
         {"first", "second", "beside", "later"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto window = MakeWindow(c.controls);
        std::vector<std::string> names;
        for (const QWidget* w : ReadingOrder(window.get()))
            names.push_back(w->objectName().toStdString());
        EXPECT_EQ(names, c.order);
    }
}

TEST(ReadingOrder, BecomesTheTabOrderUnlessTheFormListsItsOwn)
{
    const std::vector<Control> controls = {{"c", "", Kind::Field, {10, 90, 50, 20}},
                                           {"a", "", Kind::Field, {10, 10, 50, 20}},
                                           {"b", "", Kind::Button, {10, 50, 50, 20}}};
    auto plain = MakeWindow(controls);
    MakeCalculatorWindow(plain.get());
    EXPECT_EQ(FocusChain(plain.get(), "a", 3), (std::vector<std::string>{"a", "b", "c"}));

    // recifrm's form lists its Tab order: creation order stays.
    auto listed = MakeWindow(controls, "recifrm");
    MakeCalculatorWindow(listed.get());
    EXPECT_EQ(FocusChain(listed.get(), "c", 3), (std::vector<std::string>{"c", "a", "b"}));
}

// Fields are named after their label (beside, above or by buddy), their frame or
// their tool tip, buttons after their caption; read-only fields are results.
TEST(DescribeControls, NamesAndDescribesFieldsAndLetsTabLeaveMultiLineFields)
{
    auto window = MakeWindow({
        {"numberLabel", "", Kind::Label, {10, 12, 50, 17}, "Number:"},
        {"number", "", Kind::Field, {70, 10, 100, 25}, "tip not used"},
        {"digitsLabel", "", Kind::Label, {200, 10, 60, 17}, "Digits"},
        {"digits", "", Kind::Field, {200, 30, 100, 25}},
        {"far", "", Kind::Field, {10, 100, 60, 25}},
        {"farLabel", "", Kind::Label, {300, 250, 60, 17}, "&Base"},
        {"resultFrame", "", Kind::Frame, {10, 140, 120, 50}, "Result"},
        {"result", "resultFrame", Kind::Answer, {8, 20, 100, 25}},
        {"addFrame", "", Kind::Frame, {140, 140, 200, 50}, "A&dd"},
        {"tipped", "addFrame", Kind::Answer, {8, 20, 80, 25}, "First numerator"},
        {"untipped", "addFrame", Kind::Field, {100, 20, 80, 25}},
        {"go", "", Kind::Button, {10, 200, 90, 25}, "&&Go && &Stop"},
        {"blank", "", Kind::Button, {110, 200, 30, 25}},
        {"named", "", Kind::Button, {150, 200, 60, 25}, "Named"},
        {"notes", "", Kind::Notes, {10, 240, 100, 40}},
        {"listing", "", Kind::Notes, {120, 240, 100, 40}},
    });
    window->findChild<QPlainTextEdit*>("listing")->setReadOnly(true);
    window->findChild<QLabel*>("farLabel")->setBuddy(window->findChild<QWidget*>("far"));
    window->findChild<QWidget*>("blank")->setToolTip("Clear all fields");
    window->findChild<QWidget*>("named")->setAccessibleName("Chosen name");
    window->findChild<QWidget*>("tipped")->setAccessibleDescription("The sum");
    DescribeControls(window.get());

    const struct {
        const char *name, *accessibleName, *description;
    } expected[] = {{"number", "Number:", ""},
                    {"digits", "Digits", ""},
                    {"far", "Base", ""},
                    {"result", "Result", "Read-only result"},
                    {"tipped", "First numerator", "The sum"},
                    {"untipped", "Add", ""},
                    {"go", "&Go & Stop", ""},
                    {"blank", "Clear all fields", ""},
                    {"named", "Chosen name", ""},
                    {"listing", "", "Read-only result"},
                    {"numberLabel", "", ""}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const auto* control = window->findChild<QWidget*>(e.name);
        EXPECT_EQ(control->accessibleName(), e.accessibleName);
        EXPECT_EQ(control->accessibleDescription(), e.description);
    }
    EXPECT_TRUE(window->findChild<QPlainTextEdit*>("notes")->tabChangesFocus());
}

} // namespace
} // namespace zentaro::widgets
