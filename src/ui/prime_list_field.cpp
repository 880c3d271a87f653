#include "ui/prime_list_field.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <cmath>

namespace zentaro::ui {

// The document's layout, reduced to telling the field that the text changed. It
// lays out nothing, so the field's own drawing is all there is; the document
// reports no lines and no size, which keeps the plain text edit from scrolling,
// drawing or placing the cursor on its own.
class ParagraphLayout : public QPlainTextDocumentLayout {
public:
    ParagraphLayout(QTextDocument* document, PrimeListField* field) : QPlainTextDocumentLayout(document), field_(field)
    {
    }

    QSizeF documentSize() const override { return {}; }
    QRectF blockBoundingRect(const QTextBlock&) const override { return {}; }

protected:
    void documentChanged(int, int, int) override { field_->documentTextChanged(); }

private:
    PrimeListField* field_;
};

PrimeListField::PrimeListField(QWidget* parent) : QPlainTextEdit(parent)
{
    auto* document = new QTextDocument(this);
    document->setDocumentLayout(new ParagraphLayout(document, this));
    setDocument(document);
    // The plain text edit repaints only the spot of the cursor when the selection
    // changes, as it knows of no lines.
    connect(this, &QPlainTextEdit::selectionChanged, viewport(), qOverload<>(&QWidget::update));
    // The plain text edit turns a page step of the scroll bar into a move of the
    // cursor by the lines of the layout, and without lines it jumps to the top:
    // the scroll bar does its page steps alone.
    disconnect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, nullptr);
    measureFont();
}

qreal PrimeListField::margin() const
{
    return document()->documentMargin();
}

qreal PrimeListField::lineSpacing() const
{
    return QFontMetricsF(font()).lineSpacing();
}

int PrimeListField::linesInView() const
{
    return std::max(1, static_cast<int>((viewport()->height() - 2 * margin()) / lineSpacing()));
}

void PrimeListField::measureFont()
{
    const QFontMetricsF metrics(font());
    for (char16_t code = 0; code < latinAdvances_.size(); ++code)
        latinAdvances_[code] = metrics.horizontalAdvance(QChar(code));
}

qreal PrimeListField::advance(QChar c) const
{
    const char16_t code = c.unicode();
    return code < latinAdvances_.size() ? latinAdvances_[code] : QFontMetricsF(font()).horizontalAdvance(c);
}

qreal PrimeListField::widthOf(qsizetype from, qsizetype to) const
{
    qreal width = 0;
    for (qsizetype i = from; i < to; ++i)
        width += advance(text_[i]);
    return width;
}

qsizetype PrimeListField::lineEnd(qsizetype line) const
{
    const auto next = static_cast<std::size_t>(line) + 1;
    qsizetype end = next < lineStarts_.size() ? lineStarts_[next] : text_.size();
    if (end > lineStarts_[static_cast<std::size_t>(line)] && text_[end - 1] == u'\n')
        --end;
    return end;
}

void PrimeListField::showText(const QString& text)
{
    // The document tells of its change in more than one step; the text is taken
    // and wrapped once, at the end.
    showing_ = true;
    document()->setPlainText(text);
    showing_ = false;
    text_ = text;
    rewrap();
    viewport()->update();
}

void PrimeListField::documentTextChanged()
{
    if (showing_)
        return;
    text_ = document()->toPlainText();
    rewrap();
    viewport()->update();
}

// Greedy wrapping as a word-wrapping field does it: a line takes whole words
// while they fit, blanks may hang past the edge, a word wider than the line is
// cut where the line is full, and a line feed ends a line.
void PrimeListField::rewrap()
{
    lineStarts_.assign(1, 0);
    const qreal width = viewport()->width() - 2 * margin();
    const QChar* s = text_.constData();
    const qsizetype n = text_.size();
    const qreal* latin = latinAdvances_.data();
    qsizetype lineStart = 0;
    qsizetype wordStart = 0;
    qreal lineWidth = 0;
    qreal widthBeforeWord = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s[i];
        if (c == u'\n') {
            lineStart = wordStart = i + 1;
            lineStarts_.push_back(lineStart);
            lineWidth = widthBeforeWord = 0;
            continue;
        }
        const qreal w = c.unicode() < latinAdvances_.size() ? latin[c.unicode()] : advance(c);
        if (c == u' ') {
            lineWidth += w;
            continue;
        }
        if (i > lineStart && s[i - 1] == u' ') {
            wordStart = i;
            widthBeforeWord = lineWidth;
        }
        if (lineWidth + w > width && i > lineStart) {
            if (wordStart > lineStart) {
                lineStart = wordStart;
                lineWidth -= widthBeforeWord;
            } else {
                lineStart = wordStart = i;
                lineWidth = 0;
            }
            widthBeforeWord = 0;
            lineStarts_.push_back(lineStart);
        }
        lineWidth += w;
    }
    updateScrollRange();
}

