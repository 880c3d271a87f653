#pragma once

// What the working tests need: the steps a computation records, compared line
// by line with steps worked by hand, and an answer checked against the last step.

#include "conventions/working.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zentaro::steps {

inline void ExpectLines(const std::vector<std::string>& recorded, const std::vector<std::string>& byHand)
{
    for (std::size_t i = 0; i < std::max(recorded.size(), byHand.size()); ++i) {
        EXPECT_EQ(i < recorded.size() ? recorded[i] : "(no line)", i < byHand.size() ? byHand[i] : "(no line)")
            << "line " << i + 1;
    }
}

// The answer, with a complaint after it unless the working ends with it, so that
// a case table that compares answers also checks the working's last line.
inline std::string EndingWith(const std::string& answer, const std::vector<std::string>& recorded)
{
    if (!recorded.empty() && recorded.back().ends_with(answer))
        return answer;
    return answer + " [the working ends '" + (recorded.empty() ? "" : recorded.back()) + "']";
}

} // namespace zentaro::steps
