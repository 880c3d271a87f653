#pragma once

#include "widgets/line_layout.h"
#include "widgets/long_text.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <memory>

namespace zentaro::widgets {

// A read-only multi-line field for a very long text, such as a list of a hundred
// million primes in one paragraph. The field need not hold the text: it asks its
// LongText for the stretch it draws, copies or saves, and lays out the lines
// from the text's shape, so that billions of characters cost the memory of a
// page. Nothing of the plain text edit lays the text out or even looks at it (a
// paragraph of millions of characters takes that layout seconds and hundreds of
// megabytes): the field wraps at blanks from the widths of the characters, draws
// the lines in view, and does its own scrolling, selection, copying and saving.
// setPlainText, clear and the plainText property work as in any plain text
// field; plainText makes the whole text when asked.
class LongTextField : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText USER true)

public:
    explicit LongTextField(QWidget* parent = nullptr);

    // Shows `text` in place of what was there, from its start.
    void setText(std::shared_ptr<const LongText> text);
    const LongText& text() const { return *text_; }
    QString toPlainText() const { return text_->text(0, text_->size()); }
    void setPlainText(const QString& text);

    qsizetype lineCount() const { return layout_.lineCount(); }
    qsizetype lineStart(qsizetype line) const { return layout_.lineStart(line); }
    // The lines that fit in the field at once.
    int linesInView() const;
    // The first line in view.
    qsizetype topLine() const { return verticalScrollBar()->value(); }
    // The text position nearest to a point of the viewport.
    qsizetype positionAt(const QPointF& point) const;

    qsizetype selectionStart() const { return std::min(anchor_, position_); }
    qsizetype selectionEnd() const { return std::max(anchor_, position_); }
    QString selectedText() const { return text_->text(selectionStart(), selectionEnd()); }
    void select(qsizetype anchor, qsizetype position);

    // Copies the selection; one of more than kAskBeforeCopying characters only
    // after the user has agreed.
    static constexpr qsizetype kAskBeforeCopying = 100'000'000;
    void copy();
    // Writes the whole text to the file in UTF-8, a piece at a time, with the
    // application waiting. Stopped by the user or by the window closing, or
    // failed, it leaves no file; when stopped, the field may be gone.
    enum class Saved { Yes, Stopped, Failed };
    Saved saveTo(const QString& path, QString* error = nullptr);
    // A save that looks like taking longer than this shows a progress dialog with Cancel.
    void setProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class ParagraphLayout;

    void documentTextChanged();
    void keepOutOfTheText();
    void relayout();
    void updateScrollRange();
    void saveAs();
    qreal widthOf(const QString& line, qsizetype from, qsizetype to) const;
    qsizetype lineEnd(qsizetype line) const;
    qreal margin() const;

    std::shared_ptr<const LongText> text_;
    std::unique_ptr<CharWidths> widths_;
    LineLayout layout_;
    int progressDelay_ = 500;
    qsizetype anchor_ = 0;
    qsizetype position_ = 0;
    bool settingText_ = false;
    bool selecting_ = false;
};

} // namespace zentaro::widgets
