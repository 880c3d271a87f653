#include "constants/physical_constants.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zentaro::constants {
namespace {

// card.tsv holds the reference card, one row a line: frame, label, caption,
// field and value, tab-separated; computed values as the window shows them.
TEST(PhysicalConstants, CardMatchesTheReferenceTextByText)
{
    const std::string computed[][2] = {
        {"etext", naturalbase()}, {"pitext", pi()}, {"ln10text", ln10()}, {"Text17", permeability()}};
    std::ifstream golden(ZENTARO_TEST_DATA_DIR "/constants/card.tsv");
    std::size_t count = 0;
    for (std::string line; std::getline(golden, line) && count < card().size(); ++count) {
        const Constant& row = card()[count];
        std::string value(row.value);
        for (const auto& [name, text] : computed)
            value += row.field == name ? text : "";
        EXPECT_EQ(std::string(row.frame) + '\t' + std::string(row.label) + '\t' + std::string(row.caption) + '\t' +
                      std::string(row.field) + '\t' + value,
                  line);
    }
    EXPECT_EQ(count, 35u);
    EXPECT_EQ(card().size(), 35u);
}

} // namespace
} // namespace zentaro::constants
