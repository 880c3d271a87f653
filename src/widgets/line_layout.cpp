#include "widgets/line_layout.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace zentaro::widgets {
namespace {

std::int64_t InSixtyFourths(qreal pixels)
{
    return std::llround(pixels * 64);
}

// A repeat of a pattern is looked for among this many pattern starts of a run;
// lines of a run repeat after a few patterns, or never.
constexpr std::size_t kMostRemembered = 256;

} // namespace

CharWidths::CharWidths(const QFont& font)
{
    const QFontMetricsF metrics(font);
    for (char16_t code = 0; code < latin_.size(); ++code)
        latin_[code] = InSixtyFourths(metrics.horizontalAdvance(QChar(code)));
    other_ = [metrics](QChar c) { return InSixtyFourths(metrics.horizontalAdvance(c)); };
}

CharWidths::CharWidths(std::function<std::int64_t(QChar)> width) : other_(std::move(width))
{
    for (char16_t code = 0; code < latin_.size(); ++code)
        latin_[code] = other_(QChar(code));
}

// Greedy wrapping: a line takes whole words while they fit, blanks may hang past
// the edge, a word wider than the line is cut where the line is full, and a line
// feed ends a line.
class LineLayout::Builder {
public:
    Builder(std::vector<Block>& blocks, std::int64_t width) : blocks_(blocks), width_(width) { addLine(0); }

    void run(const Run& run, const CharWidths& widths)
    {
        const qsizetype length = run.pattern.size();
        if (length == 0 || run.repeats <= 0)
            return;
        std::vector<std::int64_t> advances(static_cast<std::size_t>(length));
        for (qsizetype i = 0; i < length; ++i)
            advances[static_cast<std::size_t>(i)] = widths(run.pattern[i]);

        // The state at the start of each repeat, seen from there, with the repeat
        // and the lines so far: the same state again means the same lines again.
        struct Seen {
            Relative state;
            qsizetype repeat;
            qsizetype lines;
        };
        std::vector<Seen> seen;
        for (qsizetype repeat = 0; repeat < run.repeats; ++repeat) {
            const Relative now = relative();
            const auto again = std::find_if(seen.begin(), seen.end(), [&](const Seen& s) { return s.state == now; });
            if (again != seen.end()) {
                const qsizetype period = repeat - again->repeat;
                const qsizetype periods = (run.repeats - repeat) / period;
                if (lines_ > again->lines && periods > 0) {
                    repeatLines(lines_ - again->lines, period * length, periods);
                    repeat += periods * period;
                    seen.clear();
                    if (repeat == run.repeats)
                        break;
                }
            } else if (seen.size() < kMostRemembered) {
                seen.push_back({now, repeat, lines_});
            }
            const QChar* s = run.pattern.constData();
            for (qsizetype i = 0; i < length; ++i)
                step(s[i], advances[static_cast<std::size_t>(i)]);
        }
    }

    qsizetype lines() const { return lines_; }

private:
    using Relative = std::tuple<qsizetype, qsizetype, std::int64_t, std::int64_t, bool>;
    Relative relative() const
    {
        return {at_ - lineStart_, at_ - wordStart_, lineWidth_, widthBeforeWord_, afterBlank_};
    }

    void step(QChar c, std::int64_t advance)
    {
        const qsizetype i = at_++;
        if (c == u'\n') {
            lineStart_ = wordStart_ = i + 1;
            lineWidth_ = widthBeforeWord_ = 0;
            afterBlank_ = false;
            addLine(lineStart_);
            return;
        }
        if (c == u' ') {
            lineWidth_ += advance;
            afterBlank_ = true;
            return;
        }
        if (i > lineStart_ && afterBlank_) {
            wordStart_ = i;
            widthBeforeWord_ = lineWidth_;
        }
        afterBlank_ = false;
        if (lineWidth_ + advance > width_ && i > lineStart_) {
            if (wordStart_ > lineStart_) {
                lineStart_ = wordStart_;
                lineWidth_ -= widthBeforeWord_;
            } else {
                lineStart_ = wordStart_ = i;
                lineWidth_ = 0;
            }
            widthBeforeWord_ = 0;
            addLine(lineStart_);
        }
        lineWidth_ += advance;
    }

    void addLine(qsizetype start)
    {
        if (blocks_.empty() || blocks_.back().periods > 1)
            blocks_.push_back({lines_, start, 1, 1, {}});
        Block& open = blocks_.back();
        open.offsets.push_back(start - open.firstChar);
        ++lines_;
    }

    // The last `count` lines come round again `periods` more times, each time
    // `chars` further on: they become a block of their own, and wrapping goes on
    // after the last of them.
    void repeatLines(qsizetype count, qsizetype chars, qsizetype periods)
    {
        Block& open = blocks_.back();
        const auto first = open.offsets.end() - count;
        Block repeated{lines_ - count, open.firstChar + *first, chars, periods + 1, {}};
        for (auto offset = first; offset != open.offsets.end(); ++offset)
            repeated.offsets.push_back(*offset - *first);
        open.offsets.erase(first, open.offsets.end());
        if (open.offsets.empty())
            blocks_.pop_back();
        blocks_.push_back(std::move(repeated));
        const qsizetype shift = chars * periods;
        at_ += shift;
        lineStart_ += shift;
        wordStart_ += shift;
        lines_ += count * periods;
    }

    std::vector<Block>& blocks_;
    const std::int64_t width_;
    qsizetype lines_ = 0;
    qsizetype at_ = 0;
    qsizetype lineStart_ = 0;
    qsizetype wordStart_ = 0;
    std::int64_t lineWidth_ = 0;
    std::int64_t widthBeforeWord_ = 0;
    bool afterBlank_ = false;
};

LineLayout::LineLayout() : blocks_{{0, 0, 1, 1, {0}}} {}

LineLayout::LineLayout(const std::vector<Run>& runs, std::int64_t width, const CharWidths& widths)
{
    Builder builder(blocks_, width);
    for (const Run& run : runs)
        builder.run(run, widths);
    lines_ = builder.lines();
}

qsizetype LineLayout::lineStart(qsizetype line) const
{
    const auto after = std::upper_bound(blocks_.begin(), blocks_.end(), line,
                                        [](qsizetype l, const Block& b) { return l < b.firstLine; });
    const Block& b = *(after - 1);
    const auto period = static_cast<qsizetype>(b.offsets.size());
    const qsizetype k = line - b.firstLine;
    return b.firstChar + k / period * b.periodChars + b.offsets[static_cast<std::size_t>(k % period)];
}

qsizetype LineLayout::lineAt(qsizetype position) const
{
    auto after = std::upper_bound(blocks_.begin(), blocks_.end(), position,
                                  [](qsizetype p, const Block& b) { return p < b.firstChar; });
    if (after == blocks_.begin())
        return 0;
    const Block& b = *(after - 1);
    const qsizetype q = std::min((position - b.firstChar) / b.periodChars, b.periods - 1);
    const qsizetype inPeriod = position - b.firstChar - q * b.periodChars;
    const auto r = std::upper_bound(b.offsets.begin(), b.offsets.end(), inPeriod) - b.offsets.begin() - 1;
    return b.firstLine + q * static_cast<qsizetype>(b.offsets.size()) + r;
}

} // namespace zentaro::widgets
