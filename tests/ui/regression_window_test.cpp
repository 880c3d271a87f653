#include "ui/regression_window.h"

#include "statistics/data_entry.h"
#include "support/window_test.h"
#include "ui/window_setup.h"

#include <QGroupBox>
#include <QLabel>

#include <optional>
#include <vector>

namespace zentaro::ui {
namespace {

const QString kTitle = QStringLiteral("Data Required");

QString XPrompt(int i)
{
    return QString::fromStdString(statistics::xprompt(i));
}

QString YPrompt(int i)
{
    return QString::fromStdString(statistics::yprompt(i));
}

// One pair of replies; nullopt is Cancel.
struct Pair {
    std::optional<QString> x;
    std::optional<QString> y;
};

class RegressionWindowTest : public testing::WindowTest<RegressionWindow> {
protected:
    // Announces the boxes for the pairs and, when `finish`, the closing "00".
    void answer(const std::vector<Pair>& pairs, bool finish = true)
    {
        int i = 0;
        for (const Pair& p : pairs) {
            ++i;
            dialogs.input(XPrompt(i), p.x, kTitle);
            dialogs.input(YPrompt(i), p.y, kTitle);
        }
        if (finish)
            dialogs.input(XPrompt(i + 1), QStringLiteral("00"), kTitle);
    }
    QString caption() { return testing::Find<QLabel>(window.get(), "regnlbl")->text(); }
    bool listShown() { return area("xyvaluestxt")->isVisible(); }
    bool frameShown() { return testing::Find<QGroupBox>(window.get(), "Frame1")->isVisible(); }
    int heightFor(int twips) { return ClientSizeFromTwips(5895, twips).height(); }
};

TEST_F(RegressionWindowTest, OpensWithOnlyTheButton)
{
    EXPECT_EQ(window->objectName(), "regrnfrm");
    EXPECT_EQ(window->windowTitle(), "Regression");
    EXPECT_EQ(window->height(), heightFor(1005));
    EXPECT_FALSE(listShown());
    EXPECT_FALSE(frameShown());
    EXPECT_EQ(caption(), "Enter the values for x & y first!");
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "enterxycmd")->text(), "Enter the values for x && y");
    EXPECT_EQ(testing::Find<QGroupBox>(window.get(), "Frame1")->title(), "Line of Regression");
    EXPECT_TRUE(area("xyvaluestxt")->isReadOnly());
    EXPECT_EQ(area("xyvaluestxt")->toolTip(), "These are the values that you entered for x & y");
}

TEST_F(RegressionWindowTest, EveryCompletedEntryShowsListAndCaptionInTheEnlargedWindow)
{
    const QString heading = QStringLiteral("The values of x & y that were entered are:  ");
    const struct {
        const char* name;
        std::vector<Pair> pairs;
        QString list;
        QString caption;
    } cases[] = {
        {"no pairs", {}, "", "Insufficient Data"},
        {"one pair", {{"4", "7"}}, heading + " 4, 7 ¤ ", "Insufficient Data"},
        {"on a line", {{"1", "2"}, {"2", "4"}, {"3", "6"}}, heading + " 1, 2 ¤  2, 4 ¤  3, 6 ¤ ", "y = ( 2)x +( 0)"},
        {"negative intercept", {{"1", "1"}, {"2", "3"}}, heading + " 1, 1 ¤  2, 3 ¤ ", "y = ( 2)x +(-1)"},
        {"slope a third", {{"0", "0"}, {"3", "1"}}, heading + " 0, 0 ¤  3, 1 ¤ ", "y = ( .33333)x +( 0)"},
        {"zero x texts are values",
         {{"0", "1"}, {" 00", "2"}, {"000", "3"}, {"1", "5"}},
         heading + " 0, 1 ¤  0, 2 ¤  0, 3 ¤  1, 5 ¤ ",
         "y = ( 3)x +( 2)"},
        {"cancel on x stores 0", {{std::nullopt, "1"}, {"2", "5"}}, heading + " 0, 1 ¤  2, 5 ¤ ", "y = ( 2)x +( 1)"},
        {"y of 00 is a number", {{"1", "00"}, {"2", "1"}}, heading + " 1, 0 ¤  2, 1 ¤ ", "y = ( 1)x +(-1)"},
        // Shown on a first entry too, not left behind a hidden frame.
        {"one x only", {{"1", "2"}, {"1", "3"}}, heading + " 1, 2 ¤  1, 3 ¤ ", "Redundant & Insufficient Data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        window = std::make_unique<RegressionWindow>();
        window->show();
        answer(c.pairs);
        click("enterxycmd");
        dialogs.checkDone();
        EXPECT_EQ(text("xyvaluestxt"), c.list);
        EXPECT_EQ(caption(), c.caption);
        EXPECT_EQ(window->height(), heightFor(4710));
        EXPECT_TRUE(listShown());
        EXPECT_TRUE(frameShown());
    }
}

TEST_F(RegressionWindowTest, CancelOnYStopsWithTypeMismatchAndKeepsTheListSoFar)
{
    answer({{"1", "2"}, {"3", std::nullopt}}, false);
    dialogs.runtimeError(13, "Type mismatch");
    click("enterxycmd");
    EXPECT_EQ(text("xyvaluestxt"), " 1, 2 ¤ ");
    EXPECT_EQ(caption(), "");
    EXPECT_EQ(window->height(), heightFor(1005));
    EXPECT_FALSE(listShown());
    EXPECT_FALSE(frameShown());
}

TEST_F(RegressionWindowTest, EachPressStartsAfreshAndTheWindowStaysLarge)
{
    answer({{"1", "1"}, {"2", "3"}});
    click("enterxycmd");
    ASSERT_EQ(caption(), "y = ( 2)x +(-1)");

    answer({{"5", "abc"}}, false);
    dialogs.runtimeError(13, "Type mismatch");
    click("enterxycmd");
    EXPECT_EQ(text("xyvaluestxt"), "");
    EXPECT_EQ(caption(), "");
    EXPECT_EQ(window->height(), heightFor(4710));
    EXPECT_TRUE(frameShown());

    answer({});
    click("enterxycmd");
    EXPECT_EQ(text("xyvaluestxt"), "");
    EXPECT_EQ(caption(), "Insufficient Data");
}

} // namespace
} // namespace zentaro::ui
