#include "widgets/long_text_field.h"

#include "numbers/primes.h"
#include "support/dialog_script.h"
#include "widgets/window_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace zentaro::widgets {
namespace {

QString PrimeText(double high)
{
    return QString::fromStdString(numbers::primes::ListPrimes(numbers::primes::CandidatesBetween(1, high)).text());
}

// Every whole number from 1 to `last` as an entry "¤   n   ", n in 18 digits, made
// on demand: billions of characters in one run of entries.
class NumberList : public LongText {
public:
    explicit NumberList(std::int64_t last) : last_(last) {}

    qsizetype size() const override { return last_ * kEntry; }
    void read(qsizetype from, qsizetype n, char16_t* out) const override
    {
        for (qsizetype take = 0; n > 0; from += take, out += take, n -= take) {
            take = std::min(n, kEntry - from % kEntry);
            std::copy_n(Entry(from / kEntry + 1).utf16() + from % kEntry, take, out);
        }
    }
    std::vector<LineLayout::Run> shape() const override { return {{Entry(0), last_}}; }

private:
    static constexpr qsizetype kEntry = 25;
    static QString Entry(std::int64_t n) { return QStringLiteral("\u00A4   %1   ").arg(n, 18, 10, QChar(u'0')); }

    std::int64_t last_;
};

class LongTextFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        field.setGeometry(0, 0, 464, 278);
        QFont font(QStringLiteral("Arial"), 9);
        font.setStyleStrategy(QFont::PreferNoShaping);
        font.setKerning(false);
        field.setFont(font);
        field.setReadOnly(true);
        field.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        field.show();
    }
    void TearDown() override { dialogs.checkDone(); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&field, &press);
    }
    void mouse(QEvent::Type type, qsizetype position, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        // Just inside the left edge of the character, measured by the font itself.
        qsizetype line = 0;
        while (line + 1 < field.lineCount() && field.lineStart(line + 1) <= position)
            ++line;
        const qreal margin = field.document()->documentMargin();
        const QPointF at(margin + width(field.lineStart(line), position) + 1,
                         margin + (static_cast<qreal>(line - field.topLine()) + 0.5) *
                                      QFontMetricsF(field.font()).lineSpacing());
        QMouseEvent event(type, at, field.viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(field.viewport(), &event);
    }
    qreal width(qsizetype from, qsizetype to) const
    {
        return QFontMetricsF(field.font()).horizontalAdvance(field.text().text(from, to));
    }

    LongTextField field;
    testing::DialogScript dialogs;
};

TEST_F(LongTextFieldTest, WrapsAtBlanksAsWideAsTheFieldAllows)
{
    const QString cases[] = {PrimeText(20000), QString(500, u'x'), QStringLiteral("one\ntwo three\n\nfour"),
                             QStringLiteral("short   ") + QString(300, u'7') + QStringLiteral("   end"), QString()};
    const qreal available = field.viewport()->width() - 2 * field.document()->documentMargin();
    for (const QString& text : cases) {
        SCOPED_TRACE(text.left(40).toStdString());
        field.setPlainText(text);
        ASSERT_EQ(field.lineStart(0), 0);
        for (qsizetype k = 0; k + 1 < field.lineCount(); ++k) {
            const qsizetype start = field.lineStart(k), next = field.lineStart(k + 1);
            ASSERT_LT(start, next);
            if (text[next - 1] == u'\n')
                continue;
            const QString inked = text.mid(start, next - start).trimmed();
            if (text[next - 1] != u' ') {
                // Cut inside a word only when the word alone is wider than the line.
                EXPECT_FALSE(inked.contains(u' ')) << "line " << k;
                continue;
            }
            EXPECT_LE(width(start, start + inked.size()), available + 0.01) << "line " << k;
            // The next word did not fit.
            qsizetype wordEnd = next;
            while (wordEnd < text.size() && text[wordEnd] != u' ' && text[wordEnd] != u'\n')
                ++wordEnd;
            EXPECT_GT(width(start, wordEnd), available - 0.01) << "line " << k;
        }
    }
}

