#include "shell/application.h"
#include "shell/calculator_catalogue.h"
#include "support/dialog_script.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace zentaro::shell {
namespace {

class ShellTest : public ::testing::Test {
protected:
    QWidget* window(const char* name) { return app.windows().find(QString::fromLatin1(name)); }
    void click(const char* form, const char* button)
    {
        QWidget* w = window(form);
        ASSERT_NE(w, nullptr) << form;
        auto* b = w->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        ASSERT_TRUE(b->isEnabled()) << button;
        b->click();
        QApplication::processEvents();
    }
    void closeWindow(const char* form)
    {
        window(form)->close();
        QApplication::processEvents();
    }
    void TearDown() override { dialogs.checkDone(); }

    int exits = 0;
    Application app{[this] { ++exits; }};
    testing::DialogScript dialogs;
};

TEST_F(ShellTest, StartsWithTheStartupWindowOnlyAndCreatesOthersOnFirstShow)
{
    app.start();
    ASSERT_NE(window("startupfrm"), nullptr);
    EXPECT_TRUE(window("startupfrm")->isVisible());
    EXPECT_TRUE(window("startupfrm")->windowFlags().testFlag(Qt::FramelessWindowHint));
    for (const char* form : {"mainmenufrm", "frmAbout", "helpfrm", "recifrm"})
        EXPECT_EQ(window(form), nullptr) << form;

    click("startupfrm", "okcmd");
    EXPECT_FALSE(window("startupfrm")->isVisible());
    ASSERT_NE(window("mainmenufrm"), nullptr);
    EXPECT_TRUE(window("mainmenufrm")->isVisible());
    EXPECT_EQ(window("mainmenufrm")->windowTitle(), "Zentaro");
}

TEST_F(ShellTest, AMenuButtonShowsTheSameInstanceUntilTheUserClosesIt)
{
    app.start();
    click("startupfrm", "okcmd");
    click("mainmenufrm", "recilargecmd");
    QWidget* first = window("recifrm");
    ASSERT_NE(first, nullptr);
    first->findChild<QLineEdit*>("num")->setText("7");
    first->hide();

    click("mainmenufrm", "recilargecmd");
    EXPECT_EQ(window("recifrm"), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->findChild<QLineEdit*>("num")->text(), "7");

    closeWindow("recifrm");
    EXPECT_EQ(window("recifrm"), nullptr);
    click("mainmenufrm", "recilargecmd");
    ASSERT_NE(window("recifrm"), nullptr);
    EXPECT_EQ(window("recifrm")->findChild<QLineEdit*>("num")->text(), "");
}

TEST_F(ShellTest, AboutIsDiscardedByOkButHelpIsOnlyHidden)
{
    app.start();
    click("startupfrm", "aboutcmd");
    ASSERT_NE(window("frmAbout"), nullptr);
    EXPECT_EQ(window("frmAbout")->windowTitle(), "About Zentaro");
    click("frmAbout", "cmdOK");
    EXPECT_EQ(window("frmAbout"), nullptr);

    click("startupfrm", "helpcmd");
    QWidget* help = window("helpfrm");
    ASSERT_NE(help, nullptr);
    click("helpfrm", "Command1");
    EXPECT_EQ(window("helpfrm"), help);
    EXPECT_FALSE(help->isVisible());
    click("startupfrm", "helpcmd");
    EXPECT_EQ(window("helpfrm"), help);
    EXPECT_TRUE(help->isVisible());
}

// Alt+S, the access key of the System Info button, clicks it.
TEST_F(ShellTest, SystemInfoSaysWhenNoInformationProgramCanBeStarted)
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    app.start();
    click("startupfrm", "aboutcmd");
    dialogs.message("System Information Is Unavailable At This Time");
    QApplication::setActiveWindow(window("frmAbout"));
    QTest::keyClick(window("frmAbout"), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialogs.seen().isEmpty(); }, 5000));
    qputenv("PATH", path);
    EXPECT_NE(window("frmAbout"), nullptr);
}

TEST_F(ShellTest, ClosingTheMenuBringsBackStartupAndLeavesCalculatorsOpen)
{
    app.start();
    click("startupfrm", "okcmd");
    click("mainmenufrm", "recilargecmd");
    closeWindow("mainmenufrm");
    EXPECT_EQ(window("mainmenufrm"), nullptr);
    EXPECT_TRUE(window("startupfrm")->isVisible());
    ASSERT_NE(window("recifrm"), nullptr);
    EXPECT_TRUE(window("recifrm")->isVisible());

    click("startupfrm", "okcmd");
    ASSERT_NE(window("mainmenufrm"), nullptr);
    EXPECT_TRUE(window("mainmenufrm")->isVisible());
}

TEST_F(ShellTest, ExitDiscardsEveryWindowWithoutCloseHandling)
{
    app.start();
    click("startupfrm", "okcmd");
    click("mainmenufrm", "recilargecmd");
    click("mainmenufrm", "recilargecmd");
    // Exit lives on the start-up window, hidden behind the menu now; the menu's
    // own close handling would show it again, which Exit must not do.
    QPointer<QWidget> menu = window("mainmenufrm");
    QPointer<QWidget> reciprocal = window("recifrm");
    window("startupfrm")->findChild<QPushButton*>("exitcmd")->click();
    EXPECT_EQ(exits, 1);
    for (const char* form : {"startupfrm", "mainmenufrm", "recifrm"})
        EXPECT_EQ(window(form), nullptr) << form;
    EXPECT_FALSE(menu->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
    EXPECT_TRUE(reciprocal.isNull());
}

TEST_F(ShellTest, EveryMenuButtonIsPlacedAndEnabledOnlyWithItsWindow)
{
    app.start();
    click("startupfrm", "okcmd");
    QWidget* menu = window("mainmenufrm");
    int enabled = 0;
    for (const CalculatorEntry& entry : Calculators()) {
        auto* button = menu->findChild<QPushButton*>(entry.button);
        ASSERT_NE(button, nullptr) << entry.button.toStdString();
        EXPECT_EQ(button->width(), 145);
        EXPECT_EQ(button->isEnabled(), entry.make != nullptr) << entry.button.toStdString();
        enabled += button->isEnabled() ? 1 : 0;
    }
    EXPECT_EQ(Calculators().size(), 17u);
    EXPECT_GE(enabled, 1);
    EXPECT_EQ(menu->findChild<QPushButton*>("addsubcmd")->text(), "Large Integer Adder && Subtracter");
}

} // namespace
} // namespace zentaro::shell
