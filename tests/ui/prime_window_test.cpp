#include "ui/prime_window.h"

#include "numbers/primes.h"
#include "support/window_test.h"
#include "widgets/long_text_field.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <climits>

namespace zentaro::ui {
namespace {

using PrimeWindowTest = testing::WindowTest<PrimeWindow>;

QString Listing(double low, double high)
{
    return QString::fromStdString(numbers::primes::ListPrimes(numbers::primes::CandidatesBetween(low, high)).text());
}

// 1 to 100 is the gallery's.
TEST_F(PrimeWindowTest, ListsTheWholeNumbersBetweenTheLimits)
{
    const struct {
        const char *low, *high;
        double first, last;
    } cases[] = {{"1.5", "7.5", 2, 7}, {"20", "10", 20, 10}, {"1", "1000000", 1, 1000000}};
    for (const auto& c : cases) {
        fill("startnum endnum", {c.low, c.high});
        click("primegen");
        EXPECT_EQ(text("primestxt"), Listing(c.first, c.last)) << c.low << " to " << c.high;
    }
    // A long list shows from its start.
    EXPECT_EQ(window->findChild<widgets::LongTextField*>("primestxt")->topLine(), 0);
}

TEST_F(PrimeWindowTest, MessagesAndOverflowLeaveTheRightList)
{
    click("primegen");
    type("startnum", "0.5");
    dialogs.message("Please enter a positive lower limit!");
    click("primegen");
    EXPECT_EQ(text("primestxt"), "");
    dialogs.checkDone();

    fill("startnum endnum", {"2147483600", "2147483648"});
    dialogs.runtimeError(6, "Overflow");
    click("primegen");
    EXPECT_EQ(text("primestxt"), Listing(2147483600, 2147483647));
}

// The list is made from its compact form wherever it is read: the whole text,
// drawn lines, selections and copies that cross the sieve's stretches and a
// power of ten, and the saved file.
TEST_F(PrimeWindowTest, TheListReadsSelectsCopiesAndSavesAsItsText)
{
    type("endnum", "1100000");
    click("primegen");
    auto* list = window->findChild<widgets::LongTextField*>("primestxt");
    const QString text = Listing(1, 1100000);
    ASSERT_EQ(list->text().text(0, list->text().size()), text);

    widgets::LongTextField plain;
    plain.setGeometry(list->geometry());
    plain.setFont(list->font());
    plain.setVerticalScrollBarPolicy(list->verticalScrollBarPolicy());
    plain.setPlainText(text);
    plain.show();
    ASSERT_EQ(list->lineCount(), plain.lineCount());
    for (qsizetype line = 0; line < list->lineCount(); line += 1 + line % 7)
        ASSERT_EQ(list->lineStart(line), plain.lineStart(line)) << line;

    for (const char* across : {"   524309   ", "   1000003   ", "   1048583   "}) {
        const qsizetype at = text.indexOf(QLatin1String(across));
        for (const auto& [from, to] : {std::pair{at - 30, at + 40}, {at + 2, at + 5}, {at - 700, at + 3}}) {
            list->select(to, from);
            EXPECT_EQ(list->selectedText(), text.mid(from, to - from)) << across;
            QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
            QApplication::sendEvent(list, &copy);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), text.mid(from, to - from)) << across;
        }
    }

    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("primes.txt"));
    list->setProgressDelay(INT_MAX); // no progress dialog, however slow the machine
    ASSERT_EQ(list->saveTo(path), widgets::LongTextField::Saved::Yes);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), text.toUtf8());
}

} // namespace
} // namespace zentaro::ui
