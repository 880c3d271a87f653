#include "ui/physical_constants_window.h"

#include "constants/physical_constants.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"

namespace zentaro::ui {

PhysicalConstantsWindow::PhysicalConstantsWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    Form_Load();
}

// Four values come from the mathematical functions rather than fixed texts.
void PhysicalConstantsWindow::Form_Load()
{
    etext->setText(widgets::FromUtf8(constants::naturalbase()));
    pitext->setText(widgets::FromUtf8(constants::pi()));
    ln10text->setText(widgets::FromUtf8(constants::ln10()));
    Text17->setText(widgets::FromUtf8(constants::permeability()));
}

} // namespace zentaro::ui
