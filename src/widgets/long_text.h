#pragma once

#include "widgets/line_layout.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <vector>

namespace zentaro::widgets {

// A text that need not be held: its characters are made on demand, a stretch at
// a time, and its shape (runs of one pattern repeated) is enough to lay it out.
class LongText {
public:
    virtual ~LongText() = default;

    // Characters in UTF-16.
    virtual qsizetype size() const = 0;
    // Writes the characters [from, from + n) of the text, which must lie in it.
    virtual void read(qsizetype from, qsizetype n, char16_t* out) const = 0;
    // The text as runs of patterns, each repeat as wide as its pattern and with
    // its blanks and line feeds where the pattern has them.
    virtual std::vector<LineLayout::Run> shape() const = 0;

    // The characters [from, to) in UTF-8, a piece at a time; a sink answering
    // false stops the writing, which then answers false.
    using Sink = std::function<bool(QByteArrayView)>;
    virtual bool write(qsizetype from, qsizetype to, const Sink& sink) const;

    QString text(qsizetype from, qsizetype to) const;
    QChar at(qsizetype position) const;
};

// A text held as it is.
class PlainText : public LongText {
public:
    explicit PlainText(QString text = {}) : text_(std::move(text)) {}

    qsizetype size() const override { return text_.size(); }
    void read(qsizetype from, qsizetype n, char16_t* out) const override;
    std::vector<LineLayout::Run> shape() const override { return {{text_, 1}}; }

private:
    QString text_;
};

} // namespace zentaro::widgets
