#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zentaro::algebra::testing {

// One line of a case table in tests/data/algebra: "inputs | expected". Inputs are
// blank-separated; "_" stands for an empty field. Lines starting '#' are comments.
struct Case {
    std::vector<std::string> inputs;
    std::string expected;
    std::string where;
};

inline std::vector<Case> ReadCases(const std::string& name)
{
    std::ifstream file(std::string(ZENTARO_TEST_DATA_DIR) + "/algebra/" + name);
    std::vector<Case> cases;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        const auto bar = line.find(" | ");
        if (line.empty() || line[0] == '#' || bar == std::string::npos)
            continue;
        Case c{{}, line.substr(bar + 3), name + ":" + std::to_string(number)};
        std::istringstream in(line.substr(0, bar));
        for (std::string token; in >> token;)
            c.inputs.push_back(token == "_" ? "" : token);
        cases.push_back(c);
    }
    EXPECT_GT(cases.size(), 10u) << name;
    return cases;
}

} // namespace zentaro::algebra::testing
