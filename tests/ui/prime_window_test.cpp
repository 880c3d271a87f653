#include "ui/prime_window.h"

#include "numbers/primes.h"
#include "support/window_test.h"
#include "widgets/long_text_field.h"

#include <QLabel>
#include <QProgressDialog>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

namespace zentaro::ui {
namespace {

using PrimeWindowTest = testing::WindowTest<PrimeWindow>;

QString Listing(double low, double high)
{
    return QString::fromStdString(numbers::primes::ListPrimes(numbers::primes::CandidatesBetween(low, high)).text);
}

TEST_F(PrimeWindowTest, ShowsTheFormAndListsTheInitialRange)
{
    EXPECT_EQ(window->objectName(), "primfrm");
    EXPECT_EQ(window->windowTitle(), "Prime Numbers");
    EXPECT_EQ(testing::Find<QLabel>(window.get(), "Label1")->text(), "prime numbers between");
    EXPECT_EQ(testing::Find<QLabel>(window.get(), "Label2")->text(), "&");
    EXPECT_EQ(field("startnum")->toolTip(), "Enter here the lower limit for generation of primes");
    EXPECT_EQ(area("primestxt")->toolTip(), "Here are the prime numbers ...");
    EXPECT_TRUE(area("primestxt")->isReadOnly());
    EXPECT_EQ(area("primestxt")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text("startnum") + " " + text("endnum"), "1 100");

    click("primegen");
    EXPECT_TRUE(text("primestxt").startsWith(QString::fromUtf8("¤   2   ¤   3   ¤   5   ")));
    EXPECT_TRUE(text("primestxt").endsWith(QString::fromUtf8("¤   97   ")));
    EXPECT_EQ(text("primestxt"), Listing(1, 100));
}

TEST_F(PrimeWindowTest, ListsTheWholeNumbersBetweenTheLimits)
{
    const struct {
        const char *low, *high;
        double first, last;
    } cases[] = {{"10", "20", 10, 20}, {"12", "12", 12, 12}, {"2", "10", 2, 10},
                 {"1.5", "7.5", 2, 7}, {"20", "10", 20, 10}, {"1", "1000000", 1, 1000000}};
    for (const auto& c : cases) {
        type("startnum", c.low);
        type("endnum", c.high);
        click("primegen");
        EXPECT_EQ(text("primestxt"), Listing(c.first, c.last)) << c.low << " to " << c.high;
    }
    // A long list shows from its start; the field wraps it, the document lays nothing out.
    auto* list = window->findChild<widgets::LongTextField*>("primestxt");
    EXPECT_EQ(list->topLine(), 0);
    EXPECT_GT(list->lineStarts().size(), 1000u);
    EXPECT_EQ(list->document()->firstBlock().layout()->lineCount(), 0);
}

TEST_F(PrimeWindowTest, MessagesAndOverflowLeaveTheRightList)
{
    for (const char* low : {"0.5", "", "-4"}) {
        type("startnum", "1");
        click("primegen");
        type("startnum", low);
        dialogs.message("Please enter a positive lower limit!");
        click("primegen");
        EXPECT_EQ(text("primestxt"), "") << low;
        dialogs.checkDone();
    }
    type("startnum", "2147483600");
    type("endnum", "2147483648");
    dialogs.runtimeError(6, "Overflow");
    click("primegen");
    EXPECT_EQ(text("primestxt"), Listing(2147483600, 2147483647));
    EXPECT_FALSE(text("primestxt").isEmpty());
}

// Without the fixture's scripted dialogs, which close any modal window they do
// not expect: here the progress dialog is expected, and cancelled.
TEST(PrimeWindowProgress, CancelKeepsThePrimesFoundSoFar)
{
    PrimeWindow window;
    window.setProgressDelay(0);
    window.show();
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
    EXPECT_TRUE(full.startsWith(shown) && shown.endsWith(QStringLiteral("   ")));
}

} // namespace
} // namespace zentaro::ui
