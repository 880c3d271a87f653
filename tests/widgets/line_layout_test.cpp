#include "widgets/line_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace zentaro::widgets {
namespace {

// Greedy wrapping of a whole text, character by character, written apart from
// the layout: the line starts.
std::vector<qsizetype> WrapWhole(const QString& s, std::int64_t width, const CharWidths& widthOf)
{
    std::vector<qsizetype> starts{0};
    qsizetype lineStart = 0, wordStart = 0;
    std::int64_t used = 0, beforeWord = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\n') {
            starts.push_back(lineStart = wordStart = i + 1);
            used = beforeWord = 0;
            continue;
        }
        const std::int64_t w = widthOf(s[i]);
        if (s[i] != u' ') {
            if (i > lineStart && s[i - 1] == u' ') {
                wordStart = i;
                beforeWord = used;
            }
            if (used + w > width && i > lineStart) {
                // Back to the start of the word, or a cut where the line is full.
                used = wordStart > lineStart ? used - beforeWord : 0;
                lineStart = wordStart = wordStart > lineStart ? wordStart : i;
                beforeWord = 0;
                starts.push_back(lineStart);
            }
        }
        used += w;
    }
    return starts;
}

TEST(LineLayout, RepeatedRunsLayOutAsTheirWholeText)
{
    const CharWidths widths([](QChar c) -> std::int64_t {
        return c == u' ' ? 178 : c.isDigit() ? 356 : c.unicode() == 0xA4 ? 320 : 300 + c.unicode() % 7 * 20;
    });
    std::mt19937 random(15);
    const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int t = 0; t < 400; ++t) {
        std::vector<LineLayout::Run> runs;
        QString whole;
        for (int r = 1 + below(4); r > 0; --r) {
            QString pattern;
            switch (below(4)) {
            case 0: // a list entry
                pattern = QStringLiteral("\u00A4   ") + QString(1 + below(10), u'0') + QStringLiteral("   ");
                break;
            case 1: // words, blanks and line feeds
                for (int i = 1 + below(12); i > 0; --i) {
                    const int x = below(10);
                    pattern += x < 3 ? QChar(u' ') : x == 3 ? QChar(u'\n') : QChar(u'a' + x);
                }
                break;
            case 2: // a word that may be wider than the line
                pattern = QString(1 + below(40), u'x');
                break;
            default:
                pattern = QStringLiteral("ab  ");
            }
            const qsizetype repeats = 1 + below(t % 10 == 0 ? 3000 : 60);
            runs.push_back({pattern, repeats});
            whole += pattern.repeated(repeats);
        }
        const std::int64_t width = 64 * (5 + below(500));
        SCOPED_TRACE(t);
        const LineLayout layout(runs, width, widths);
        const std::vector<qsizetype> expected = WrapWhole(whole, width, widths);
        ASSERT_EQ(layout.lineCount(), static_cast<qsizetype>(expected.size()));
        for (qsizetype line = 0; line < layout.lineCount(); ++line)
            ASSERT_EQ(layout.lineStart(line), expected[static_cast<std::size_t>(line)]) << line;
        for (qsizetype p = 0; p <= whole.size(); p += 1 + p % 5) {
            const auto line = std::upper_bound(expected.begin(), expected.end(), p) - expected.begin() - 1;
            ASSERT_EQ(layout.lineAt(p), line) << p;
        }
    }
}

} // namespace
} // namespace zentaro::widgets
