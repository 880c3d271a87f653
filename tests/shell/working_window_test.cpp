// The Working window: opened by F2 or "Show working" in any calculator, one
// instance, beside the calculator, following the calculator the user works in.
#include "shell/application.h"
#include "support/dialog_script.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace zentaro::shell {
namespace {

class WorkingWindowTest : public ::testing::Test {
protected:
    void TearDown() override { dialogs.checkDone(); }

    QWidget* open(const char* form)
    {
        QWidget* window = app.windows().show(QString::fromLatin1(form));
        activate(window);
        return window;
    }
    static void activate(QWidget* window)
    {
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
    }
    // Types the values into the named fields and presses the button.
    static void compute(QWidget* window, const std::vector<std::pair<const char*, const char*>>& fields,
                        const char* button)
    {
        for (const auto& [name, value] : fields)
            window->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromUtf8(value));
        window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        QApplication::processEvents();
    }
    static void pressF2(QWidget* window)
    {
        QTest::keyClick(window, Qt::Key_F2);
        QApplication::processEvents();
    }
    QWidget* workingWindow() { return app.windows().find(QStringLiteral("workingfrm")); }
    QStringList working()
    {
        QWidget* window = workingWindow();
        return window == nullptr ? QStringList()
                                 : window->findChild<QPlainTextEdit*>("workingtxt")->toPlainText().split('\n');
    }

    Application app{[] {}};
    testing::DialogScript dialogs;
};

// One Working window for all; after an error it shows the steps up to it and
// the error; Copy all puts the whole working on the clipboard.
TEST_F(WorkingWindowTest, F2OpensOneWorkingWindowWithTheHintThenTheStepsOfEachAnswer)
{
    QWidget* fractions = open("fractions");
    pressF2(fractions);
    QWidget* first = workingWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(working().join('\n'), widgets::WorkingLogOf(fractions)->hint());
    EXPECT_TRUE(working().join('\n').contains("press"));

    compute(fractions, {{"addtxt1", "1"}, {"addtxt2", "2"}, {"addtxt3", "1"}, {"addtxt4", "3"}}, "addcmd");
    EXPECT_EQ(working().back(), "1/2 + 1/3 = 5/6");
    EXPECT_GT(working().size(), 8);
    compute(fractions, {{"subtxt1", "1"}, {"subtxt2", "2"}, {"subtxt3", "3"}, {"subtxt4", "4"}}, "subcmd");
    EXPECT_EQ(working().back(), "1/2 − 3/4 = 1/-4");

    activate(fractions);
    pressF2(fractions);
    EXPECT_EQ(workingWindow(), first);

    activate(fractions);
    dialogs.runtimeError(11, "Division by zero");
    compute(fractions, {{"addtxt1", "1"}, {"addtxt2", "0"}, {"addtxt3", "1"}, {"addtxt4", "2"}}, "addcmd");
    const QStringList lines = working();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[lines.size() - 2], "2/0 = (2 ÷ 2)/(0 ÷ 2) = 1/0");
    EXPECT_EQ(lines.back(), "Run-time error '11': Division by zero");

    QApplication::clipboard()->clear();
    first->findChild<QPushButton*>("copyallcmd")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), lines.join('\n'));
}

// Right of the calculator where there is room, else left, narrowed rather than over it.
TEST_F(WorkingWindowTest, ItOpensBesideTheCalculatorWithoutCoveringIt)
{
    for (const bool atLeftEdge : {true, false}) {
        SCOPED_TRACE(atLeftEdge ? "calculator at the left edge" : "calculator at the right edge");
        QWidget* bases = open("baseconvfrm");
        const QRect screen = bases->screen()->availableGeometry();
        bases->move(atLeftEdge ? screen.left() : screen.right() + 1 - bases->frameGeometry().width(), screen.top());
        activate(bases);
        pressF2(bases);
        QWidget* working = workingWindow();
        ASSERT_NE(working, nullptr);
        EXPECT_FALSE(working->frameGeometry().intersects(bases->frameGeometry()));
        EXPECT_TRUE(screen.contains(working->frameGeometry()));
        EXPECT_EQ(working->x() > bases->x(), atLeftEdge);
        working->close();
        QApplication::processEvents();
    }
}

