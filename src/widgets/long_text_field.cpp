#include "widgets/long_text_field.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
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

LongTextField::LongTextField(QWidget* parent) : QPlainTextEdit(parent)
{
    auto* document = new QTextDocument(this);
    document->setDocumentLayout(new ParagraphLayout(document, this));
    setDocument(document);
    keepOutOfTheText();
    // The plain text edit turns a page step of the scroll bar into a move of the
    // cursor by the lines of the layout: the scroll bar does its page steps alone.
    disconnect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, nullptr);
    viewport()->setCursor(Qt::IBeamCursor);
    measureFont();
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

qreal LongTextField::lineSpacing() const
{
    return QFontMetricsF(font()).lineSpacing();
}

int LongTextField::linesInView() const
{
    return std::max(1, static_cast<int>((viewport()->height() - 2 * margin()) / lineSpacing()));
}

void LongTextField::measureFont()
{
    const QFontMetricsF metrics(font());
    for (char16_t code = 0; code < latinAdvances_.size(); ++code)
        latinAdvances_[code] = metrics.horizontalAdvance(QChar(code));
}

qreal LongTextField::advance(QChar c) const
{
    const char16_t code = c.unicode();
    return code < latinAdvances_.size() ? latinAdvances_[code] : QFontMetricsF(font()).horizontalAdvance(c);
}

qreal LongTextField::widthOf(qsizetype from, qsizetype to) const
{
    qreal width = 0;
    for (qsizetype i = from; i < to; ++i)
        width += advance(text_[i]);
    return width;
}

qsizetype LongTextField::lineEnd(qsizetype line) const
{
    const auto next = static_cast<std::size_t>(line) + 1;
    qsizetype end = next < lineStarts_.size() ? lineStarts_[next] : text_.size();
    if (end > lineStarts_[static_cast<std::size_t>(line)] && text_[end - 1] == u'\n')
        --end;
    return end;
}

void LongTextField::showText(std::string_view utf8, const Progress& progress)
{
    // The document tells of its changes in several steps; the field takes the
    // text as given, piece by piece, without reading it back. One edit block holds
    // all the pieces: outside one, each insertion has the cursor find its place in
    // the layout, which goes through all the text.
    QTextCursor end(document());
    struct Showing {
        LongTextField* field;
        QTextCursor& end;
        bool undo = field->document()->isUndoRedoEnabled();
        Showing(LongTextField* f, QTextCursor& e) : field(f), end(e)
        {
            field->showing_ = true;
            field->document()->setUndoRedoEnabled(false);
            end.beginEditBlock();
        }
        // Also when running out of memory half-way.
        ~Showing()
        {
            end.endEditBlock();
            field->document()->setUndoRedoEnabled(undo);
            field->showing_ = false;
        }
    } showing(this, end);

    end.select(QTextCursor::Document);
    end.removeSelectedText();
    text_.clear();
    text_.reserve(static_cast<qsizetype>(utf8.size()));
    anchor_ = position_ = 0;
    rewrap();
    std::size_t done = 0;
    while (done < utf8.size()) {
        // A piece ends where a character begins, never inside one.
        std::size_t cut = std::min(utf8.size(), done + kPieceBytes);
        while (cut < utf8.size() && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
            ++cut;
        const QString piece = QString::fromUtf8(utf8.data() + done, static_cast<qsizetype>(cut - done));
        end.insertText(piece);
        text_ += piece;
        wrap();
        done = cut;
        viewport()->update();
        if (progress)
            progress(static_cast<qsizetype>(done), static_cast<qsizetype>(utf8.size()));
    }
}

void LongTextField::documentTextChanged()
{
    if (showing_)
        return;
    text_ = document()->toPlainText();
    anchor_ = position_ = 0;
    rewrap();
    viewport()->update();
}

void LongTextField::rewrap()
{
    lineStarts_.assign(1, 0);
    wrap_ = {};
    wrap();
}

// Greedy wrapping as a word-wrapping field does it: a line takes whole words
// while they fit, blanks may hang past the edge, a word wider than the line is
// cut where the line is full, and a line feed ends a line. It goes on from where
// it stopped, so that a text can be wrapped as its pieces arrive.
void LongTextField::wrap()
{
    const qreal width = viewport()->width() - 2 * margin();
    const QChar* s = text_.constData();
    const qsizetype n = text_.size();
    const qreal* latin = latinAdvances_.data();
    WrapState w = wrap_;
    for (qsizetype i = w.done; i < n; ++i) {
        const QChar c = s[i];
        if (c == u'\n') {
            w.lineStart = w.wordStart = i + 1;
            lineStarts_.push_back(w.lineStart);
            w.lineWidth = w.widthBeforeWord = 0;
            continue;
        }
        const qreal advance = c.unicode() < latinAdvances_.size() ? latin[c.unicode()] : this->advance(c);
        if (c == u' ') {
            w.lineWidth += advance;
            continue;
        }
        if (i > w.lineStart && s[i - 1] == u' ') {
            w.wordStart = i;
            w.widthBeforeWord = w.lineWidth;
        }
        if (w.lineWidth + advance > width && i > w.lineStart) {
            if (w.wordStart > w.lineStart) {
                w.lineStart = w.wordStart;
                w.lineWidth -= w.widthBeforeWord;
            } else {
                w.lineStart = w.wordStart = i;
                w.lineWidth = 0;
            }
            w.widthBeforeWord = 0;
            lineStarts_.push_back(w.lineStart);
        }
        w.lineWidth += advance;
    }
    w.done = n;
    wrap_ = w;
    updateScrollRange();
}

void LongTextField::updateScrollRange()
{
    const int inView = linesInView();
    const auto lines = static_cast<qsizetype>(lineStarts_.size());
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, static_cast<int>(std::clamp<qsizetype>(lines - inView, 0, INT_MAX)));
    bar->setPageStep(inView);
    bar->setSingleStep(1);
}