TEST_F(LongTextFieldTest, HoldsTheTextLaysNothingOutAndScrolls)
{
    const QString text = PrimeText(300000);
    field.setPlainText(text);
    EXPECT_EQ(field.property("plainText").toString(), text);
    EXPECT_EQ(field.document()->firstBlock().layout()->lineCount(), 0);
    QScrollBar* bar = field.verticalScrollBar();
    const int page = field.linesInView();
    EXPECT_EQ(bar->maximum(), static_cast<int>(field.lineCount()) - page);

    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int top;
    } steps[] = {{Qt::Key_PageDown, Qt::NoModifier, page},
                 {Qt::Key_Down, Qt::NoModifier, page + 1},
                 {Qt::Key_PageUp, Qt::NoModifier, 1},
                 {Qt::Key_End, Qt::ControlModifier, bar->maximum()},
                 {Qt::Key_PageDown, Qt::NoModifier, bar->maximum()},
                 {Qt::Key_Home, Qt::ControlModifier, 0}};
    for (const auto& step : steps) {
        key(step.key, step.modifiers);
        EXPECT_EQ(field.topLine(), step.top) << step.key;
    }
    // Clicks in the scroll bar's trough page as the keys do; the wheel scrolls.
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(field.topLine(), page);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(field.topLine(), 0);
    QWheelEvent wheel(QPointF(50, 50), field.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(field.viewport(), &wheel);
    EXPECT_GT(field.topLine(), 0);

    // Billions of characters held by none: the end is as near as the start.
    field.setText(std::make_shared<NumberList>(1000000000));
    EXPECT_EQ(field.topLine(), 0);
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(field.topLine(), bar->maximum());
    const qsizetype last = field.lineStart(field.lineCount() - 1);
    EXPECT_TRUE(field.text().text(last, field.text().size()).endsWith(QStringLiteral("   000000001000000000   ")));
    EXPECT_EQ(field.lineCount() - page, bar->maximum());

    // The widget's own setPlainText and clear reach the field too.
    field.setPlainText(QStringLiteral("2 3 5"));
    EXPECT_EQ(field.lineCount(), 1);
    field.clear();
    EXPECT_EQ(bar->maximum(), 0);
}

TEST_F(LongTextFieldTest, SelectsWithTheMouseAndCopiesEverything)
{
    const QString text = PrimeText(300000);
    field.setPlainText(text);
    key(Qt::Key_PageDown);
    const qsizetype top = field.topLine();
    const qsizetype from = field.lineStart(top + 2) + 3;
    const qsizetype to = field.lineStart(top + 5) + 7;
    mouse(QEvent::MouseButtonPress, from);
    mouse(QEvent::MouseMove, to);
    mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    EXPECT_EQ(field.selectionStart(), from);
    EXPECT_EQ(field.selectionEnd(), to);

    field.verticalScrollBar()->setValue(0);
    mouse(QEvent::MouseButtonDblClick, text.indexOf(QStringLiteral("   1009   ")) + 4);
    EXPECT_EQ(field.selectedText(), "1009");

    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
}

// A very long copy asks first, in the field and when copying the window it is
// in. More characters than any machine can hold are a run-time error, and the
// field goes on.
TEST_F(LongTextFieldTest, AsksBeforeCopyingAVeryLongSelection)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QWidget window;
    auto* inWindow = new LongTextField(&window);
    AddCopyAll(&window);
    for (const std::int64_t last : {std::int64_t{10000000}, std::int64_t{200000000000000000}}) {
        const auto list = std::make_shared<NumberList>(last);
        field.setText(list);
        inWindow->setText(list);
        const qsizetype size = field.text().size();
        ASSERT_GT(size, LongTextField::kAskBeforeCopying);
        const QString ask = QStringLiteral("The selection is %1 characters long. Copy it anyway?").arg(size);
        dialogs.message(ask, last == 10000000 ? QStringLiteral("No") : QStringLiteral("Yes"));
        if (last != 10000000)
            dialogs.runtimeError(7, QStringLiteral("Out of memory"));
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_C, Qt::ControlModifier);
        dialogs.message(ask, QStringLiteral("No"));
        window.findChild<QAction*>(QStringLiteral("copyall"))->trigger();
        dialogs.checkDone();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    }
    field.select(field.text().size() - 24, field.text().size());
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("   200000000000000000   "));
}

TEST_F(LongTextFieldTest, SavesTheWholeTextToAFile)
{
    const QTemporaryDir folder;
    const auto list = std::make_shared<NumberList>(400000);
    field.setText(list);
    field.setProgressDelay(INT_MAX); // no progress dialog, however slow the machine
    const QString path = folder.filePath(QStringLiteral("list.txt"));
    EXPECT_EQ(field.saveTo(path), LongTextField::Saved::Yes);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), list->text(0, list->size()).toUtf8());

    const QString nowhere = folder.filePath(QStringLiteral("no/such/folder/list.txt"));
    EXPECT_EQ(field.saveTo(nowhere), LongTextField::Saved::Failed);
    EXPECT_FALSE(QFile::exists(nowhere));
}

} // namespace
} // namespace zentaro::widgets
