#include "numbers/random_list.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zentaro::numbers {
namespace {

struct Messages {
    std::vector<std::string> seen;
    ShowMessage callback()
    {
        return [this](std::string_view text, int, std::string_view) {
            seen.emplace_back(text);
            return MessageAnswer::Ok;
        };
    }
};

std::vector<int> Numbers(const std::string& list)
{
    std::vector<int> numbers;
    std::istringstream in(list);
    std::string item;
    while (std::getline(in, item, ','))
        numbers.push_back(std::stoi(item));
    return numbers;
}

TEST(RandomList, StartsWithTheSeedAndTheKnownSequence)
{
    const struct {
        std::int16_t count;
        const char* list;
    } cases[] = {
        {0, "0"}, {-3, "0"}, {1, "0, 853"}, {3, "0, 853, 3718, 611"}, {7, "0, 853, 3718, 611, 1916, 801, 2146, 1295"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(randomlist(c.count), c.list);
    }
}

TEST(RandomList, TheFullListIsAPermutationOf0To4095)
{
    const std::vector<int> numbers = Numbers(randomlist(kMostRandomNumbers));
    ASSERT_EQ(numbers.size(), 4096u);
    std::vector<int> seen(4096, 0);
    for (const int x : numbers) {
        ASSERT_GE(x, 0);
        ASSERT_LE(x, 4095);
        ++seen[static_cast<std::size_t>(x)];
    }
    for (int x = 0; x < 4096; ++x)
        EXPECT_EQ(seen[static_cast<std::size_t>(x)], 1) << x;
    // One more step closes the cycle at the seed.
    EXPECT_EQ(nextrandom(numbers.back()), 0);
}

TEST(RandomList, CountIsRoundedAndCutAt4095)
{
    const struct {
        const char* text;
        std::int16_t count;
        bool message;
    } cases[] = {
        {"4095", 4095, false}, {"4095.5", 4095, true}, {"4094.5", 4094, false}, {"5000", 4095, true},
        {"32767", 4095, true}, {"", 0, false},         {"abc", 0, false},       {"-7", -7, false},
        {"2.5", 2, false},     {"3.5", 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Messages messages;
        EXPECT_EQ(randomcount(c.text, messages.callback()), c.count);
        EXPECT_EQ(messages.seen, c.message ? std::vector<std::string>{"Only 4095 numbers will be generated!"}
                                           : std::vector<std::string>{});
    }
}

TEST(RandomList, CountsBeyond16BitsOverflowWithoutAMessage)
{
    for (const char* text : {"32768", "32767.5", "-32769", "1e10"}) {
        SCOPED_TRACE(text);
        Messages messages;
        EXPECT_THROW(randomcount(text, messages.callback()), RuntimeError);
        EXPECT_TRUE(messages.seen.empty());
    }
}

} // namespace
} // namespace zentaro::numbers
