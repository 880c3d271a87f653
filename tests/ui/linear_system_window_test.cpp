#include "ui/linear_system_window.h"

#include "support/window_test.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace zentaro::ui {
namespace {

class LinearSystemWindowTest : public testing::WindowTest<LinearSystemWindow> {
protected:
    QString caption(const char* name) { return testing::Find<QLabel>(window.get(), name)->text(); }
    // One equation per row: its fields' letters, the row number appended.
    void fill(const char* letters, const std::vector<std::vector<const char*>>& rows)
    {
        for (std::size_t row = 0; row < rows.size(); ++row) {
            for (std::size_t k = 0; k < rows[row].size(); ++k) {
                const QByteArray name = QByteArray(1, letters[k]) + QByteArray::number(static_cast<int>(row) + 1);
                type(name.constData(), QString::fromUtf8(rows[row][k]));
            }
        }
    }
};

TEST_F(LinearSystemWindowTest, ControlsAsDefined)
{
    EXPECT_EQ(window->objectName(), "eqsolvefrm");
    EXPECT_EQ(window->windowTitle(), "Simlutaneous Equations Solver");
    const struct {
        const char *name, *text;
    } labels[] = {
        {"xyans", "x=; y="}, {"xyzans", "x=; y=; z="}, {"xyzuans", "x=; y=; z=; u="},
        {"Label1", "x + "},  {"Label4", "y ="},        {"Label8", "x +"},
        {"Label11", "y +"},  {"Label14", "z ="},       {"Label25", "z +"},
        {"Label31", "u ="},
    };
    for (const auto& l : labels) {
        SCOPED_TRACE(l.name);
        EXPECT_EQ(caption(l.name), l.text);
    }
    const struct {
        const char *name, *tip;
    } tips[] = {
        {"computexy", "Click here to compute the unique solution for the above equations"},
        {"computexyzu", "Click here to compute the unique solution for the above equations"},
        {"r2", "Coefficient of z"},
        {"c4", "Coefficient of z"},
        {"d1", "Coefficient of u"},
        {"x1", ""},
    };
    for (const auto& t : tips) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(window->findChild<QWidget*>(t.name)->toolTip(), t.tip);
    }
    EXPECT_EQ(testing::Find<QGroupBox>(window.get(), "Frame3")->title(), "x, y, z, u - 4 variables");
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "computexyz")->text(), "Compute x, y, z");
}

TEST_F(LinearSystemWindowTest, SolvesEachSizeIntoItsOwnLabel)
{
    const struct {
        const char *letters, *button, *answer;
        std::vector<std::vector<const char*>> rows;
        const char* shown;
    } cases[] = {
        {"xyz", "computexy", "xyans", {{"1", "1", "3"}, {"1", "-1", "1"}}, "x = 2; y = 1"},
        {"xyz", "computexy", "xyans", {{"1", "2", "3"}, {"2", "4", "6"}}, "No Unique Solution"},
        {"xyz", "computexy", "xyans", {{"3", "", "1"}, {"", "1", "1"}}, "x = .333333333333333; y = 1"},
        {"xyz", "computexy", "xyans", {{"", "", ""}, {"", "", ""}}, "No Unique Solution"},
        {"pqrs",
         "computexyz",
         "xyzans",
         {{"1", "1", "1", "6"}, {"1", "-1", "1", "2"}, {"2", "1", "-1", "1"}},
         "x= 1; y= 2; z= 3"},
        {"pqrs",
         "computexyz",
         "xyzans",
         {{"1", "4", "7", "1"}, {"2", "5", "8", "1"}, {"3", "6", "9", "1"}},
         "No Unique Solution"},
        {"pqrs",
         "computexyz",
         "xyzans",
         {{"0", "1", "0", "7"}, {"0", "0", "1", "8"}, {"1", "0", "0", "9"}},
         "x= 9; y= 7; z= 8"},
        {"abcde",
         "computexyzu",
         "xyzuans",
         {{"1", "1", "1", "1", "10"},
          {"1", "-1", "1", "-1", "-2"},
          {"2", "1", "-1", "1", "5"},
          {"1", "2", "3", "-1", "10"}},
         "x= 1; y= 2; z= 3; u= 4"},
        {"abcde",
         "computexyzu",
         "xyzuans",
         {{"2", "", "", "", "1"}, {"", "4", "", "", "1"}, {"", "", "-1", "", "1"}, {"", "", "", "8", "1"}},
         "x= .5; y= .25; z=-1; u= .125"},
        {"abcde",
         "computexyzu",
         "xyzuans",
         {{"", "", "", "", ""}, {"", "", "", "", ""}, {"", "", "", "", ""}, {"", "", "", "", ""}},
         "No Unique Solution"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        fill(c.letters, c.rows);
        click(c.button);
        EXPECT_EQ(caption(c.answer), c.shown);
    }
}

TEST_F(LinearSystemWindowTest, OverflowLeavesTheLabelEmpty)
{
    const struct {
        const char *letters, *button, *answer;
        std::vector<std::vector<const char*>> rows;
    } cases[] = {
        {"xyz", "computexy", "xyans", {{"1e-300", "0", "1e10"}, {"0", "1", "0"}}},
        {"pqrs", "computexyz", "xyzans", {{"1e999", "", "", ""}, {"", "", "", ""}, {"", "", "", ""}}},
        {"abcde",
         "computexyzu",
         "xyzuans",
         {{"1e200", "", "", "", ""}, {"", "1e200", "", "", ""}, {"", "", "1", "", ""}, {"", "", "", "1", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        ASSERT_FALSE(caption(c.answer).isEmpty());
        fill(c.letters, c.rows);
        dialogs.runtimeError(6, "Overflow");
        click(c.button);
        EXPECT_EQ(caption(c.answer), "");
    }
}

} // namespace
} // namespace zentaro::ui
