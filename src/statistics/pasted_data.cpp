#include "statistics/pasted_data.h"

#include "conventions/numbers.h"

#include <algorithm>
#include <memory>

namespace zentaro::statistics {
namespace {

constexpr std::string_view kBlanks = " \r";
// Spreadsheets and editors on Windows start a saved text with a byte-order mark.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The pieces of `text` between any of `separators`; empty pieces are kept only
// when `keepEmpty`, so that an empty cell between two tabs still counts.
std::vector<std::string_view> Split(std::string_view text, std::string_view separators, bool keepEmpty)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
        const std::string_view piece = Trimmed(text.substr(start, end - start));
        if (keepEmpty || !piece.empty())
            pieces.push_back(piece);
        start = end + 1;
    }
    return pieces;
}

std::vector<std::string_view> PairFields(std::string_view line)
{
    if (line.find('\t') != std::string_view::npos)
        return Split(line, "\t", true);
    if (line.find(';') != std::string_view::npos)
        return Split(line, ";", true);
    return Split(line, kBlanks, false);
}

// A reply is a number when a typed reply would give a value other than the 0 of
// text without one: a leading number, or a zero written as a number.
bool HoldsNumber(std::string_view reply)
{
    try {
        if (ParseNumber(reply) != 0)
            return true;
        StrictToDouble(reply);
        return true;
    } catch (const RuntimeError& error) {
        // Too large for a double is still a number; the entry reports the overflow.
        return error.code() == ErrorCode::Overflow;
    }
}

} // namespace

std::vector<PastedReply> pastedreplies(EntryKind kind, std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<PastedReply> replies;
    bool anyNumber = false;
    int i = 1;
    const auto add = [&](std::string prompt, std::string_view reply) {
        anyNumber = anyNumber || HoldsNumber(reply);
        replies.push_back({std::move(prompt), std::string(reply)});
    };
    for (const std::string_view line : Split(text, "\r\n", false)) {
        if (kind == EntryKind::Values) {
            for (const std::string_view value : Split(line, "\t; ", false)) {
                if (i <= kMaxValues + 1)
                    add(xprompt(i), value);
                else
                    anyNumber = anyNumber || HoldsNumber(value);
                ++i;
            }
            continue;
        }
        const std::vector<std::string_view> fields = PairFields(line);
        if (fields.empty() || std::all_of(fields.begin(), fields.end(), [](auto f) { return f.empty(); }))
            continue;
        if (i <= kMaxValues + 1) {
            add(xprompt(i), fields[0]);
            add(yprompt(i), fields.size() > 1 ? fields[1] : std::string_view());
        } else {
            anyNumber = anyNumber || HoldsNumber(fields[0]) || (fields.size() > 1 && HoldsNumber(fields[1]));
        }
        ++i;
    }
    if (!anyNumber)
        return {};
    if (i <= kMaxValues + 1)
        replies.push_back({xprompt(i), std::string(kFinishReply)});
    return replies;
}

AskInput answerpasted(std::vector<PastedReply> replies, AskInput otherwise)
{
    auto pending = std::make_shared<std::vector<PastedReply>>(std::move(replies));
    std::reverse(pending->begin(), pending->end());
    return [pending, otherwise = std::move(otherwise)](std::string_view prompt, std::string_view title,
                                                       std::string_view defaultReply) {
        if (pending->empty() || pending->back().prompt != prompt)
            return otherwise(prompt, title, defaultReply);
        std::string reply = std::move(pending->back().reply);
        pending->pop_back();
        return reply;
    };
}

} // namespace zentaro::statistics
