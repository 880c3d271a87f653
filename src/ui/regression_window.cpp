#include "ui/regression_window.h"

#include "widgets/qt_text.h"

#include "statistics/data_entry.h"
#include "statistics/regression.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/window_setup.h"

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
    widgets::ConnectClick(enterxycmd, this, &RegressionWindow::enterxycmd_Click);
    Form_Load();
}

void RegressionWindow::Form_Load()
{
    widgets::SetFormHeightTwips(this, kSmallHeightTwips);
}

void RegressionWindow::enterxycmd_Click()
{
    xyvaluestxt->clear();
    regnlbl->clear();
    const statistics::DataEntry entry =
        statistics::enterdata(statistics::EntryKind::Pairs, widgets::InputCallback(this),
                              [this](std::string_view list) { xyvaluestxt->setPlainText(widgets::FromUtf8(list)); });
    regnlbl->setText(widgets::FromUtf8(statistics::regressioncaption(entry)));
    // Every outcome is shown, the redundant-data one included: on a first entry
    // the frame would otherwise still be hidden and the user would see nothing.
    widgets::SetFormHeightTwips(this, kFullHeightTwips);
    widgets::CentreVertically(this);
    xyvaluestxt->setVisible(true);
    Frame1->setVisible(true);
    regnlbl->setVisible(true);
}

} // namespace zentaro::ui
