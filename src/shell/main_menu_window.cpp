#include "shell/main_menu_window.h"

#include "shell/calculator_catalogue.h"
#include "shell/window_registry.h"
#include "widgets/handler.h"
#include "widgets/window_setup.h"

#include <QCloseEvent>
#include <QPushButton>

namespace zentaro::shell {

MainMenuWindow::MainMenuWindow(WindowRegistry& registry, QWidget* parent) : QWidget(parent), registry_(registry)
{
    setupUi(this);
    widgets::MakeDialogWindow(this);
    // Each button shows its calculator.
    for (const CalculatorEntry& entry : Calculators()) {
        auto* button = findChild<QPushButton*>(entry.button);
        if (button == nullptr)
            continue;
        const QString formName = entry.formName;
        connect(button, &QPushButton::clicked, this,
                [this, formName] { widgets::RunHandler(this, [&] { registry_.show(formName); }); });
    }
}

void MainMenuWindow::closeEvent(QCloseEvent* event)
{
    widgets::RunHandler(this, [this] { Form_Unload(); });
    event->accept();
}

void MainMenuWindow::Form_Unload()
{
    registry_.show(QStringLiteral("startupfrm"));
}

} // namespace zentaro::shell
