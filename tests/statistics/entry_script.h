#pragma once

#include "statistics/data_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zentaro::statistics::testing {

// Answers the entry's input boxes from a list of replies (nullopt is Cancel, the
// empty text) and records every prompt and every list text shown.
class EntryScript {
public:
    explicit EntryScript(std::vector<std::optional<std::string>> replies) : replies_(std::move(replies)) {}

    AskInput ask()
    {
        return [this](std::string_view prompt, std::string_view title, std::string_view defaultReply) {
            EXPECT_EQ(title, "Data Required");
            EXPECT_EQ(defaultReply, "");
            prompts.emplace_back(prompt);
            if (next_ >= replies_.size()) {
                ADD_FAILURE() << "no reply left for: " << prompt;
                return std::string("00");
            }
            return replies_[next_++].value_or("");
        };
    }
    ShowList show()
    {
        return [this](std::string_view list) { lists.emplace_back(list); };
    }
    DataEntry run(EntryKind kind) { return enterdata(kind, ask(), show()); }

    std::vector<std::string> prompts;
    std::vector<std::string> lists;

private:
    std::vector<std::optional<std::string>> replies_;
    std::size_t next_ = 0;
};

// Replies for the pairs given, each pair x then y, closed with "00".
inline std::vector<std::optional<std::string>>
PairReplies(const std::vector<std::pair<std::string, std::string>>& pairs)
{
    std::vector<std::optional<std::string>> replies;
    for (const auto& [x, y] : pairs) {
        replies.emplace_back(x);
        replies.emplace_back(y);
    }
    replies.emplace_back("00");
    return replies;
}

} // namespace zentaro::statistics::testing
