#include "statistics/data_entry.h"

#include "conventions/numbers.h"

#include <cstdint>

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

} // namespace

std::string xprompt(int i)
{
    return "Enter the Value of x (" + Numbered(i) + "); \"00\" to finish";
}

std::string yprompt(int i)
{
    return "Enter the Value of y (" + Numbered(i) + ")";
}

DataEntry enterdata(EntryKind kind, const AskInput& ask, const ShowList& show)
{
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
        if (i > kMaxValues)
            Raise(ErrorCode::SubscriptOutOfRange);
        const double x = ParseNumber(reply);
        entry.x.push_back(x);
        double y = 0;
        if (kind == EntryKind::Pairs) {
            y = StrictToDouble(ask(yprompt(i), kDataRequired, ""));
            entry.y.push_back(y);
        }
        entry.sx = Add(entry.sx, x);
        entry.sxx = Add(entry.sxx, Mul(x, x));
        if (kind == EntryKind::Pairs) {
            entry.sy = Add(entry.sy, y);
            entry.sxy = Add(entry.sxy, Mul(y, x));
        }
        ++i;
    }
    if (kind == EntryKind::Pairs && i != 1) {
        entry.list = std::string(kPairsHeading) + entry.list;
        show(entry.list);
    }
    return entry;
}

} // namespace zentaro::statistics
