#include "ui/statistics_window.h"

#include "widgets/qt_text.h"

#include "conventions/numbers.h"
#include "statistics/data_entry.h"
#include "statistics/summary.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/symbol_glyphs.h"
#include "widgets/window_setup.h"

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
    Form_Load();
}

void StatisticsWindow::Form_Load()
{
    widgets::SetFormHeightTwips(this, kSmallHeightTwips);
}

void StatisticsWindow::enterxcmd_Click()
{
    xvaluestxt->clear();
    const statistics::DataEntry entry =
        statistics::enterdata(statistics::EntryKind::Values, widgets::InputCallback(this),
                              [this](std::string_view list) { xvaluestxt->setPlainText(widgets::FromUtf8(list)); });
    const statistics::Summary summary = statistics::summarize(entry.count(), entry.sx, entry.sxx);
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
