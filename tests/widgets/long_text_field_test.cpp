#include "widgets/long_text_field.h"

#include "numbers/primes.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>

namespace zentaro::widgets {
namespace {

QString PrimeText(double high)
{
    return QString::fromStdString(numbers::primes::ListPrimes(numbers::primes::CandidatesBetween(1, high)).text);
}

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
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&field, &press);
    }
    void mouse(QEvent::Type type, qsizetype position, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        // Just inside the left edge of the character, measured by the font itself.
        const auto& starts = field.lineStarts();
        const auto line = std::upper_bound(starts.begin(), starts.end(), position) - starts.begin() - 1;
        const qreal margin = field.document()->documentMargin();
        const QPointF at(margin + width(starts[static_cast<std::size_t>(line)], position) + 1,
                         margin + (static_cast<qreal>(line - field.topLine()) + 0.5) *
                                      QFontMetricsF(field.font()).lineSpacing());
        QMouseEvent event(type, at, field.viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(field.viewport(), &event);
    }
    qreal width(qsizetype from, qsizetype to) const
    {
        return QFontMetricsF(field.font()).horizontalAdvance(field.toPlainText().mid(from, to - from));
    }

    LongTextField field;
};

TEST_F(LongTextFieldTest, WrapsAtBlanksAsWideAsTheFieldAllows)
{
    const QString cases[] = {PrimeText(20000), QString(500, u'x'), QStringLiteral("one\ntwo three\n\nfour"),
                             QStringLiteral("short   ") + QString(300, u'7') + QStringLiteral("   end"), QString()};
    const qreal available = field.viewport()->width() - 2 * field.document()->documentMargin();
    for (const QString& text : cases) {
        SCOPED_TRACE(text.left(40).toStdString());
        field.showText(text.toStdString());
        const auto& starts = field.lineStarts();
        ASSERT_EQ(starts.front(), 0);
        for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
            const qsizetype start = starts[k];
            const qsizetype next = starts[k + 1];
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
    field.showText(text.toStdString());
    EXPECT_EQ(field.toPlainText(), text);
    EXPECT_EQ(field.document()->firstBlock().layout()->lineCount(), 0);
    QScrollBar* bar = field.verticalScrollBar();
    const int page = field.linesInView();
    EXPECT_EQ(bar->maximum(), static_cast<int>(field.lineStarts().size()) - page);

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

    // A long text goes in pieces, each reported; it all arrives.
    const std::string longText = numbers::primes::ListPrimes(numbers::primes::CandidatesBetween(1, 1e7)).text;
    const auto size = static_cast<qsizetype>(longText.size());
    std::vector<qsizetype> reports;
    field.showText(longText, [&](qsizetype done, qsizetype total) { reports.push_back(total == size ? done : -1); });
    EXPECT_TRUE(reports.size() > 2 && reports.back() == size && std::is_sorted(reports.begin(), reports.end()));
    EXPECT_EQ(field.toPlainText(), QString::fromStdString(longText));

    // The widget's own setPlainText and clear reach the field too.
    field.setPlainText(QStringLiteral("2 3 5"));
    EXPECT_EQ(field.lineStarts().size(), 1u);
    field.clear();
    EXPECT_EQ(bar->maximum(), 0);
}

TEST_F(LongTextFieldTest, SelectsWithTheMouseAndCopiesEverything)
{
    const QString text = PrimeText(300000);
    field.showText(text.toStdString());
    key(Qt::Key_PageDown);
    const auto top = static_cast<std::size_t>(field.topLine());
    const qsizetype from = field.lineStarts()[top + 2] + 3;
    const qsizetype to = field.lineStarts()[top + 5] + 7;
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

} // namespace
} // namespace zentaro::widgets
