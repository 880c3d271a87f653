#include "ui/statistics_window.h"

#include "statistics/data_entry.h"
#include "support/window_test.h"
#include "ui/window_setup.h"

#include <QGroupBox>
#include <QLabel>

namespace zentaro::ui {
namespace {

class StatisticsWindowTest : public testing::WindowTest<StatisticsWindow> {
protected:
    // Announces one box per value and then, when `finish`, one answered "00".
    void answer(const QStringList& values, bool finish = true)
    {
        for (qsizetype i = 0; i < values.size() + (finish ? 1 : 0); ++i)
            dialogs.input(QString::fromStdString(statistics::xprompt(static_cast<int>(i) + 1)),
                          i < values.size() ? values[i] : QStringLiteral("00"), "Data Required");
    }
    // The list, the five results (mean, sum, sum of squares, SD, variance) and whether the window is large.
    void expect(const QString& list, const QStringList& results, bool shown)
    {
        EXPECT_EQ(text("xvaluestxt"), list);
        EXPECT_EQ(QStringList({text("xmeantxt"), text("sumxtxt"), text("sumxxtxt"), text("sdxtxt"), text("varxtxt")}),
                  results);
        EXPECT_EQ(window->height(), ClientSizeFromTwips(5925, shown ? 4590 : 1005).height());
        EXPECT_EQ(area("xvaluestxt")->isVisible() && testing::Find<QGroupBox>(window.get(), "Frame1")->isVisible(),
                  shown);
    }
};

TEST_F(StatisticsWindowTest, ListsTheValuesAndWritesThePopulationFigures)
{
    EXPECT_EQ(testing::Find<QLabel>(window.get(), "Label2_0")->text() +
                  testing::Find<QLabel>(window.get(), "Label3_1")->text(),
              "Σx² =");
    const QStringList none(5, QString());
    expect("", none, false);
    answer({});
    dialogs.runtimeError(6, "Overflow");
    click("enterxcmd");
    expect("", none, false);

    answer(QStringList(501, "1"), false);
    dialogs.runtimeError(9, "Subscript out of range");
    click("enterxcmd");
    expect(QString(" 1 ¤ ").repeated(500), none, false);

    answer({"2", "4", "4", "4", "5", "5", "7", "9"});
    click("enterxcmd");
    expect(" 2 ¤  4 ¤  4 ¤  4 ¤  5 ¤  5 ¤  7 ¤  9 ¤ ", {"5", "40", "232", "2", "4"}, true);

    // Equal values whose variance rounds a hair below zero show none.
    answer({"0.7", "0.7", "0.7", "0.7", "0.7"});
    click("enterxcmd");
    expect(" .7 ¤  .7 ¤  .7 ¤  .7 ¤  .7 ¤ ", {"0.7", "3.5", "2.45", "0", "0"}, true);

    // A failure later clears only the list; the window stays large.
    answer({});
    dialogs.runtimeError(6, "Overflow");
    click("enterxcmd");
    expect("", {"0.7", "3.5", "2.45", "0", "0"}, true);
}

} // namespace
} // namespace zentaro::ui
