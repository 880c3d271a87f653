#include "ui/quadratic_window.h"

#include "algebra/quadratic.h"
#include "conventions/numbers.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "ui/symbol_glyphs.h"
#include "ui/window_setup.h"

namespace zentaro::ui {

QuadraticWindow::QuadraticWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(solvecmd, this, &QuadraticWindow::solvecmd_Click);
    shell::ConnectClick(clearcmd, this, &QuadraticWindow::clearcmd_Click);
    Form_Load();
}

void QuadraticWindow::Form_Load()
{
    SetFormHeightTwips(this, kInputHeight);
}

void QuadraticWindow::solvecmd_Click()
{
    anstxt->clear();
    const double b = ParseNumber(btxt->text().toStdString());
    const double c = ParseNumber(ctxt->text().toStdString());
    const double d = ParseNumber(dtxt->text().toStdString());
    if (!algebra::wholecoefficients(b, c, d))
        Option2->setChecked(true);

    const std::string_view refusal = algebra::notquadratic(b, c);
    if (!refusal.empty()) {
        shell::MessageBox(this, QString::fromUtf8(refusal.data(), static_cast<qsizetype>(refusal.size())));
        clearcmd_Click();
        return;
    }
    anstxt->setText(SymbolGlyphs(algebra::quadroots(b, c, d, Option1->isChecked())));
    // A long answer shows from its start, "α =", as a freshly written field does.
    anstxt->setCursorPosition(0);

    SetFormHeightTwips(this, kSolvedHeight);
    CentreVertically(this);
}

void QuadraticWindow::clearcmd_Click()
{
    SetFormHeightTwips(this, kInputHeight);
    btxt->clear();
    ctxt->clear();
    dtxt->clear();
    CentreVertically(this);
}

} // namespace zentaro::ui
