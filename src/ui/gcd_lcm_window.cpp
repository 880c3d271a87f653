#include "ui/gcd_lcm_window.h"

#include "conventions/numbers.h"
#include "numbers/gcd_lcm.h"
#include "widgets/handler.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"

namespace zentaro::ui {
namespace {

} // namespace

using namespace numbers::gcdlcm;

GcdLcmWindow::GcdLcmWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(comp, this, &GcdLcmWindow::comp_Click);
    widgets::ConnectClick(factorize, this, &GcdLcmWindow::factorize_Click);
    widgets::ConnectClick(primfact, this, &GcdLcmWindow::primfact_Click);
}

void GcdLcmWindow::comp_Click()
{
    const double a = ParseNumber(widgets::ToUtf8(atxt->text()));
    const double b = ParseNumber(widgets::ToUtf8(btxt->text()));
    const double g = gcd(a, b);
    gcdab->setText(widgets::FromUtf8(FormatPlain(g)));
    lcmab->setText(widgets::FromUtf8(FormatPlain(lcm(a, b, g))));
}

void GcdLcmWindow::factorize_Click()
{
    afactors->setText(widgets::FromUtf8(kListStart));
    const double a = ParseNumber(widgets::ToUtf8(numfacttxt->text()));
    afactors->setText(widgets::FromUtf8(factorlist(a)));
    // A long list shows from its start, not its end.
    afactors->home(false);
}

void GcdLcmWindow::primfact_Click()
{
    aprimfactors->setText(widgets::FromUtf8(kListStart));
    const double a = ParseNumber(widgets::ToUtf8(numprimfacttxt->text()));
    aprimfactors->setText(widgets::FromUtf8(primefactors(a)));
    aprimfactors->home(false);
}

} // namespace zentaro::ui
