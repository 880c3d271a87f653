#include "ui/statistics_window.h"

#include "statistics/data_entry.h"
#include "support/paste_and_drop.h"
#include "support/window_test.h"
#include "widgets/window_setup.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>

namespace zentaro::ui {
namespace {

class StatisticsWindowTest : public testing::WindowTest<StatisticsWindow> {
protected:
    // Announces one box per value (nullopt is Cancel) and then, when `finish`, one answered "00".
    void answer(const std::vector<std::optional<QString>>& values, bool finish = true)
    {
        for (std::size_t i = 0; i < values.size() + (finish ? 1 : 0); ++i)
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

    // Cancel ends the entry as "00" does, with the values so far (the first entry
    // enlarges the window); before the first value it changes nothing.
    answer({"1", "2", std::nullopt}, false);
    click("enterxcmd");
    expect(" 1 ¤  2 ¤ ", "1.5|3|5|0.5|0.25", true);
    answer({std::nullopt}, false);
    click("enterxcmd");
    expect(" 1 ¤  2 ¤ ", "1.5|3|5|0.5|0.25", true);

    // A failure later clears only the list; the window stays large.
    answer({});
    dialogs.runtimeError(6, "Overflow");
    click("enterxcmd");
    expect("", "1.5|3|5|0.5|0.25", true);
}

// Ctrl+V, the context-menu item and a dropped file give what typing the same
// values and "00" gives (the gallery's), the 500-value limit included; text without a number
// changes nothing.
TEST_F(StatisticsWindowTest, PastedOrDroppedValuesGiveWhatTypingThemGives)
{
    const QString typed = " 2 ¤  4 ¤  4 ¤  4 ¤  5 ¤  5 ¤  7 ¤  9 ¤ ";
    const QString column = "2\r\n4\r\n4\r\n4\r\n5\r\n5\r\n7\r\n9\r\n";
    testing::PasteWithCtrlV(window.get(), column);
    expect(typed, "5|40|232|2|4", true);
    QApplication::clipboard()->setText("3");
    testing::Find<QAction>(window.get(), "pastedata")->trigger();
    expect(" 3 ¤ ", "3|3|9|0|0", true);
    // The read-only list in focus leaves Ctrl+V to the window.
    area("xvaluestxt")->setFocus();
    testing::PasteWithCtrlV(window.get(), "2\t4 4;4\n5 5 7 9");
    expect(typed, "5|40|232|2|4", true);

    EXPECT_TRUE(testing::DropFile(window.get(), "column.csv", "1;2"));
    expect(" 1 ¤  2 ¤ ", "1.5|3|5|0.5|0.25", true);
    EXPECT_FALSE(testing::DropFile(window.get(), "picture.png", "3"));

    dialogs.message("No numbers found in the pasted text.");
    testing::PasteWithCtrlV(window.get(), "Mean\tSD");
    dialogs.runtimeError(9, "Subscript out of range");
    testing::PasteWithCtrlV(window.get(), QString("1\n").repeated(501));
    expect(QString(" 1 ¤ ").repeated(500), "1.5|3|5|0.5|0.25", true);
}

} // namespace
} // namespace zentaro::ui
