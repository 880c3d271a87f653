#include "constants/physical_constants.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zentaro::constants {
namespace {

TEST(PhysicalConstants, ComputedTextsHave15SignificantDigits)
{
    EXPECT_EQ(naturalbase(), "2.71828182845905");
    EXPECT_EQ(pi(), "3.14159265358979");
    EXPECT_EQ(ln10(), "2.30258509299405");
    EXPECT_EQ(permeability(), " 12.5663706143592E-07 H/m");
}

// card.tsv: frame, label, caption, field, value, tab-separated, one row a line,
// with the computed values written out as the window shows them.
std::vector<std::vector<std::string>> Golden()
{
    std::ifstream in(ZENTARO_TEST_DATA_DIR "/constants/card.tsv");
    EXPECT_TRUE(in.good());
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> cells;
        std::stringstream cellsIn(line);
        for (std::string cell; std::getline(cellsIn, cell, '\t');)
            cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

TEST(PhysicalConstants, CardMatchesTheReferenceTextByText)
{
    const auto golden = Golden();
    ASSERT_EQ(golden.size(), 35u);
    ASSERT_EQ(card().size(), 35u);
    const std::map<std::string_view, std::string> computed = {
        {"etext", naturalbase()}, {"pitext", pi()}, {"ln10text", ln10()}, {"Text17", permeability()}};
    for (std::size_t i = 0; i < golden.size(); ++i) {
        const Constant& row = card()[i];
        SCOPED_TRACE(std::string(row.field));
        ASSERT_EQ(golden[i].size(), 5u);
        EXPECT_EQ(row.frame, golden[i][0]);
        EXPECT_EQ(row.label, golden[i][1]);
        EXPECT_EQ(row.caption, golden[i][2]);
        EXPECT_EQ(row.field, golden[i][3]);
        const auto found = computed.find(row.field);
        if (found != computed.end()) {
            EXPECT_EQ(row.value, "");
            EXPECT_EQ(found->second, golden[i][4]);
        } else {
            EXPECT_EQ(row.value, golden[i][4]);
        }
    }
}

TEST(PhysicalConstants, EveryControlNameIsUsedOnce)
{
    std::set<std::string_view> names;
    for (const Constant& row : card()) {
        EXPECT_TRUE(names.insert(row.label).second) << row.label;
        EXPECT_TRUE(names.insert(row.field).second) << row.field;
    }
}

} // namespace
} // namespace zentaro::constants
