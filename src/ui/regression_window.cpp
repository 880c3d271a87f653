#include "ui/regression_window.h"

#include "widgets/qt_text.h"

#include "statistics/data_entry.h"
#include "statistics/regression.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
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
    std::vector<statistics::PastedReply> replies = statistics::pastedreplies(statistics::EntryKind::Pairs, text);
    if (replies.empty()) {
        widgets::MessageBox(this, widgets::FromUtf8(statistics::kNoNumbersPasted));
        return;
    }
    enter(std::move(replies));
}

void RegressionWindow::enter(std::vector<statistics::PastedReply> pasted)
{
    const QString earlierList = xyvaluestxt->toPlainText();
    const QString earlierCaption = regnlbl->text();
    xyvaluestxt->clear();
    regnlbl->clear();
    const Working working = widgets::RecordWorking(this);
    statistics::DataEntry entry;
    {
        widgets::EntryListField list(xyvaluestxt);
        entry = statistics::enterdata(
            statistics::EntryKind::Pairs,
            statistics::answerpasted(std::move(pasted), list.beforeAsking(widgets::InputCallback(this))),
            widgets::MessageCallback(this), list.show(), working);
    }
    // Cancel before the first pair asked for nothing: the window stays as it was.
    if (entry.abandoned()) {
        xyvaluestxt->setPlainText(earlierList);
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
