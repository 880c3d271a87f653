#include "ui/regression_window.h"

#include "ui/qt_text.h"

#include "shell/handler.h"
#include "shell/message_box.h"
#include "statistics/data_entry.h"
#include "statistics/regression.h"
#include "ui/window_setup.h"

namespace zentaro::ui {
namespace {

// Only the button shows until the first entry; then the list and the line too.
constexpr int kSmallHeightTwips = 1005;
constexpr int kFullHeightTwips = 4710;

} // namespace

RegressionWindow::RegressionWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(enterxycmd, this, &RegressionWindow::enterxycmd_Click);
    Form_Load();
}

void RegressionWindow::Form_Load()
{
    SetFormHeightTwips(this, kSmallHeightTwips);
}

void RegressionWindow::enterxycmd_Click()
{
    xyvaluestxt->clear();
    regnlbl->clear();
    const statistics::DataEntry entry =
        statistics::enterdata(statistics::EntryKind::Pairs, shell::InputCallback(this),
                              [this](std::string_view list) { xyvaluestxt->setPlainText(FromUtf8(list)); });
    regnlbl->setText(FromUtf8(statistics::regressioncaption(entry)));
    // Every outcome is shown, the redundant-data one included: on a first entry
    // the frame would otherwise still be hidden and the user would see nothing.
    SetFormHeightTwips(this, kFullHeightTwips);
    CentreVertically(this);
    xyvaluestxt->setVisible(true);
    Frame1->setVisible(true);
    regnlbl->setVisible(true);
}

} // namespace zentaro::ui
