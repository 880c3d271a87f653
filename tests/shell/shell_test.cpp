#include "conventions/runtime_error.h"
#include "shell/application.h"
#include "shell/artwork.h"
#include "shell/calculator_catalogue.h"
#include "support/dialog_script.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <new>

namespace zentaro::shell {
namespace {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { app.start(); }
    void TearDown() override { dialogs.checkDone(); }
    QWidget* window(const char* name) { return app.windows().find(QString::fromLatin1(name)); }
    void click(const char* form, const char* button)
    {
        QWidget* w = window(form);
        ASSERT_NE(w, nullptr) << form;
        auto* b = w->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_TRUE(b != nullptr && b->isEnabled()) << button;
        b->click();
        QApplication::processEvents();
    }
    void closeWindow(const char* form)
    {
        window(form)->close();
        QApplication::processEvents();
    }
    bool shown(const char* form) { return window(form) != nullptr && window(form)->isVisible(); }

    int exits = 0;
    Application app{[this] { ++exits; }};
    testing::DialogScript dialogs;
};

TEST_F(ShellTest, StartsWithTheStartupWindowOnlyAndCreatesOthersOnFirstShow)
{
    EXPECT_TRUE(shown("startupfrm"));
    EXPECT_TRUE(window("startupfrm")->windowFlags().testFlag(Qt::FramelessWindowHint));
    for (const char* form : {"mainmenufrm", "frmAbout", "helpfrm", "recifrm"})
        EXPECT_EQ(window(form), nullptr) << form;

    click("startupfrm", "okcmd");
    EXPECT_FALSE(window("startupfrm")->isVisible());
    EXPECT_TRUE(shown("mainmenufrm"));
}

TEST_F(ShellTest, AMenuButtonShowsTheSameInstanceUntilTheUserClosesIt)
{
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
    click("startupfrm", "aboutcmd");
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
    click("startupfrm", "aboutcmd");
    dialogs.message("System Information Is Unavailable At This Time");
    QApplication::setActiveWindow(window("frmAbout"));
    QTest::keyClick(window("frmAbout"), Qt::Key_S, Qt::AltModifier);
    // Generous: the wait only guards against a hang.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialogs.seen().isEmpty(); }, 20000));
    qputenv("PATH", path);
    EXPECT_NE(window("frmAbout"), nullptr);
}

TEST_F(ShellTest, ClosingTheMenuBringsBackStartupAndLeavesCalculatorsOpen)
{
    click("startupfrm", "okcmd");
    click("mainmenufrm", "recilargecmd");
    closeWindow("mainmenufrm");
    EXPECT_EQ(window("mainmenufrm"), nullptr);
    EXPECT_TRUE(shown("startupfrm"));
    EXPECT_TRUE(shown("recifrm"));
    click("startupfrm", "okcmd");
    EXPECT_TRUE(shown("mainmenufrm"));
}

TEST_F(ShellTest, ExitDiscardsEveryWindowWithoutCloseHandling)
{
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

class DialogsTest : public ::testing::Test {
protected:
    void TearDown() override { dialogs.checkDone(); }
    QWidget window;
    testing::DialogScript dialogs;
};

// A run-time error stops the handler and is reported by number and text; so is
// running out of memory.
TEST_F(DialogsTest, ARunTimeErrorStopsTheHandlerAndIsReportedByNumberAndText)
{
    const struct {
        int number;
        const char* text;
    } cases[] = {{5, "Invalid procedure call or argument"},
                 {6, "Overflow"},
                 {7, "Out of memory"},
                 {9, "Subscript out of range"},
                 {11, "Division by zero"},
                 {13, "Type mismatch"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        bool after = false;
        dialogs.runtimeError(c.number, c.text);
        widgets::RunHandler(&window, [&] {
            if (c.number == 7)
                throw std::bad_alloc();
            Raise(static_cast<ErrorCode>(c.number));
            after = true;
        });
        EXPECT_FALSE(after);
    }
    bool ran = false;
    widgets::RunHandler(&window, [&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST_F(DialogsTest, MessageBoxesGiveTheButtonPressedAndInputBoxesTheTextOrEmptyOnCancel)
{
    dialogs.message("Sure?", "Yes").message("Sure?", "No").message("Done", "OK", "Custom");
    EXPECT_EQ(widgets::MessageBox(&window, "Sure?", msgstyle::kYesNo + msgstyle::kQuestion), MessageAnswer::Yes);
    EXPECT_EQ(widgets::MessageBox(&window, "Sure?", msgstyle::kYesNo), MessageAnswer::No);
    EXPECT_EQ(widgets::MessageBox(&window, "Done", msgstyle::kOkOnly, "Custom"), MessageAnswer::Ok);
    dialogs.input("Enter x", QString("42"), "Data Required").input("Enter x", std::nullopt, "Data Required");
    const AskInput ask = widgets::InputCallback(&window);
    EXPECT_EQ(ask("Enter x", "Data Required", "7"), "42");
    EXPECT_EQ(ask("Enter x", "Data Required", "7"), "");
}

// Drawn for a screen with more device pixels than logical ones, a picture holds
// all of them, and its detail is drawn there, not blown up from a smaller one.
TEST(Artwork, PicturesHoldADevicePixelForEachOneOfTheScreen)
{
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap picture = DrawStartupPicture(QSize(440, 200), ratio);
        EXPECT_EQ(picture.size(), QSize(440, 200) * ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(440, 200));
        const QPixmap icon = DrawIcon(40, ratio);
        EXPECT_EQ(icon.size(), QSize(40, 40) * ratio);
        EXPECT_EQ(icon.devicePixelRatio(), ratio);
    }
    // A picture scaled up from half the pixels would repeat every pixel in
    // blocks of two by two; the sky's gradient alone changes from row to row.
    const QImage sharp = DrawStartupPicture(QSize(440, 200), 2.0).toImage();
    int blocksWithDetail = 0;
    for (int y = 0; y + 1 < sharp.height(); y += 2) {
        for (int x = 0; x + 1 < sharp.width(); x += 2) {
            const QRgb corner = sharp.pixel(x, y);
            blocksWithDetail += sharp.pixel(x + 1, y) != corner || sharp.pixel(x, y + 1) != corner ||
                                sharp.pixel(x + 1, y + 1) != corner;
        }
    }
    EXPECT_GT(blocksWithDetail, 440 * 200 / 4);
}

} // namespace
} // namespace zentaro::shell
