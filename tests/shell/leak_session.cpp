// A whole session, built as a program of its own so that the leak checker's
// report at exit covers this session and nothing else: the application opens
// every calculator from the main menu, runs its gallery script (inputs that work
// and the answers they give), presses each of its buttons once more, answers the
// boxes they show, closes everything and lets the deferred deletes run.
#include "screenshots/window_script.h"
#include "shell/application.h"
#include "shell/calculator_catalogue.h"
#include "support/dialog_script.h"
#include "support/form_controls.h"
#include "widgets/window_setup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPointer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace zentaro::shell {
namespace {

void Click(QWidget* window, const char* button)
{
    auto* control = window->findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_NE(control, nullptr) << button;
    control->click();
    QApplication::processEvents();
}

TEST(LeakSession, EveryWindowOpenedUsedAndClosed)
{
    QString error;
    std::optional<tools::WindowScripts> scripts = tools::ReadScripts(QStringLiteral(ZENTARO_SCREENSHOT_SCRIPTS), error);
    ASSERT_TRUE(scripts.has_value()) << error.toStdString();

    int exits = 0;
    auto app = std::make_unique<Application>([&exits] { ++exits; });
    app->start();
    QApplication::processEvents();
    QWidget* startup = app->windows().find("startupfrm");
    ASSERT_NE(startup, nullptr);
    Click(startup, "aboutcmd");
    Click(startup, "helpcmd");
    Click(startup, "okcmd");
    QWidget* menu = app->windows().find("mainmenufrm");
    ASSERT_NE(menu, nullptr);

    int presses = 0;
    std::vector<QPointer<QWidget>> opened;
    for (const CalculatorEntry& entry : Calculators()) {
        SCOPED_TRACE(entry.formName.toStdString());
        const auto script = scripts->find(entry.formName);
        ASSERT_NE(script, scripts->end()) << "every calculator has a gallery script";
        const auto open = [&]() -> QWidget* {
            if (auto* button = menu->findChild<QAbstractButton*>(entry.button))
                button->click();
            return app->windows().find(entry.formName);
        };
        const tools::ScriptResult result = tools::RunScript(open, script->second);
        scripts->erase(script);
        ASSERT_EQ(result.error.toStdString(), "");
        opened.emplace_back(result.window);
        testing::DialogScript boxes;
        boxes.answerAnyBox();
        for (QWidget* control : testing::FormControls(result.window)) {
            auto* button = qobject_cast<QAbstractButton*>(control);
            if (button != nullptr && button->isEnabled()) {
                button->click();
                QApplication::processEvents();
                ++presses;
            }
        }
        // Every calculator shows its working: the Working window opens on the first
        // and follows the others.
        QAction* working = widgets::ShowWorkingAction(result.window);
        ASSERT_NE(working, nullptr);
        working->trigger();
        result.window->close();
        QApplication::processEvents();
    }
    EXPECT_TRUE(scripts->empty()) << "a gallery script for " << scripts->begin()->first.toStdString()
                                  << ", which the menu does not open";
    EXPECT_GE(presses, 40);

    // About goes with its OK button, Help only hides; the menu's close brings
    // back the start-up window, whose Exit discards what is left.
    if (QWidget* about = app->windows().find("frmAbout"))
        Click(about, "cmdOK");
    if (QWidget* help = app->windows().find("helpfrm"))
        Click(help, "Command1");
    menu->close();
    QApplication::processEvents();
    Click(app->windows().find("startupfrm"), "exitcmd");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_EQ(exits, 1);
    for (const QPointer<QWidget>& window : opened)
        EXPECT_TRUE(window.isNull()) << "a calculator window outlived its close";
    app.reset();
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

} // namespace
} // namespace zentaro::shell