void PrimeListField::updateScrollRange()
{
    const int inView = linesInView();
    const auto lines = static_cast<qsizetype>(lineStarts_.size());
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, static_cast<int>(std::clamp<qsizetype>(lines - inView, 0, INT_MAX)));
    bar->setPageStep(inView);
    bar->setSingleStep(1);
}

qsizetype PrimeListField::positionAt(const QPointF& point) const
{
    const qsizetype lines = static_cast<qsizetype>(lineStarts_.size());
    const auto row = static_cast<qsizetype>(std::floor((point.y() - margin()) / lineSpacing()));
    const qsizetype line = std::clamp<qsizetype>(topLine() + row, 0, lines - 1);
    const qsizetype end = lineEnd(line);
    qsizetype position = lineStarts_[static_cast<std::size_t>(line)];
    // The nearer edge of the character under the point.
    for (qreal x = margin(); position < end; ++position) {
        const qreal w = advance(text_[position]);
        if (x + w / 2 > point.x())
            break;
        x += w;
    }
    return position;
}

void PrimeListField::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const QPalette& colours = palette();
    const QFontMetricsF metrics(font());
    const qreal spacing = metrics.lineSpacing();
    const QTextCursor cursor = textCursor();
    const qsizetype selectionStart = cursor.hasSelection() ? cursor.selectionStart() : -1;
    const qsizetype selectionEnd = cursor.hasSelection() ? cursor.selectionEnd() : -1;
    const auto lines = static_cast<qsizetype>(lineStarts_.size());

    qreal y = margin();
    for (qsizetype line = topLine(); line < lines && y < viewport()->height(); ++line, y += spacing) {
        const qsizetype start = lineStarts_[static_cast<std::size_t>(line)];
        const qsizetype end = lineEnd(line);
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(QPointF(margin(), y + metrics.ascent()), text_.mid(start, end - start));

        const qsizetype from = std::max(start, selectionStart);
        const qsizetype to = std::min(end, selectionEnd);
        if (from < to) {
            const qreal left = margin() + widthOf(start, from);
            const QRectF band(left, y, widthOf(from, to), spacing);
            painter.fillRect(band, colours.brush(QPalette::Highlight));
            painter.setPen(colours.color(QPalette::HighlightedText));
            painter.drawText(QPointF(left, y + metrics.ascent()), text_.mid(from, to - from));
        }
    }
}

void PrimeListField::scrollContentsBy(int, int)
{
    viewport()->update();
}

void PrimeListField::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::MoveToStartOfDocument)) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
        // Page and line keys scroll, Select All and Copy work on the document.
        QPlainTextEdit::keyPressEvent(event);
    }
}

void PrimeListField::selectTo(qsizetype anchor, qsizetype position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(static_cast<int>(anchor));
    cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

// The plain text edit finds the mouse in the lines of the document's layout,
// which has none here: the field places the cursor itself.
void PrimeListField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPlainTextEdit::mousePressEvent(event);
        return;
    }
    const qsizetype position = positionAt(event->position());
    selectTo(event->modifiers() & Qt::ShiftModifier ? textCursor().anchor() : position, position);
    selecting_ = true;
}

void PrimeListField::mouseMoveEvent(QMouseEvent* event)
{
    if (!selecting_ || !(event->buttons() & Qt::LeftButton)) {
        QPlainTextEdit::mouseMoveEvent(event);
        return;
    }
    // Dragging past the top or the bottom scrolls a line at a time.
    if (event->position().y() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (event->position().y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    selectTo(textCursor().anchor(), positionAt(event->position()));
}

void PrimeListField::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !selecting_) {
        QPlainTextEdit::mouseReleaseEvent(event);
        return;
    }
    selecting_ = false;
}

// A double click selects the word under the mouse: the run of characters between blanks.
void PrimeListField::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    qsizetype start = positionAt(event->position());
    qsizetype end = start;
    const auto isBlank = [this](qsizetype i) { return text_[i] == u' ' || text_[i] == u'\n'; };
    while (start > 0 && !isBlank(start - 1))
        --start;
    while (end < text_.size() && !isBlank(end))
        ++end;
    selectTo(start, end);
    selecting_ = false;
}

// The plain text edit sets the scroll bar from its own idea of the lines when it
// is resized, shown or restyled: the field sets it back to its own.
void PrimeListField::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    rewrap();
}

void PrimeListField::showEvent(QShowEvent* event)
{
    QPlainTextEdit::showEvent(event);
    updateScrollRange();
}

void PrimeListField::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureFont();
        rewrap();
    }
}

} // namespace zentaro::ui
