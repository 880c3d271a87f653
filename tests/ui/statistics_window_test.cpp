#include "ui/statistics_window.h"

#include "statistics/data_entry.h"
#include "support/window_test.h"
#include "widgets/window_setup.h"

#include <QGroupBox>

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
    // The list, mean|sum|sum of squares|SD|variance, and whether the window is large with list and frame shown.
    void expect(const QString& list, const char* results, bool shown)
    {
        EXPECT_EQ(text("xvaluestxt"), list);
        EXPECT_EQ(texts("xmeantxt sumxtxt sumxxtxt sdxtxt varxtxt"), results);
        EXPECT_EQ(window->height(), widgets::ClientSizeFromTwips(5925, shown ? 4590 : 1005).height());
        EXPECT_EQ(area("xvaluestxt")->isVisible() && testing::Find<QGroupBox>(window.get(), "Frame1")->isVisible(),
                  shown);
    }
};

TEST_F(StatisticsWindowTest, ListsTheValuesAndWritesThePopulationFigures)
{
    expect("", "||||", false);
    answer({});
    dialogs.runtimeError(6, "Overflow");
    click("enterxcmd");
    expect("", "||||", false);

    answer(QStringList(501, "1"), false);
    dialogs.runtimeError(9, "Subscript out of range");
    click("enterxcmd");
    expect(QString(" 1 ¤ ").repeated(500), "||||", false);

    answer({"2", "4", "4", "4", "5", "5", "7", "9"});
    click("enterxcmd");
    expect(" 2 ¤  4 ¤  4 ¤  4 ¤  5 ¤  5 ¤  7 ¤  9 ¤ ", "5|40|232|2|4", true);

    // Equal values whose variance rounds a hair below zero show none.
    answer({"0.7", "0.7", "0.7", "0.7", "0.7"});
    click("enterxcmd");
    expect(" .7 ¤  .7 ¤  .7 ¤  .7 ¤  .7 ¤ ", "0.7|3.5|2.45|0|0", true);

    // A failure later clears only the list; the window stays large.
    answer({});
    dialogs.runtimeError(6, "Overflow");
    click("enterxcmd");
    expect("", "0.7|3.5|2.45|0|0", true);
}

} // namespace
} // namespace zentaro::ui
