#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QFont;

namespace zentaro::widgets {

// The widths of characters in 1/64 pixel, the unit in which the font itself
// measures, so that sums are exact and a repeated line is found again.
class CharWidths {
public:
    explicit CharWidths(const QFont& font);
    explicit CharWidths(std::function<std::int64_t(QChar)> width);

    std::int64_t operator()(QChar c) const { return c.unicode() < latin_.size() ? latin_[c.unicode()] : other_(c); }

private:
    std::array<std::int64_t, 256> latin_{};
    std::function<std::int64_t(QChar)> other_;
};

// Where the lines of a wrapped text start. The text is given as runs of one
// pattern repeated, each repeat as wide as the pattern and breaking where it
// breaks (a list of numbers with as many digits, say, or a whole text once).
// Lines are found by wrapping the patterns as a word-wrapping field does; once
// the lines of a run start to repeat, the rest of the run is laid out by
// arithmetic, so that a list of a hundred million entries in a few runs is laid
// out as fast as a page.
class LineLayout {
public:
    struct Run {
        QString pattern;
        qsizetype repeats = 1;
    };

    // One empty line.
    LineLayout();
    LineLayout(const std::vector<Run>& runs, std::int64_t width, const CharWidths& widths);

    qsizetype lineCount() const { return lines_; }
    qsizetype lineStart(qsizetype line) const;
    // The line that holds the position: the last one starting at or before it.
    qsizetype lineAt(qsizetype position) const;

private:
    class Builder;

    // Lines that start at firstChar + q·periodChars + offsets[r] for each q below
    // `periods` and each r; irregular lines are one period of their own.
    struct Block {
        qsizetype firstLine = 0;
        qsizetype firstChar = 0;
        qsizetype periodChars = 1;
        qsizetype periods = 1;
        std::vector<qsizetype> offsets;

        qsizetype lines() const { return periods * static_cast<qsizetype>(offsets.size()); }
    };
    std::vector<Block> blocks_;
    qsizetype lines_ = 1;
};

} // namespace zentaro::widgets
