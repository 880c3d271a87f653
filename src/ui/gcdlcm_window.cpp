#include "ui/gcdlcm_window.h"

#include "conventions/numbers.h"
#include "numbers/gcd_lcm.h"
#include "shell/handler.h"
#include "ui/window_setup.h"

namespace zentaro::ui {
namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

using namespace numbers::gcdlcm;

GcdLcmWindow::GcdLcmWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(comp, this, &GcdLcmWindow::comp_Click);
    shell::ConnectClick(factorize, this, &GcdLcmWindow::factorize_Click);
    shell::ConnectClick(primfact, this, &GcdLcmWindow::primfact_Click);
}

void GcdLcmWindow::comp_Click()
{
    const double a = ParseNumber(atxt->text().toStdString());
    const double b = ParseNumber(btxt->text().toStdString());
    const double g = gcd(a, b);
    gcdab->setText(Text(FormatPlain(g)));
    lcmab->setText(Text(FormatPlain(lcm(a, b, g))));
}

void GcdLcmWindow::factorize_Click()
{
    afactors->setText(Text(kListStart));
    const double a = ParseNumber(numfacttxt->text().toStdString());
    afactors->setText(Text(factorlist(a)));
    // A long list shows from its start, not its end.
    afactors->home(false);
}

void GcdLcmWindow::primfact_Click()
{
    aprimfactors->setText(Text(kListStart));
    const double a = ParseNumber(numprimfacttxt->text().toStdString());
    aprimfactors->setText(Text(primefactors(a)));
    aprimfactors->home(false);
}

} // namespace zentaro::ui
