#pragma once

#include "conventions/case_file.h"

namespace zentaro::algebra::testing {

using Case = cases::Case;

// The case tables in tests/data/algebra, shared with the window tests.
inline std::vector<Case> ReadCases(const std::string& name)
{
    return cases::Read("algebra/" + name, 11);
}

} // namespace zentaro::algebra::testing
