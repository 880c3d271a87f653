#pragma once

#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace zentaro::widgets {

// A read-only multi-line field for a very long text, such as a list of a million
// primes in one paragraph. The text lives in the document as in any plain text
// field (toPlainText, setPlainText and clear work as usual), but nothing of the
// plain text edit ever lays it out or even looks at its layout: a paragraph of
// millions of characters takes that layout seconds and hundreds of megabytes,
// and past some 80 million characters it shows nothing at all. The field wraps
// the text itself at blanks from the widths of its characters, draws only the
// lines in view, and does its own scrolling, selection and copying.
class LongTextField : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit LongTextField(QWidget* parent = nullptr);

    // Told how much of a text is shown, in bytes of its UTF-8, out of how much.
    using Progress = std::function<void(qsizetype done, qsizetype total)>;

    // Puts the text into the document in place of what was there, as
    // document()->setPlainText does, and shows it. A long text goes in pieces of
    // a few megabytes, each followed by a report, so that the caller can keep
    // the application answering while it goes in.
    void showText(std::string_view utf8, const Progress& progress = {});

    // Where each shown line starts in the text, in order; the first is 0.
    const std::vector<qsizetype>& lineStarts() const { return lineStarts_; }
    // The lines that fit in the field at once.
    int linesInView() const;
    // The first line in view.
    qsizetype topLine() const { return verticalScrollBar()->value(); }

    // The text position nearest to a point of the viewport.
    qsizetype positionAt(const QPointF& point) const;

    qsizetype selectionStart() const { return std::min(anchor_, position_); }
    qsizetype selectionEnd() const { return std::max(anchor_, position_); }
    QString selectedText() const { return text_.mid(selectionStart(), selectionEnd() - selectionStart()); }

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
    void measureFont();
    void selectTo(qsizetype anchor, qsizetype position);
    void copy() const;
    void keepOutOfTheText();
    void rewrap();
    void wrap();
    void updateScrollRange();
    qreal advance(QChar c) const;
    qreal widthOf(qsizetype from, qsizetype to) const;
    qsizetype lineEnd(qsizetype line) const;
    qreal margin() const;
    qreal lineSpacing() const;

    static constexpr std::size_t kPieceBytes = std::size_t{4} << 20;

    // Where wrapping stopped: the text up to `done` is in lines.
    struct WrapState {
        qsizetype done = 0;
        qsizetype lineStart = 0;
        qsizetype wordStart = 0;
        qreal lineWidth = 0;
        qreal widthBeforeWord = 0;
    };

    QString text_;
    WrapState wrap_;
    std::vector<qsizetype> lineStarts_{0};
    std::array<qreal, 256> latinAdvances_{};
    qsizetype anchor_ = 0;
    qsizetype position_ = 0;
    bool showing_ = false;
    bool selecting_ = false;
};

} // namespace zentaro::widgets
