#include "ui/prime_list_field.h"

#include "numbers/primes.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace zentaro::ui {
namespace {

QString PrimeText(double high)
{
    return QString::fromStdString(numbers::primes::ListPrimes(numbers::primes::CandidatesBetween(1, high)).text);
}

class PrimeListFieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        field = std::make_unique<PrimeListField>();
        field->setGeometry(0, 0, 464, 278);
        QFont font(QStringLiteral("Arial"), 9);
        font.setStyleStrategy(QFont::PreferNoShaping);
        font.setKerning(false);
        field->setFont(font);
        field->setReadOnly(true);
        field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        field->show();
        QApplication::processEvents();
    }

    void show(const QString& text)
    {
        field->document()->setPlainText(text);
        QApplication::processEvents();
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(field.get(), &press);
    }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        QMouseEvent event(type, at, field->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(field->viewport(), &event);
    }

    // The width of a piece of text as the font measures it, independent of the
    // field's own sums.
    qreal width(const QString& text, qsizetype from, qsizetype to) const
    {
        return QFontMetricsF(field->font()).horizontalAdvance(text.mid(from, to - from));
    }

    // A point just inside the left edge of a shown character, in the viewport.
    QPointF pointOf(qsizetype position) const
    {
        const auto& starts = field->lineStarts();
        const auto line = std::upper_bound(starts.begin(), starts.end(), position) - starts.begin() - 1;
        const QString text = field->toPlainText();
        const qreal margin = field->document()->documentMargin();
        const qreal spacing = QFontMetricsF(field->font()).lineSpacing();
        const qsizetype start = starts[static_cast<std::size_t>(line)];
        return {margin + width(text, start, position) + 1,
                margin + (static_cast<qreal>(line - field->topLine()) + 0.5) * spacing};
    }

    std::unique_ptr<PrimeListField> field;
};

TEST_F(PrimeListFieldTest, WrapsAtBlanksAsWideAsTheFieldAllows)
{
    const QString cases[] = {
        PrimeText(20000),
        QStringLiteral("a b c"),
        QString(500, u'x'),
        QStringLiteral("short   ") + QString(300, u'7') + QStringLiteral("   end"),
        QStringLiteral("one\ntwo three\n\nfour"),
        QString(),
        QString(2000, u' ') + QStringLiteral("x"),
    };
    const qreal available = field->viewport()->width() - 2 * field->document()->documentMargin();
    for (const QString& text : cases) {
        SCOPED_TRACE(text.left(40).toStdString());
        show(text);
        const auto& starts = field->lineStarts();
        ASSERT_FALSE(starts.empty());
        EXPECT_EQ(starts.front(), 0);
        for (std::size_t k = 0; k < starts.size(); ++k) {
            const qsizetype start = starts[k];
            const qsizetype next = k + 1 < starts.size() ? starts[k + 1] : text.size();
            if (k + 1 < starts.size()) {
                ASSERT_LT(start, next);
            }
            const QString line = text.mid(start, next - start);
            const bool endsWithFeed = line.endsWith(u'\n');
            QString visible = QString(line).remove(u'\n');
            while (visible.endsWith(u' '))
                visible.chop(1);
            const bool oneWord = !visible.trimmed().contains(u' ');
            // Only a word wider than the field may pass its edge, and then alone.
            if (!oneWord) {
                EXPECT_LE(width(text, start, start + visible.size()), available + 0.01) << "line " << k;
            }
            if (k + 1 == starts.size() || endsWithFeed)
                continue;
            // A line breaks after a blank unless a single word is cut.
            if (text[next - 1] != u' ') {
                EXPECT_TRUE(oneWord) << "line " << k << " cut inside a word";
            }
            // The next word did not fit.
            qsizetype wordEnd = next;
            while (wordEnd < text.size() && text[wordEnd] != u' ' && text[wordEnd] != u'\n')
                ++wordEnd;
            if (text[next - 1] == u' ') {
                EXPECT_GT(width(text, start, wordEnd), available - 0.01) << "line " << k << " could hold more";
            }
        }
    }
}

TEST_F(PrimeListFieldTest, HoldsTheWholeTextAndLaysNothingOut)
{
    const QString text = PrimeText(1000000);
    show(text);
    EXPECT_EQ(field->toPlainText(), text);
    EXPECT_EQ(field->document()->firstBlock().layout()->lineCount(), 0);
    EXPECT_GT(field->lineStarts().size(), 1000u);
    EXPECT_EQ(field->verticalScrollBar()->maximum(),
              static_cast<int>(field->lineStarts().size()) - field->linesInView());
    EXPECT_EQ(field->verticalScrollBar()->pageStep(), field->linesInView());

    // The widget's own setPlainText and clear reach the field as well.
    field->setPlainText(QStringLiteral("2 3 5"));
    EXPECT_EQ(field->lineStarts().size(), 1u);
    field->clear();
    EXPECT_EQ(field->toPlainText(), "");
    EXPECT_EQ(field->verticalScrollBar()->maximum(), 0);
}

TEST_F(PrimeListFieldTest, ScrollsByKeysAndWheel)
{
    show(PrimeText(300000));
    QScrollBar* bar = field->verticalScrollBar();
    const int page = field->linesInView();
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int top;
    } steps[] = {
        {Qt::Key_PageDown, Qt::NoModifier, page},
        {Qt::Key_PageDown, Qt::NoModifier, 2 * page},
        {Qt::Key_Down, Qt::NoModifier, 2 * page + 1},
        {Qt::Key_Up, Qt::NoModifier, 2 * page},
        {Qt::Key_PageUp, Qt::NoModifier, page},
        {Qt::Key_End, Qt::ControlModifier, bar->maximum()},
        {Qt::Key_PageDown, Qt::NoModifier, bar->maximum()},
        {Qt::Key_Home, Qt::ControlModifier, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key);
        key(step.key, step.modifiers);
        EXPECT_EQ(bar->value(), step.top);
        EXPECT_EQ(field->topLine(), step.top);
    }
    // Clicks in the scroll bar's trough page as the keys do.
    bar->setValue(3 * page);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(field->topLine(), 2 * page);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(field->topLine(), 3 * page);

    bar->setValue(0);
    QWheelEvent wheel(QPointF(50, 50), field->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(field->viewport(), &wheel);
    EXPECT_GT(bar->value(), 0);
}

TEST_F(PrimeListFieldTest, SelectsWithTheMouseAndCopiesEverything)
{
    const QString text = PrimeText(300000);
    show(text);
    key(Qt::Key_PageDown);
    const auto& starts = field->lineStarts();
    const qsizetype from = starts[static_cast<std::size_t>(field->topLine()) + 2] + 3;
    const qsizetype to = starts[static_cast<std::size_t>(field->topLine()) + 5] + 7;

    mouse(QEvent::MouseButtonPress, pointOf(from));
    mouse(QEvent::MouseMove, pointOf(to));
    mouse(QEvent::MouseButtonRelease, pointOf(to), Qt::NoButton);
    EXPECT_EQ(field->textCursor().selectionStart(), from);
    EXPECT_EQ(field->textCursor().selectionEnd(), to);

    // A double click on a prime selects it.
    const qsizetype prime = text.indexOf(QStringLiteral("   1009   ")) + 3;
    field->verticalScrollBar()->setValue(0);
    mouse(QEvent::MouseButtonDblClick, pointOf(prime + 1));
    EXPECT_EQ(field->textCursor().selectedText(), "1009");

    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
}

} // namespace
} // namespace zentaro::ui
