#include "ui/regression_window.h"

#include "statistics/data_entry.h"
#include "support/paste_and_drop.h"
#include "support/window_test.h"
#include "widgets/window_setup.h"

#include <QGroupBox>

namespace zentaro::ui {
namespace {

const QString kHeading = QStringLiteral("The values of x & y that were entered are:  ");

class RegressionWindowTest : public testing::WindowTest<RegressionWindow> {
protected:
    // Announces x and y boxes for the replies (nullopt is Cancel), then, when `finish`, an x box answered "00".
    void answer(const std::vector<std::optional<QString>>& replies, bool finish = true)
    {
        for (std::size_t k = 0; k < replies.size() + (finish ? 1 : 0); ++k) {
            const int i = static_cast<int>(k / 2) + 1;
            dialogs.input(QString::fromStdString(k % 2 == 0 ? statistics::xprompt(i) : statistics::yprompt(i)),
                          k < replies.size() ? replies[k] : QStringLiteral("00"), "Data Required");
        }
    }
    // Caption, list, and whether the window is large with list and frame shown.
    void expect(const QString& caption, const QString& list, bool shown)
    {
        EXPECT_EQ(text("regnlbl"), caption);
        EXPECT_EQ(text("xyvaluestxt"), list);
        EXPECT_EQ(window->height(), widgets::ClientSizeFromTwips(5895, shown ? 4710 : 1005).height());
        EXPECT_EQ(area("xyvaluestxt")->isVisible() && testing::Find<QGroupBox>(window.get(), "Frame1")->isVisible(),
                  shown);
    }
};

TEST_F(RegressionWindowTest, ShowsEveryOutcomeOfAFirstEntryInTheEnlargedWindow)
{
    expect("Enter the values for x & y first!", "", false);
    const struct {
        std::vector<std::optional<QString>> replies;
        QString list, caption;
    } cases[] = {
        {{}, "", "Insufficient Data"},
        {{"abc", "1", "000", "2", "2", "5"}, kHeading + " 0, 1 ¤  0, 2 ¤  2, 5 ¤ ", "y = ( 1.75)x +( 1.5)"},
        // Shown on a first entry too, not set in a frame that is still hidden.
        {{"1", "2", "1", "3"}, kHeading + " 1, 2 ¤  1, 3 ¤ ", "Redundant & Insufficient Data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        reopen();
        answer(c.replies);
        click("enterxycmd");
        expect(c.caption, c.list, true);
    }
}

// Cancel ends the entry as "00" does, keeping every complete pair; before the
// first pair it leaves the window as it was. A y that is not a number is asked
// again. A run-time error leaves the list so far and the window's size.
TEST_F(RegressionWindowTest, CancelKeepsThePairsAndAYTypoIsAskedAgain)
{
    answer({std::nullopt}, false);
    click("enterxycmd");
    expect("Enter the values for x & y first!", "", false);

    answer({"1", "1", "2", "3", "4", std::nullopt}, false);
    click("enterxycmd");
    expect("y = ( 2)x +(-1)", kHeading + " 1, 1 ¤  2, 3 ¤ ", true);

    answer({"5", std::nullopt}, false);
    click("enterxycmd");
    expect("y = ( 2)x +(-1)", kHeading + " 1, 1 ¤  2, 3 ¤ ", true);

    answer({"1", "2", "3", "4,5"}, false);
    const QString y2 = QString::fromStdString(statistics::yprompt(2));
    dialogs.message("Please enter a number!").input(y2, " ", "Data Required").message("Please enter a number!");
    dialogs.input(y2, "4", "Data Required")
        .input(QString::fromStdString(statistics::xprompt(3)), std::nullopt, "Data Required");
    click("enterxycmd");
    expect("y = ( 1)x +( 1)", kHeading + " 1, 2 ¤  3, 4 ¤ ", true);

    answer({"1", "1e400"}, false);
    dialogs.runtimeError(6, "Overflow");
    click("enterxycmd");
    expect("", "", true);
}

// Two spreadsheet columns, pasted or dropped, give what typing the pairs gives;
// a line without its y stops as Cancel on the y prompt does.
TEST_F(RegressionWindowTest, PastedOrDroppedPairsGiveWhatTypingThemGives)
{
    testing::PasteWithCtrlV(window.get(), "1\t2\r\n2;4\n3  6\n");
    expect("y = ( 2)x +( 0)", kHeading + " 1, 2 ¤  2, 4 ¤  3, 6 ¤ ", true);
    EXPECT_TRUE(testing::DropFile(window.get(), "pairs.TSV", "1\t1\n2\t3\n"));
    expect("y = ( 2)x +(-1)", kHeading + " 1, 1 ¤  2, 3 ¤ ", true);
    // A missing y is an empty reply, which ends the entry as Cancel does, keeping the complete pairs.
    testing::PasteWithCtrlV(window.get(), "5\t7\n6\n");
    expect("Insufficient Data", kHeading + " 5, 7 ¤ ", true);
}

} // namespace
} // namespace zentaro::ui
