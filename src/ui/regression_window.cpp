#include "ui/regression_window.h"

#include "widgets/qt_text.h"

#include "statistics/data_entry.h"
#include "statistics/regression.h"
#include "widgets/handler.h"
#include "widgets/list_entry.h"
#include "widgets/pasted_text.h"
#include "widgets/window_setup.h"
#include "widgets/window_text.h"
#include "widgets/working_log.h"

namespace zentaro::ui {
namespace {

// Only the button shows until the first entry; then the list and the line too.
constexpr int kSmallHeightTwips = 1005;
constexpr int kFullHeightTwips = 4710;

} // namespace

RegressionWindow::RegressionWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::MakeAnswersSelectable(this, {regnlbl});
    widgets::ConnectClick(enterxycmd, this, &RegressionWindow::enterxycmd_Click);
    widgets::AcceptPastedText(this, [this](std::string_view text) { pastedata(text); });
    widgets::WorkingLogOf(this)->setHint(QStringLiteral("Press “Enter the values for x & y” and enter the pairs, or "
                                                        "paste them: the working shows their sums and the line."));
    Form_Load();
}

void RegressionWindow::Form_Load()
{
    widgets::SetFormHeightTwips(this, kSmallHeightTwips);
}

void RegressionWindow::enterxycmd_Click()
{
    enter({});
}

void RegressionWindow::pastedata(std::string_view text)
{
    if (auto replies = widgets::PastedReplies(this, statistics::EntryKind::Pairs, text))
        enter(std::move(*replies));
}

void RegressionWindow::enter(std::vector<statistics::PastedReply> pasted)
{
    const QString earlierCaption = regnlbl->text();
    regnlbl->clear();
    const Working working = widgets::RecordWorking(this);
    const statistics::DataEntry entry =
        widgets::EnterIntoList(this, xyvaluestxt, statistics::EntryKind::Pairs, std::move(pasted), working);
    if (entry.abandoned()) {
        regnlbl->setText(earlierCaption);
        return;
    }
    regnlbl->setText(widgets::FromUtf8(statistics::regressioncaption(entry, working)));
    // Every outcome is shown, the redundant-data one included: on a first entry
    // the frame would otherwise still be hidden and the user would see nothing.
    widgets::SetFormHeightTwips(this, kFullHeightTwips);
    widgets::CentreVertically(this);
    xyvaluestxt->setVisible(true);
    Frame1->setVisible(true);
    regnlbl->setVisible(true);
}

} // namespace zentaro::ui
