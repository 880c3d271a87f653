#include "ui/prime_window.h"

#include "numbers/primes.h"
#include "support/window_test.h"

#include <QLabel>
#include <QProgressDialog>
#include <QTimer>

namespace zentaro::ui {
namespace {

using PrimeWindowTest = testing::WindowTest<PrimeWindow>;

QString Items(std::initializer_list<const char*> primes)
{
    QString text;
    for (const char* p : primes)
        text += QString::fromUtf8("\u00A4   ") + QString::fromUtf8(p) + QStringLiteral("   ");
    return text;
}

QString Listing(double low, double high)
{
    return QString::fromStdString(numbers::primes::ListPrimes(numbers::primes::CandidatesBetween(low, high)).text);
}

TEST_F(PrimeWindowTest, ShowsTheControlsOfTheForm)
{
    EXPECT_EQ(window->objectName(), "primfrm");
    EXPECT_EQ(window->windowTitle(), "Prime Numbers");
    EXPECT_EQ(testing::Find<QLabel>(window.get(), "Label1")->text(), "prime numbers between");
    EXPECT_EQ(testing::Find<QLabel>(window.get(), "Label2")->text(), "&");
    EXPECT_EQ(testing::Find<QLabel>(window.get(), "Label3")->text(), ":");
    EXPECT_EQ(text("startnum"), "1");
    EXPECT_EQ(text("endnum"), "100");
    EXPECT_EQ(field("startnum")->toolTip(), "Enter here the lower limit for generation of primes");
    EXPECT_EQ(field("endnum")->toolTip(), "Enter here the upper limit for generation of primes");
    QPlainTextEdit* list = area("primestxt");
    EXPECT_TRUE(list->isReadOnly());
    EXPECT_EQ(list->toolTip(), "Here are the prime numbers ...");
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(list->font().family(), "Arial");
    EXPECT_EQ(text("primestxt"), "");
}

TEST_F(PrimeWindowTest, ListsThePrimesBetweenTheLimits)
{
    click("primegen");
    EXPECT_TRUE(text("primestxt").startsWith(Items({"2", "3", "5"})));
    EXPECT_TRUE(text("primestxt").endsWith(Items({"89", "97"})));
    EXPECT_EQ(text("primestxt"), Listing(1, 100));

    const struct {
        const char* low;
        const char* high;
        QString list;
    } cases[] = {
        {"1", "10", Items({"2", "3", "5", "7"})},
        {"10", "20", Items({"11", "13", "17", "19"})},
        {"11", "11", Items({"11"})},
        {"12", "12", ""},
        {"90", "96", ""},
        {"20", "10", ""},
        {"2", "10", Items({"2", "3", "5", "7"})},
        {"1.2", "10", Items({"2", "3", "5", "7"})},
        {"1.5", "7.5", Items({"2", "3", "5", "7"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.low) + " to " + c.high);
        type("startnum", c.low);
        type("endnum", c.high);
        click("primegen");
        EXPECT_EQ(text("primestxt"), c.list);
    }
}

TEST_F(PrimeWindowTest, ALowerLimitBelow1GivesTheMessageAndAnEmptyList)
{
    for (const char* low : {"0.5", "0", "", "-4", "x"}) {
        SCOPED_TRACE(low);
        type("startnum", "1");
        click("primegen");
        type("startnum", low);
        dialogs.message("Please enter a positive lower limit!");
        click("primegen");
        EXPECT_EQ(text("primestxt"), "");
        dialogs.checkDone();
    }
}

TEST_F(PrimeWindowTest, PrimesBeforeAnOverflowStayInTheList)
{
    type("startnum", "2147483600");
    type("endnum", "2147483648");
    dialogs.runtimeError(6, "Overflow");
    click("primegen");
    EXPECT_EQ(text("primestxt"), Listing(2147483600, 2147483647));
    EXPECT_TRUE(text("primestxt").endsWith(Items({"2147483647"})));

    type("endnum", "1e400");
    dialogs.runtimeError(6, "Overflow");
    click("primegen");
    EXPECT_EQ(text("primestxt"), "");
}

// Without the scripted dialogs of the fixture, which close any modal window they
// do not expect: here the progress dialog is expected, and cancelled.
TEST(PrimeWindowProgress, CancelKeepsThePrimesFoundSoFar)
{
    PrimeWindow window;
    window.setProgressDelay(0);
    window.show();
    testing::Find<QLineEdit>(&window, "startnum")->setText("1");
    testing::Find<QLineEdit>(&window, "endnum")->setText("5000000");

    bool cancelled = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        auto* dialog = window.findChild<QProgressDialog*>();
        if (dialog != nullptr && dialog->isVisible() && !cancelled) {
            EXPECT_TRUE(dialog->isModal());
            cancelled = true;
            dialog->cancel();
        }
    });
    poll.start(0);
    testing::Find<QPushButton>(&window, "primegen")->click();
    poll.stop();

    ASSERT_TRUE(cancelled);
    const QString shown = testing::Find<QPlainTextEdit>(&window, "primestxt")->toPlainText();
    const QString full = Listing(1, 5000000);
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_LT(shown.size(), full.size());
    EXPECT_TRUE(full.startsWith(shown));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("   ")));
    EXPECT_EQ(window.findChild<QProgressDialog*>(), nullptr);
}

} // namespace
} // namespace zentaro::ui
