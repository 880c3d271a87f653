#include "shell/application.h"

#include "shell/about_window.h"
#include "shell/calculator_catalogue.h"
#include "shell/help_window.h"
#include "shell/main_menu_window.h"
#include "shell/startup_window.h"
#include "shell/working_window.h"
#include "widgets/window_setup.h"

#include <QAction>

namespace zentaro::shell {

Application::Application(std::function<void()> exitApplication)
{
    auto exitAll = [this, exitApplication = std::move(exitApplication)] {
        registry_.discardAll();
        if (exitApplication)
            exitApplication();
    };
    registry_.add(QStringLiteral("startupfrm"), [this, exitAll] { return new StartupWindow(registry_, exitAll); });
    registry_.add(QStringLiteral("mainmenufrm"), [this] { return new MainMenuWindow(registry_); });
    registry_.add(QStringLiteral("frmAbout"), [] { return new AboutWindow(); });
    registry_.add(QStringLiteral("helpfrm"), [] { return new HelpWindow(); });
    registry_.add(QStringLiteral("workingfrm"), [this] {
        auto* working = new WorkingWindow();
        if (workingFor_ != nullptr) {
            working->follow(workingFor_);
            working->placeBeside(workingFor_);
        }
        return working;
    });
    for (const CalculatorEntry& entry : Calculators())
        registry_.add(entry.formName, [this, make = entry.make] { return makeCalculator(make); });
}

QWidget* Application::makeCalculator(QWidget* (*make)())
{
    QWidget* calculator = make();
    if (QAction* action = widgets::ShowWorkingAction(calculator))
        QObject::connect(action, &QAction::triggered, calculator, [this, calculator] { showWorking(calculator); });
    return calculator;
}

void Application::showWorking(QWidget* calculator)
{
    workingFor_ = calculator;
    auto* working = static_cast<WorkingWindow*>(registry_.show(QStringLiteral("workingfrm")));
    workingFor_ = nullptr;
    working->follow(calculator);
}

void Application::start()
{
    registry_.show(QStringLiteral("startupfrm"));
}

} // namespace zentaro::shell
