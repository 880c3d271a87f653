#include "ui/statistics_window.h"

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

class StatisticsWindowTest : public testing::WindowTest<StatisticsWindow> {
protected:
    // Announces one input box per value (nullopt is Cancel) and, when `finish`, the closing "00".
    void answer(const std::vector<std::optional<QString>>& values, bool finish = true)
    {
        int i = 0;
        for (const auto& value : values)
            dialogs.input(XPrompt(++i), value, kTitle);
        if (finish)
            dialogs.input(XPrompt(i + 1), QStringLiteral("00"), kTitle);
    }
    QStringList results()
    {
        return {text("xmeantxt"), text("sumxtxt"), text("sumxxtxt"), text("sdxtxt"), text("varxtxt")};
    }
    QString label(const char* name) { return testing::Find<QLabel>(window.get(), name)->text(); }
    bool shown() { return area("xvaluestxt")->isVisible() && testing::Find<QGroupBox>(window.get(), "Frame1")->isVisible(); }
    int heightFor(int twips) { return ClientSizeFromTwips(5925, twips).height(); }
};

TEST_F(StatisticsWindowTest, OpensWithOnlyTheButton)
{
    EXPECT_EQ(window->objectName(), "statisticsfrm");
    EXPECT_EQ(window->windowTitle(), "Statistics");
    EXPECT_EQ(window->height(), heightFor(1005));
    EXPECT_FALSE(area("xvaluestxt")->isVisibleTo(window.get()));
    EXPECT_FALSE(testing::Find<QGroupBox>(window.get(), "Frame1")->isVisibleTo(window.get()));
    EXPECT_EQ(testing::Find<QPushButton>(window.get(), "enterxcmd")->text(), "Enter the values for x");
    const QStringList labels = {label("Label1"),   label("Label2_0"), label("Label3_0"), label("Label2_1"),
                                label("Label3_1"), label("Label3_2"), label("Label3_3")};
    const QStringList expected = {"Mean (x) =", "Σ", "x =", "Σ", "x² =", "SD (x) =", "Variance (x) ="};
    EXPECT_EQ(labels, expected);
    for (const char* name : {"xmeantxt", "sumxtxt", "sumxxtxt", "sdxtxt", "varxtxt"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(field(name)->isReadOnly());
        EXPECT_EQ(text(name), "");
    }
}

TEST_F(StatisticsWindowTest, ListsTheValuesAndWritesThePopulationFigures)
{
    const struct {
        const char* name;
        std::vector<std::optional<QString>> values;
        QString list;
        QStringList results; // mean, sum, sum of squares, SD, variance
    } cases[] = {
        {"eight values",
         {"2", "4", "4", "4", "5", "5", "7", "9"},
         " 2 ¤  4 ¤  4 ¤  4 ¤  5 ¤  5 ¤  7 ¤  9 ¤ ",
         {"5", "40", "232", "2", "4"}},
        {"one and two", {"1", "2"}, " 1 ¤  2 ¤ ", {"1.5", "3", "5", "0.5", "0.25"}},
        {"a single value", {"3"}, " 3 ¤ ", {"3", "3", "9", "0", "0"}},
        {"cancel stores 0", {std::nullopt, "4"}, " 0 ¤  4 ¤ ", {"2", "4", "16", "2", "4"}},
        {"texts that are zero", {"0", "000", " 00", "abc"}, " 0 ¤  0 ¤  0 ¤  0 ¤ ", {"0", "0", "0", "0", "0"}},
        {"negative and fractional", {"-1.5", ".5"}, "-1.5 ¤  .5 ¤ ", {"-0.5", "-1", "2.5", "1", "1"}},
        // Their variance rounds a hair below zero; it is shown as none.
        {"equal values",
         {"0.7", "0.7", "0.7", "0.7", "0.7"},
         " .7 ¤  .7 ¤  .7 ¤  .7 ¤  .7 ¤ ",
         {"0.7", "3.5", "2.45", "0", "0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        window = std::make_unique<StatisticsWindow>();
        window->show();
        answer(c.values);
        click("enterxcmd");
        dialogs.checkDone();
        EXPECT_EQ(text("xvaluestxt"), c.list);
        EXPECT_EQ(results(), c.results);
        EXPECT_EQ(window->height(), heightFor(4590));
        EXPECT_TRUE(shown());
    }
}

TEST_F(StatisticsWindowTest, NoValuesIsAnOverflowBeforeAnyResult)
{
    answer({});
    dialogs.runtimeError(6, "Overflow");
    click("enterxcmd");
    EXPECT_EQ(results(), QStringList(5, QString()));
    EXPECT_EQ(window->height(), heightFor(1005));
    EXPECT_FALSE(area("xvaluestxt")->isVisibleTo(window.get()));

    // After a completed entry the old results stay; only the list is cleared.
    answer({"1", "2"});
    click("enterxcmd");
    answer({});
    dialogs.runtimeError(6, "Overflow");
    click("enterxcmd");
    EXPECT_EQ(text("xvaluestxt"), "");
    EXPECT_EQ(results(), QStringList({"1.5", "3", "5", "0.5", "0.25"}));
    EXPECT_EQ(window->height(), heightFor(4590));
}

TEST_F(StatisticsWindowTest, A501stValueIsOutOfRange)
{
    answer(std::vector<std::optional<QString>>(501, QStringLiteral("1")), false);
    dialogs.runtimeError(9, "Subscript out of range");
    click("enterxcmd");
    EXPECT_EQ(text("xvaluestxt"), QString(" 1 ¤ ").repeated(500));
    EXPECT_EQ(results(), QStringList(5, QString()));
    EXPECT_EQ(window->height(), heightFor(1005));
}

TEST_F(StatisticsWindowTest, FiveHundredValuesEndWithTheExactReply)
{
    answer(std::vector<std::optional<QString>>(500, QStringLiteral("2")));
    click("enterxcmd");
    EXPECT_EQ(results(), QStringList({"2", "1000", "2000", "0", "0"}));
}

} // namespace
} // namespace zentaro::ui
