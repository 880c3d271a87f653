#include "statistics/data_entry.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"

#include <cstdint>
#include <optional>

namespace zentaro::statistics {
namespace {

// The counter is a 16-bit integer, so it is written as one.
std::string Numbered(int i)
{
    return FormatSpaced(static_cast<std::int16_t>(i));
}

std::string ListedEntry(EntryKind kind, const DataEntry& entry, std::size_t index)
{
    std::string text = FormatSpaced(entry.x[index]);
    if (kind == EntryKind::Pairs) {
        text += ',';
        text += FormatSpaced(entry.y[index]);
    }
    text += kListSeparator;
    return text;
}

// The y of pair i, asked until it is a number; nothing when the person cancels.
std::optional<double> AskY(int i, const AskInput& ask, const ShowMessage& message)
{
    for (;;) {
        const std::string reply = ask(yprompt(i), kDataRequired, "");
        if (reply.empty())
            return std::nullopt;
        if (const std::optional<double> y = StrictNumber(reply))
            return y;
        message(kNotANumber, msgstyle::kOkOnly, {});
    }
}

// The table's columns are separated by tabs, so that it lines up on screen and
// pastes into a spreadsheet as one.
std::string Row(std::initializer_list<std::string> cells)
{
    std::string row;
    for (const std::string& cell : cells)
        row += (row.empty() ? "" : "\t") + cell;
    return row;
}

} // namespace

std::string xprompt(int i)
{
    return "Enter the Value of x (" + Numbered(i) + "); \"00\" to finish";
}

std::string yprompt(int i)
{
    return "Enter the Value of y (" + Numbered(i) + ")";
}

DataEntry enterdata(EntryKind kind, const AskInput& ask, const ShowMessage& message, const ShowList& show,
                    Working working)
{
    const bool pairs = kind == EntryKind::Pairs;
    DataEntry entry;
    show(entry.list);
    int i = 1;
    std::string reply;
    while (reply != kFinishReply) {
        if (i != 1) {
            entry.list += ListedEntry(kind, entry, static_cast<std::size_t>(i - 2));
            show(entry.list);
        }
        reply = ask(xprompt(i), kDataRequired, "");
        if (reply == kFinishReply)
            continue;
        // Cancel ends the entry as "00" does; it never stands for a value.
        if (reply.empty()) {
            entry.cancelled = true;
            break;
        }
        if (i > kMaxValues)
            Raise(ErrorCode::SubscriptOutOfRange);
        const double x = ParseNumber(reply);
        double y = 0;
        if (kind == EntryKind::Pairs) {
            const std::optional<double> answer = AskY(i, ask, message);
            if (!answer) {
                entry.cancelled = true;
                break;
            }
            y = *answer;
            entry.y.push_back(y);
        }
        entry.x.push_back(x);
        const double xx = Mul(x, x);
        entry.sx = Add(entry.sx, x);
        entry.sxx = Add(entry.sxx, xx);
        double xy = 0;
        if (pairs) {
            xy = Mul(y, x);
            entry.sy = Add(entry.sy, y);
            entry.sxy = Add(entry.sxy, xy);
        }
        if (i == 1)
            working.step([&] { return pairs ? Row({"i", "x", "y", "x²", "xy"}) : Row({"i", "x", "x²"}); });
        working.step([&] {
            const std::string n = std::to_string(i);
            return pairs ? Row({n, Plain(x), Plain(y), Plain(xx), Plain(xy)}) : Row({n, Plain(x), Plain(xx)});
        });
        ++i;
    }
    // Cancel before the first value asked for nothing: nothing is recorded.
    if (entry.abandoned())
        return entry;
    if (i != 1) {
        working.step([&] {
            return pairs ? Row({"Σ", Plain(entry.sx), Plain(entry.sy), Plain(entry.sxx), Plain(entry.sxy)})
                         : Row({"Σ", Plain(entry.sx), Plain(entry.sxx)});
        });
    }
    working.step(
        [&] { return "n = " + std::to_string(entry.x.size()) + (entry.cancelled ? " (Cancel ended the entry)" : ""); });
    if (kind == EntryKind::Pairs && i != 1) {
        entry.list = std::string(kPairsHeading) + entry.list;
        show(entry.list);
    }
    return entry;
}

} // namespace zentaro::statistics
