#pragma once

#include "conventions/dialogs.h"
#include "statistics/data_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace zentaro::statistics {

inline constexpr std::string_view kNoNumbersPasted = "No numbers found in the pasted text.";

// One input box of the entry and the reply a pasted value gives it.
struct PastedReply {
    std::string prompt;
    std::string reply;
};

// The replies that typing the values of a pasted text into the input boxes
// would give, ending with the "00" that finishes the entry: for Values every
// piece of text between line breaks, tabs, semicolons and blanks; for Pairs one
// x and y from each line, split at its tabs, else its semicolons, else its runs
// of blanks (a missing y is an empty reply, as Cancel gives). Only as many
// values as the entry can take, and the one too many that it refuses, are kept.
// Empty when no piece of the text is a number.
std::vector<PastedReply> pastedreplies(EntryKind kind, std::string_view text);

// Answers each box whose prompt is the next pasted one with its reply; any
// other box the entry opens goes to `otherwise`, the user's own input box.
AskInput answerpasted(std::vector<PastedReply> replies, AskInput otherwise);

} // namespace zentaro::statistics