TEST_F(WorkingWindowTest, ItFollowsTheActiveCalculatorAndIgnoresItselfAndTheMenu)
{
    QWidget* fractions = open("fractions");
    compute(fractions, {{"multitxt1", "2"}, {"multitxt2", "3"}, {"multitxt3", "3"}, {"multitxt4", "4"}}, "multicmd");
    QWidget* gcd = open("gcdlcmfrm");
    compute(gcd, {{"atxt", "12"}, {"btxt", "18"}}, "comp");
    pressF2(gcd);
    EXPECT_EQ(working().back(), "LCM = |a × b| ÷ |gcd| = |12 × 18| ÷ 6 = 216 ÷ 6 = 36");

    activate(fractions);
    EXPECT_EQ(working().back(), "2/3 × 3/4 = 1/2");
    activate(workingWindow());
    activate(open("mainmenufrm"));
    EXPECT_EQ(working().back(), "2/3 × 3/4 = 1/2");
    activate(gcd);
    EXPECT_EQ(working().back(), "LCM = |a × b| ÷ |gcd| = |12 × 18| ÷ 6 = 216 ÷ 6 = 36");
    activate(open("phyconstfrm"));
    EXPECT_EQ(working(), QStringList{"This calculator does not show its working."});
    activate(gcd);

    // A closed calculator's working goes with it.
    gcd->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(working().join('\n').contains("LCM"));
}

// A calculator offers the working in its background's menu and its answers'
// menus (the leak session triggers it in every calculator); the menu and
// information windows compute nothing and have none.
TEST_F(WorkingWindowTest, OnlyCalculatorsOfferTheWorkingAlsoInTheirMenus)
{
    for (const char* form : {"mainmenufrm", "frmAbout", "helpfrm"})
        EXPECT_EQ(widgets::ShowWorkingAction(open(form)), nullptr) << form;

    QWidget* gcd = open("gcdlcmfrm");
    EXPECT_EQ(gcd->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(gcd->actions().contains(widgets::ShowWorkingAction(gcd)));
    emit gcd->findChild<QLineEdit*>("lcmab")->customContextMenuRequested(QPoint(2, 2));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().contains(widgets::ShowWorkingAction(gcd)));
    menu->close();
}

// Each window hands its recorder to its computation: pressing its buttons gives
// a working whose last line ends with the answer the window shows.
TEST_F(WorkingWindowTest, EachWindowsWorkingEndsWithTheAnswerItShows)
{
    const struct {
        const char* form;
        std::vector<std::pair<const char*, const char*>> fields;
        const char *button, *answer, *lastLine;
    } cases[] = {
        {"fractions", {{"smptxt1", "7"}, {"smptxt2", "2"}}, "smpcmd", "smpanstxt1", "7/2 = 3 1/2"},
        {"fractions",
         {{"comptxt1", "1"}, {"comptxt2", "2"}, {"comptxt3", "4"}},
         "compcmd",
         "companstxt2",
         "1 2/4 = 3/2"},
        {"gcdlcmfrm", {{"numprimfacttxt", "12"}}, "primfact", nullptr, "Prime factors of 12: 2² × 3"},
        {"gcdlcmfrm", {{"numfacttxt", "6"}}, "factorize", nullptr, "Factors of 6: 1, 2, 3, 6"},
        {"baseconvfrm",
         {{"num1txt", "FF"}, {"base1txt", "16"}, {"base2txt", "10"}},
         "convertbases",
         "ansbase",
         "FF in base 16 = 255 in base 10"},
        {"addsubfrm", {{"adda", "999"}, {"addb", "1"}}, "addab", "addans", "999 + 1 = 1000"},
        {"addsubfrm", {{"suba", "5"}, {"subb", "12"}}, "subab", "subans", "5 − 12 = -7"},
        {"recifrm", {{"num", "12"}, {"digits", "5"}}, "cmdrecicalc", "recians", "1/12 = 0.08333"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastLine);
        QWidget* window = open(c.form);
        compute(window, c.fields, c.button);
        const std::vector<std::string>& lines = widgets::WorkingLogOf(window)->lines();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), c.lastLine);
        if (c.answer == nullptr)
            continue;
        const auto* field = window->findChild<QWidget*>(QString::fromLatin1(c.answer));
        const QString shown = field->property(qobject_cast<const QLineEdit*>(field) ? "text" : "plainText").toString();
        EXPECT_TRUE(QString::fromStdString(lines.back()).contains(shown)) << shown.toStdString();
    }
}

} // namespace
} // namespace zentaro::shell
