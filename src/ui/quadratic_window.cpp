#include "ui/quadratic_window.h"

#include "algebra/quadratic.h"
#include "conventions/numbers.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/qt_text.h"
#include "widgets/symbol_glyphs.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

namespace zentaro::ui {

QuadraticWindow::QuadraticWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(solvecmd, this, &QuadraticWindow::solvecmd_Click);
    widgets::ConnectClick(clearcmd, this, &QuadraticWindow::clearcmd_Click);
    widgets::WorkingLogOf(this)->setHint(QStringLiteral(
        "Type the coefficients and press “Solve the input equation”: the working shows the discriminant and how the "
        "roots are found."));
    Form_Load();
}

void QuadraticWindow::Form_Load()
{
    widgets::SetFormHeightTwips(this, kInputHeight);
}

void QuadraticWindow::solvecmd_Click()
{
    anstxt->clear();
    const double b = ParseNumber(widgets::ToUtf8(btxt->text()));
    const double c = ParseNumber(widgets::ToUtf8(ctxt->text()));
    const double d = ParseNumber(widgets::ToUtf8(dtxt->text()));
    if (!algebra::wholecoefficients(b, c, d))
        Option2->setChecked(true);

    const Working working = widgets::RecordWorking(this);
    const std::string_view refusal = algebra::notquadratic(b, c, working);
    if (!refusal.empty()) {
        widgets::MessageBox(this, widgets::FromUtf8(refusal));
        if (refusal != algebra::kLinearEquation) {
            clearcmd_Click();
            return;
        }
        // A linear equation is most likely a coefficient typed in the wrong
        // field: the person mends it rather than typing all three again.
        widgets::SetFormHeightTwips(this, kInputHeight);
        widgets::CentreVertically(this);
        btxt->setFocus(Qt::OtherFocusReason);
        btxt->selectAll();
        return;
    }
    anstxt->setText(widgets::SymbolGlyphs(algebra::quadroots(b, c, d, Option1->isChecked(), working)));
    // A long answer shows from its start, "α =", as a freshly written field does.
    anstxt->setCursorPosition(0);

    widgets::SetFormHeightTwips(this, kSolvedHeight);
    widgets::CentreVertically(this);
}

void QuadraticWindow::clearcmd_Click()
{
    widgets::SetFormHeightTwips(this, kInputHeight);
    btxt->clear();
    ctxt->clear();
    dtxt->clear();
    widgets::CentreVertically(this);
}

} // namespace zentaro::ui
