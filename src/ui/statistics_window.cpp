#include "ui/statistics_window.h"

#include "widgets/qt_text.h"

#include "conventions/numbers.h"
#include "statistics/data_entry.h"
#include "statistics/summary.h"
#include "widgets/handler.h"
#include "widgets/list_entry.h"
#include "widgets/pasted_text.h"
#include "widgets/symbol_glyphs.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

namespace zentaro::ui {
namespace {

// Only the button shows until the first entry; then the list and the results too.
constexpr int kSmallHeightTwips = 1005;
constexpr int kFullHeightTwips = 4590;

QString Plain(double x)
{
    return widgets::FromUtf8(FormatPlain(x));
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    // The sum labels are the letter S drawn as a capital sigma.
    Label2_0->setText(widgets::SymbolGlyphs(Label2_0->text()));
    Label2_1->setText(widgets::SymbolGlyphs(Label2_1->text()));
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(enterxcmd, this, &StatisticsWindow::enterxcmd_Click);
    widgets::AcceptPastedText(this, [this](std::string_view text) { pastedata(text); });
    widgets::WorkingLogOf(this)->setHint(QStringLiteral(
        "Press “Enter the values for x” and enter them, or paste them: the working shows their sums, the variance, SD "
        "and mean."));
    Form_Load();
}

void StatisticsWindow::Form_Load()
{
    widgets::SetFormHeightTwips(this, kSmallHeightTwips);
}

void StatisticsWindow::enterxcmd_Click()
{
    enter({});
}

void StatisticsWindow::pastedata(std::string_view text)
{
    if (auto replies = widgets::PastedReplies(this, statistics::EntryKind::Values, text))
        enter(std::move(*replies));
}

void StatisticsWindow::enter(std::vector<statistics::PastedReply> pasted)
{
    const Working working = widgets::RecordWorking(this);
    const statistics::DataEntry entry =
        widgets::EnterIntoList(this, xvaluestxt, statistics::EntryKind::Values, std::move(pasted), working);
    if (entry.abandoned())
        return;
    const statistics::Summary summary = statistics::summarize(entry.count(), entry.sx, entry.sxx, working);
    xmeantxt->setText(Plain(summary.mean));
    sumxtxt->setText(Plain(entry.sx));
    sumxxtxt->setText(Plain(entry.sxx));
    sdxtxt->setText(Plain(summary.sd));
    varxtxt->setText(Plain(summary.variance));
    widgets::SetFormHeightTwips(this, kFullHeightTwips);
    widgets::CentreVertically(this);
    xvaluestxt->setVisible(true);
    Frame1->setVisible(true);
}

} // namespace zentaro::ui