qsizetype LongTextField::positionAt(const QPointF& point) const
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

void LongTextField::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const QPalette& colours = palette();
    const QFontMetricsF metrics(font());
    const qreal spacing = metrics.lineSpacing();
    const auto lines = static_cast<qsizetype>(lineStarts_.size());

    qreal y = margin();
    for (qsizetype line = topLine(); line < lines && y < viewport()->height(); ++line, y += spacing) {
        const qsizetype start = lineStarts_[static_cast<std::size_t>(line)];
        const qsizetype end = lineEnd(line);
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(QPointF(margin(), y + metrics.ascent()), text_.mid(start, end - start));

        const qsizetype from = std::max(start, selectionStart());
        const qsizetype to = std::min(end, selectionEnd());
        if (from < to) {
            const qreal left = margin() + widthOf(start, from);
            const QRectF band(left, y, widthOf(from, to), spacing);
            painter.fillRect(band, colours.brush(QPalette::Highlight));
            painter.setPen(colours.color(QPalette::HighlightedText));
            painter.drawText(QPointF(left, y + metrics.ascent()), text_.mid(from, to - from));
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
        selectTo(0, text_.size());
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

void LongTextField::selectTo(qsizetype anchor, qsizetype position)
{
    anchor_ = anchor;
    position_ = position;
    viewport()->update();
}

void LongTextField::copy() const
{
    if (selectionEnd() > selectionStart())
        QGuiApplication::clipboard()->setText(selectedText());
}

void LongTextField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copyAction = menu.addAction(QStringLiteral("&Copy"), this, &LongTextField::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(selectionEnd() > selectionStart());
    menu.addAction(QStringLiteral("Select All"), this, [this] { selectTo(0, text_.size()); })
        ->setShortcut(QKeySequence::SelectAll);
    menu.exec(event->globalPos());
}

void LongTextField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QPlainTextEdit::mousePressEvent(event);
        return;
    }
    const qsizetype position = positionAt(event->position());
    selectTo(event->modifiers() & Qt::ShiftModifier ? anchor_ : position, position);
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
    selectTo(anchor_, positionAt(event->position()));
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
void LongTextField::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    rewrap();
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
        measureFont();
        rewrap();
    }
}

} // namespace zentaro::widgets
