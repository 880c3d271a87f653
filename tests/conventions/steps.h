#pragma once

// An answer checked against the last step of the working that gave it.

#include "conventions/working.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentaro::steps {

// The answer, with a complaint after it unless the working ends with it, so that
// a case table that compares answers also checks the working's last line.
inline std::string EndingWith(const std::string& answer, const std::vector<std::string>& recorded)
{
    if (!recorded.empty() && recorded.back().ends_with(answer))
        return answer;
    return answer + " [the working ends '" + (recorded.empty() ? "" : recorded.back()) + "']";
}

} // namespace zentaro::steps
