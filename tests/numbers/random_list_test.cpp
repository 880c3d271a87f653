#include "numbers/random_list.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace zentaro::numbers {
namespace {

TEST(RandomList, StartsWithTheSeedAndIsAPermutationOf0To4095)
{
    EXPECT_EQ(randomlist(0), "0");
    EXPECT_EQ(randomlist(-3), "0");
    EXPECT_EQ(randomlist(7), "0, 853, 3718, 611, 1916, 801, 2146, 1295");
    std::istringstream list(randomlist(kMostRandomNumbers));
    std::vector<int> seen(4096, 0);
    for (std::string item; std::getline(list, item, ',');)
        ++seen.at(static_cast<std::size_t>(std::stoi(item)));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 4096);
}

TEST(RandomList, CountIsRoundedAndCutAt4095)
{
    const struct {
        const char* text;
        std::int16_t count;
        std::size_t messages;
    } cases[] = {{"4095", 4095, 0}, {"4095.5", 4095, 1}, {"4094.5", 4094, 0}, {"5000", 4095, 1},
                 {"", 0, 0},        {"abc", 0, 0},       {"-7", -7, 0},       {"3.5", 4, 0}};
    std::vector<std::string> seen;
    const ShowMessage message = [&](std::string_view text, int, std::string_view) {
        seen.emplace_back(text);
        return MessageAnswer::Ok;
    };
    for (const auto& c : cases) {
        seen.clear();
        EXPECT_EQ(randomcount(c.text, message), c.count) << c.text;
        EXPECT_EQ(seen, std::vector<std::string>(c.messages, "Only 4095 numbers will be generated!")) << c.text;
    }
    EXPECT_THROW(randomcount("32767.5", {}), RuntimeError);
}

} // namespace
} // namespace zentaro::numbers
