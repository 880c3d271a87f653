#include "ui/physical_constants_window.h"

#include "constants/physical_constants.h"
#include "ui/window_setup.h"

namespace zentaro::ui {

PhysicalConstantsWindow::PhysicalConstantsWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    Form_Load();
}

// Four values come from the mathematical functions rather than fixed texts.
void PhysicalConstantsWindow::Form_Load()
{
    etext->setText(QString::fromStdString(constants::naturalbase()));
    pitext->setText(QString::fromStdString(constants::pi()));
    ln10text->setText(QString::fromStdString(constants::ln10()));
    Text17->setText(QString::fromStdString(constants::permeability()));
}

} // namespace zentaro::ui
