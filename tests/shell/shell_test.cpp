#include "conventions/runtime_error.h"
#include "shell/application.h"
#include "shell/artwork.h"
#include "support/dialog_script.h"
#include "widgets/handler.h"

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

// Closing the menu brings back the start-up window and leaves calculators open.
TEST_F(ShellTest, StartsWithTheStartupWindowOnlyWhichTheMenuReplacesUntilItCloses)
{
    EXPECT_TRUE(shown("startupfrm"));
    EXPECT_TRUE(window("startupfrm")->windowFlags().testFlag(Qt::FramelessWindowHint));
    for (const char* form : {"mainmenufrm", "frmAbout", "helpfrm", "recifrm"})
        EXPECT_EQ(window(form), nullptr) << form;

    click("startupfrm", "okcmd");
    EXPECT_FALSE(window("startupfrm")->isVisible());
    EXPECT_TRUE(shown("mainmenufrm"));
    click("mainmenufrm", "recilargecmd");
    closeWindow("mainmenufrm");
    EXPECT_EQ(window("mainmenufrm"), nullptr);
    EXPECT_TRUE(shown("startupfrm"));
    EXPECT_TRUE(shown("recifrm"));
    click("startupfrm", "okcmd");
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

// A run-time error stops the handler and is reported by number and text; so is
// running out of memory. (The texts of the other numbers show in the windows' tests.)
TEST(Handler, ARunTimeErrorStopsTheHandlerAndIsReportedByNumberAndText)
{
    QWidget window;
    testing::DialogScript dialogs;
    for (const int number : {6, 7}) {
        bool after = false;
        dialogs.runtimeError(number, number == 6 ? "Overflow" : "Out of memory");
        widgets::RunHandler(&window, [&] {
            if (number == 7)
                throw std::bad_alloc();
            Raise(ErrorCode::Overflow);
            after = true;
        });
        EXPECT_FALSE(after) << number;
    }
    dialogs.checkDone();
}

// Drawn for a screen with more device pixels than logical ones, a picture holds
// all of them, and its detail is drawn there, not blown up from a smaller one:
// that would repeat every pixel in blocks of two by two, while the sky's gradient
// alone changes from row to row. (The windows' pictures at 200% are checked with
// every window.)
TEST(Artwork, PicturesHoldADevicePixelForEachOneOfTheScreen)
{
    const QPixmap picture = DrawStartupPicture(QSize(440, 200), 2.0);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(440, 200));
    EXPECT_EQ(DrawIcon(40, 2.0).size(), QSize(80, 80));
    const QImage sharp = picture.toImage();
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
