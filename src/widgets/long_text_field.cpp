#include "widgets/long_text_field.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextDocument>

#include <climits>
#include <cmath>

namespace zentaro::widgets {

// The document's layout, reduced to telling the field that the text changed. It
// lays out nothing, so the field's own drawing is all there is; the document
// reports no lines and no size, which keeps the plain text edit from scrolling,
// drawing or placing the cursor on its own.
class ParagraphLayout : public QPlainTextDocumentLayout {
public:
    ParagraphLayout(QTextDocument* document, LongTextField* field) : QPlainTextDocumentLayout(document), field_(field)
    {
    }

    QSizeF documentSize() const override { return {}; }
    QRectF blockBoundingRect(const QTextBlock&) const override { return {}; }

protected:
    void documentChanged(int, int, int) override { field_->documentTextChanged(); }

private:
    LongTextField* field_;
};

LongTextField::LongTextField(QWidget* parent)
    : QPlainTextEdit(parent), text_(std::make_shared<PlainText>()), widths_(std::make_unique<CharWidths>(font()))
{
    auto* document = new QTextDocument(this);
    document->setDocumentLayout(new ParagraphLayout(document, this));
    setDocument(document);
    keepOutOfTheText();
    // The plain text edit turns a page step of the scroll bar into a move of the
    // cursor by the lines of the layout: the scroll bar does its page steps alone.
    disconnect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, nullptr);
    viewport()->setCursor(Qt::IBeamCursor);
}

// The plain text edit's own cursor, selection and blinking all ask the block's
// layout for lines, which first goes through the whole text: it is given no
// interaction with the text at all, and the field does it instead.
void LongTextField::keepOutOfTheText()
{
    setTextInteractionFlags(Qt::NoTextInteraction);
}

qreal LongTextField::margin() const
{
    return document()->documentMargin();
}

int LongTextField::linesInView() const
{
    const qreal spacing = QFontMetricsF(font()).lineSpacing();
    return std::max(1, static_cast<int>((viewport()->height() - 2 * margin()) / spacing));
}

qreal LongTextField::widthOf(const QString& line, qsizetype from, qsizetype to) const
{
    std::int64_t width = 0;
    for (qsizetype i = from; i < to; ++i)
        width += (*widths_)(line[i]);
    return static_cast<qreal>(width) / 64;
}

qsizetype LongTextField::lineEnd(qsizetype line) const
{
    const qsizetype start = lineStart(line);
    qsizetype end = line + 1 < lineCount() ? lineStart(line + 1) : text_->size();
    if (end > start && text_->at(end - 1) == u'\n')
        --end;
    return end;
}

void LongTextField::setText(std::shared_ptr<const LongText> text)
{
    if (!document()->isEmpty()) {
        // The document holds only texts given through the plain text edit.
        settingText_ = true;
        document()->clear();
        settingText_ = false;
    }
    text_ = std::move(text);
    anchor_ = position_ = 0;
    relayout();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void LongTextField::setPlainText(const QString& text)
{
    document()->setPlainText(text);
}

void LongTextField::documentTextChanged()
{
    if (settingText_)
        return;
    text_ = std::make_shared<PlainText>(document()->toPlainText());
    anchor_ = position_ = 0;
    relayout();
    viewport()->update();
}

void LongTextField::relayout()
{
    const auto width = static_cast<std::int64_t>(std::floor((viewport()->width() - 2 * margin()) * 64));
    layout_ = LineLayout(text_->shape(), width, *widths_);
    updateScrollRange();
}

void LongTextField::updateScrollRange()
{
    const int inView = linesInView();
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, static_cast<int>(std::clamp<qsizetype>(lineCount() - inView, 0, INT_MAX)));
    bar->setPageStep(inView);
    bar->setSingleStep(1);
}

