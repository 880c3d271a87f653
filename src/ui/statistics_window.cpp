#include "ui/statistics_window.h"

#include "ui/qt_text.h"

#include "conventions/numbers.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "statistics/data_entry.h"
#include "statistics/summary.h"
#include "ui/symbol_glyphs.h"
#include "ui/window_setup.h"

namespace zentaro::ui {
namespace {

// Only the button shows until the first entry; then the list and the results too.
constexpr int kSmallHeightTwips = 1005;
constexpr int kFullHeightTwips = 4590;

QString Plain(double x)
{
    return QString::fromStdString(FormatPlain(x));
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    // The sum labels are the letter S drawn as a capital sigma.
    Label2_0->setText(SymbolGlyphs(Label2_0->text()));
    Label2_1->setText(SymbolGlyphs(Label2_1->text()));
    MakeCalculatorWindow(this);
    shell::ConnectClick(enterxcmd, this, &StatisticsWindow::enterxcmd_Click);
    Form_Load();
}

void StatisticsWindow::Form_Load()
{
    SetFormHeightTwips(this, kSmallHeightTwips);
}

void StatisticsWindow::enterxcmd_Click()
{
    xvaluestxt->clear();
    const statistics::DataEntry entry =
        statistics::enterdata(statistics::EntryKind::Values, shell::InputCallback(this),
                              [this](std::string_view list) { xvaluestxt->setPlainText(FromUtf8(list)); });
    const statistics::Summary summary = statistics::summarize(entry.count(), entry.sx, entry.sxx);
    xmeantxt->setText(Plain(summary.mean));
    sumxtxt->setText(Plain(entry.sx));
    sumxxtxt->setText(Plain(entry.sxx));
    sdxtxt->setText(Plain(summary.sd));
    varxtxt->setText(Plain(summary.variance));
    SetFormHeightTwips(this, kFullHeightTwips);
    CentreVertically(this);
    xvaluestxt->setVisible(true);
    Frame1->setVisible(true);
}

} // namespace zentaro::ui
