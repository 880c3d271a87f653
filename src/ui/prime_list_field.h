#pragma once

#include <QPlainTextEdit>
#include <QScrollBar>

#include <array>
#include <vector>

namespace zentaro::ui {

// A read-only multi-line field for a very long text, such as a list of a million
// primes in one paragraph. The text lives in the document as in any plain text
// field (toPlainText, Select All and Copy work as usual), but it is not laid out
// by the document: a paragraph of millions of characters takes the document
// seconds and hundreds of megabytes, and past some 80 million characters it
// shows nothing at all. The field wraps the text itself at blanks from the
// widths of its characters, draws only the lines in view, and does its own
// scrolling and mouse selection.
class PrimeListField : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit PrimeListField(QWidget* parent = nullptr);

    // Puts the text into the document, as document()->setPlainText does, and
    // shows it as given, without reading it back from the document.
    void showText(const QString& text);

    // Where each shown line starts in the text, in order; the first is 0.
    const std::vector<qsizetype>& lineStarts() const { return lineStarts_; }
    // The lines that fit in the field at once.
    int linesInView() const;
    // The first line in view.
    qsizetype topLine() const { return verticalScrollBar()->value(); }

    // The text position nearest to a point of the viewport.
    qsizetype positionAt(const QPointF& point) const;

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

private:
    friend class ParagraphLayout;

    void documentTextChanged();
    void measureFont();
    void selectTo(qsizetype anchor, qsizetype position);
    void rewrap();
    void updateScrollRange();
    qreal advance(QChar c) const;
    qreal widthOf(qsizetype from, qsizetype to) const;
    qsizetype lineEnd(qsizetype line) const;
    qreal margin() const;
    qreal lineSpacing() const;

    QString text_;
    std::vector<qsizetype> lineStarts_{0};
    std::array<qreal, 256> latinAdvances_{};
    bool showing_ = false;
    bool selecting_ = false;
};

} // namespace zentaro::ui