qsizetype LongTextField::positionAt(const QPointF& point) const
{
    const auto row = static_cast<qsizetype>(std::floor((point.y() - margin()) / QFontMetricsF(font()).lineSpacing()));
    const qsizetype line = std::clamp<qsizetype>(topLine() + row, 0, lineCount() - 1);
    const qsizetype start = lineStart(line);
    const QString text = text_->text(start, lineEnd(line));
    // The nearer edge of the character under the point.
    qsizetype i = 0;
    for (qreal x = margin(); i < text.size(); ++i) {
        const qreal w = static_cast<qreal>((*widths_)(text[i])) / 64;
        if (x + w / 2 > point.x())
            break;
        x += w;
    }
    return start + i;
}

void LongTextField::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const QPalette& colours = palette();
    const QFontMetricsF metrics(font());
    const qreal spacing = metrics.lineSpacing();

    qreal y = margin();
    for (qsizetype line = topLine(); line < lineCount() && y < viewport()->height(); ++line, y += spacing) {
        const qsizetype start = lineStart(line);
        const QString text = text_->text(start, lineEnd(line));
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(QPointF(margin(), y + metrics.ascent()), text);

        const qsizetype from = std::clamp<qsizetype>(selectionStart() - start, 0, text.size());
        const qsizetype to = std::clamp<qsizetype>(selectionEnd() - start, 0, text.size());
        if (from < to) {
            const qreal left = margin() + widthOf(text, 0, from);
            painter.fillRect(QRectF(left, y, widthOf(text, from, to), spacing), colours.brush(QPalette::Highlight));
            painter.setPen(colours.color(QPalette::HighlightedText));
            painter.drawText(QPointF(left, y + metrics.ascent()), text.mid(from, to - from));
        }
    }
}

void LongTextField::scrollContentsBy(int, int)
{
    viewport()->update();
}

void LongTextField::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = verticalScrollBar();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->matches(QKeySequence::SelectAll))
        select(0, text_->size());
    else if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::MoveToNextPage) || (event->key() == Qt::Key_Space && !shift))
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    else if (event->matches(QKeySequence::MoveToPreviousPage) || (event->key() == Qt::Key_Space && shift))
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    else if (event->matches(QKeySequence::MoveToNextLine))
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    else if (event->matches(QKeySequence::MoveToPreviousLine))
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (event->matches(QKeySequence::MoveToStartOfDocument) || event->key() == Qt::Key_Home)
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
    else if (event->matches(QKeySequence::MoveToEndOfDocument) || event->key() == Qt::Key_End)
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
    else
        event->ignore();
}

void LongTextField::select(qsizetype anchor, qsizetype position)
{
    anchor_ = std::clamp<qsizetype>(anchor, 0, text_->size());
    position_ = std::clamp<qsizetype>(position, 0, text_->size());
    viewport()->update();
}

void LongTextField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPlainTextEdit::mousePressEvent(event);
        return;
    }
    const qsizetype position = positionAt(event->position());
    select(event->modifiers() & Qt::ShiftModifier ? anchor_ : position, position);
    selecting_ = true;
}

void LongTextField::mouseMoveEvent(QMouseEvent* event)
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
    select(anchor_, positionAt(event->position()));
}

void LongTextField::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !selecting_) {
        QPlainTextEdit::mouseReleaseEvent(event);
        return;
    }
    selecting_ = false;
}

// A double click selects the word under the mouse: the run of characters between blanks.
void LongTextField::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    const auto isBlank = [this](qsizetype i) {
        const QChar c = text_->at(i);
        return c == u' ' || c == u'\n';
    };
    qsizetype start = positionAt(event->position());
    qsizetype end = start;
    while (start > 0 && !isBlank(start - 1))
        --start;
    while (end < text_->size() && !isBlank(end))
        ++end;
    select(start, end);
    selecting_ = false;
}

// The plain text edit sets the scroll bar from its own idea of the lines when it
// is resized, shown or restyled: the field sets it back to its own.
void LongTextField::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    relayout();
}

void LongTextField::showEvent(QShowEvent* event)
{
    QPlainTextEdit::showEvent(event);
    updateScrollRange();
}

void LongTextField::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange)
        keepOutOfTheText();
    if (event->type() == QEvent::FontChange) {
        widths_ = std::make_unique<CharWidths>(font());
        relayout();
    }
}

} // namespace zentaro::widgets
