#include "ui/gcd_lcm_window.h"

#include "conventions/numbers.h"
#include "numbers/gcd_lcm.h"
#include "widgets/handler.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

namespace zentaro::ui {

using namespace numbers::gcdlcm;

GcdLcmWindow::GcdLcmWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(comp, this, &GcdLcmWindow::comp_Click);
    widgets::ConnectClick(factorize, this, &GcdLcmWindow::factorize_Click);
    widgets::ConnectClick(primfact, this, &GcdLcmWindow::primfact_Click);
    widgets::WorkingLogOf(this)->setHint(QStringLiteral(
        "Type a and b and press Compute, or a number and press the Compute or Prime Factorize beside it: "
        "the working of that answer shows here."));
}

void GcdLcmWindow::comp_Click()
{
    const double a = ParseNumber(widgets::ToUtf8(atxt->text()));
    const double b = ParseNumber(widgets::ToUtf8(btxt->text()));
    const Working working = widgets::RecordWorking(this);
    const double g = gcd(a, b, working);
    gcdab->setText(widgets::FromUtf8(FormatPlain(g)));
    lcmab->setText(widgets::FromUtf8(FormatPlain(lcm(a, b, g, working))));
}

void GcdLcmWindow::factorize_Click()
{
    afactors->setText(widgets::FromUtf8(kListStart));
    const double a = ParseNumber(widgets::ToUtf8(numfacttxt->text()));
    afactors->setText(widgets::FromUtf8(factorlist(a, widgets::RecordWorking(this))));
    // A long list shows from its start, not its end.
    afactors->home(false);
}

void GcdLcmWindow::primfact_Click()
{
    aprimfactors->setText(widgets::FromUtf8(kListStart));
    const double a = ParseNumber(widgets::ToUtf8(numprimfacttxt->text()));
    aprimfactors->setText(widgets::FromUtf8(primefactors(a, widgets::RecordWorking(this))));
    aprimfactors->home(false);
}

} // namespace zentaro::ui
