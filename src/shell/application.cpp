#include "shell/application.h"

#include "shell/about_window.h"
#include "shell/calculator_catalogue.h"
#include "shell/help_window.h"
#include "shell/main_menu_window.h"
#include "shell/startup_window.h"

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
    for (const CalculatorEntry& entry : Calculators()) {
        if (entry.make != nullptr)
            registry_.add(entry.formName, entry.make);
    }
}

void Application::start()
{
    registry_.show(QStringLiteral("startupfrm"));
}

} // namespace zentaro::shell
