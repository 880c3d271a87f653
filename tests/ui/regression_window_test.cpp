#include "ui/regression_window.h"

#include "statistics/data_entry.h"
#include "support/window_test.h"
#include "widgets/window_setup.h"

#include <QGroupBox>

namespace zentaro::ui {
namespace {

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
    const QString heading = QStringLiteral("The values of x & y that were entered are:  ");
    const struct {
        std::vector<std::optional<QString>> replies;
        QString list, caption;
    } cases[] = {
        {{}, "", "Insufficient Data"},
        {{std::nullopt, "1", "000", "2", "2", "5"}, heading + " 0, 1 ¤  0, 2 ¤  2, 5 ¤ ", "y = ( 1.75)x +( 1.5)"},
        // Shown on a first entry too, not set in a frame that is still hidden.
        {{"1", "2", "1", "3"}, heading + " 1, 2 ¤  1, 3 ¤ ", "Redundant & Insufficient Data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        reopen();
        answer(c.replies);
        click("enterxycmd");
        expect(c.caption, c.list, true);
    }
}

// Both fields are emptied first; a run-time error leaves the list so far and the window's size.
TEST_F(RegressionWindowTest, CancelOnYStopsWithTypeMismatchAndKeepsTheListSoFar)
{
    answer({"1", "2", "3", std::nullopt}, false);
    dialogs.runtimeError(13, "Type mismatch");
    click("enterxycmd");
    expect("", " 1, 2 ¤ ", false);

    answer({"1", "1", "2", "3"});
    click("enterxycmd");
    answer({"5", "abc"}, false);
    dialogs.runtimeError(13, "Type mismatch");
    click("enterxycmd");
    expect("", "", true);
}

} // namespace
} // namespace zentaro::ui
