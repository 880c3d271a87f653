#include "largenum/addsub.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zentaro::largenum {
namespace {

struct Messages {
    std::vector<std::string> seen;
    ShowMessage callback()
    {
        return [this](std::string_view text, int style, std::string_view title) {
            EXPECT_EQ(style, msgstyle::kOkOnly);
            EXPECT_TRUE(title.empty());
            seen.emplace_back(text);
            return MessageAnswer::Ok;
        };
    }
};

// An independent check: numbers held as base-10^9 limbs, least significant first.
using Limbs = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimb = 1000000000;

Limbs ToLimbs(const std::string& digits)
{
    Limbs limbs;
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t begin = end >= 9 ? end - 9 : 0;
        limbs.push_back(static_cast<std::uint32_t>(std::stoul(digits.substr(begin, end - begin))));
        end = begin;
    }
    while (!limbs.empty() && limbs.back() == 0)
        limbs.pop_back();
    return limbs;
}

std::string FromLimbs(const Limbs& limbs)
{
    if (limbs.empty())
        return "0";
    std::string text = std::to_string(limbs.back());
    for (std::size_t i = limbs.size() - 1; i-- > 0;) {
        const std::string part = std::to_string(limbs[i]);
        text += std::string(9 - part.size(), '0') + part;
    }
    return text;
}

int Compare(const Limbs& a, const Limbs& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    return 0;
}

Limbs Sum(const Limbs& a, const Limbs& b)
{
    Limbs sum;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        const std::uint64_t s = carry + (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0);
        sum.push_back(static_cast<std::uint32_t>(s % kLimb));
        carry = s / kLimb;
    }
    return sum;
}

// a - b for a >= b.
Limbs Difference(const Limbs& a, const Limbs& b)
{
    Limbs difference;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::int64_t d = static_cast<std::int64_t>(a[i]) - (i < b.size() ? b[i] : 0) - borrow;
        borrow = d < 0 ? 1 : 0;
        difference.push_back(static_cast<std::uint32_t>(d + borrow * kLimb));
    }
    while (!difference.empty() && difference.back() == 0)
        difference.pop_back();
    return difference;
}

std::string ExpectedDifference(const std::string& a, const std::string& b)
{
    const Limbs x = ToLimbs(a);
    const Limbs y = ToLimbs(b);
    if (Compare(x, y) >= 0)
        return FromLimbs(Difference(x, y));
    std::string negative = FromLimbs(Difference(y, x));
    negative.insert(negative.begin(), '-');
    return negative;
}

std::string RandomDigits(std::mt19937& random, std::size_t length)
{
    std::uniform_int_distribution<int> digit(0, 9);
    std::string digits(length, '0');
    for (char& c : digits)
        c = static_cast<char>('0' + digit(random));
    return digits;
}

TEST(AddSub, WorkedExamples)
{
    const struct {
        const char* a;
        const char* b;
        const char* sum;
        const char* difference;
    } cases[] = {
        {"999", "1", "1000", "998"},
        {"123456789012345678901234567890", "987654321098765432109876543210", "1111111110111111111011111111100",
         "-864197532086419753208641975320"},
        {"0", "0", "0", "0"},
        {"1000", "1", "1001", "999"},
        {"5", "12", "17", "-7"},
        {"7", "7", "14", "0"},
        {"5", "5", "10", "0"},
        {"0", "3", "3", "-3"},
        {"0099", "1", "100", "98"},
        {"1234", "", "1234", "1234"},
        {"", "", "0", "0"},
        {"", "0042", "42", "-42"},
        // Leading zeros no longer push the digits out of line.
        {"20", "0015", "35", "5"},
        {"0015", "20", "35", "-5"},
        {"000", "00", "0", "0"},
        // Numbers that a double cannot tell apart.
        {"10000000000000000001", "10000000000000000002", "20000000000000000003", "-1"},
        {"10000000000000000002", "10000000000000000001", "20000000000000000003", "1"},
        // Blanks around a number are not part of it.
        {" 12 ", "\t3", "15", "9"},
        {"  ", "8", "8", "-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " , " + c.b);
        Messages messages;
        EXPECT_EQ(bigadd(c.a, c.b, messages.callback()), c.sum);
        EXPECT_EQ(bigsub(c.a, c.b, messages.callback()), c.difference);
        EXPECT_TRUE(messages.seen.empty());
    }
}

TEST(AddSub, RefusesAnythingButDigits)
{
    const struct {
        const char* a;
        const char* b;
    } cases[] = {
        {"-5", "3"}, {"3", "-5"},  {"1.5", "1"}, {"+5", "1"},       {"1 2", "3"}, {"abc", "1"},
        {"1", "5-"}, {"1e3", "1"}, {"-0", "0"},  {"\xD9\xA3", "1"}, {"12a", ""},  {"", "."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " , " + c.b);
        Messages messages;
        EXPECT_FALSE(bigadd(c.a, c.b, messages.callback()).has_value());
        EXPECT_FALSE(bigsub(c.a, c.b, messages.callback()).has_value());
        EXPECT_EQ(messages.seen, (std::vector<std::string>{"Please Enter only positive integers!",
                                                           "Please Enter only positive integers!"}));
    }
}

TEST(AddSub, AcceptsNumbersUpTo65536Digits)
{
    const std::string nines(kMostDigits, '9');
    Messages messages;
    EXPECT_EQ(bigadd(nines, "1", messages.callback()), "1" + std::string(kMostDigits, '0'));
    EXPECT_EQ(bigsub("1", nines, messages.callback()), "-" + std::string(kMostDigits - 1, '9') + "8");
    // Leading zeros do not count towards the limit.
    EXPECT_EQ(bigadd("0" + nines, "0", messages.callback()), nines);

    const struct {
        std::string a;
        std::string b;
    } tooLong[] = {{"1" + nines, "1"}, {"1", "1" + nines}};
    for (const auto& c : tooLong) {
        for (const auto operation : {&bigadd, &bigsub}) {
            try {
                operation(c.a, c.b, messages.callback());
                ADD_FAILURE() << "no run-time error";
            } catch (const RuntimeError& error) {
                EXPECT_EQ(error.code(), ErrorCode::SubscriptOutOfRange);
            }
        }
    }
    EXPECT_TRUE(messages.seen.empty());
}

TEST(AddSub, AgreesWithLimbArithmeticOnRandomNumbers)
{
    std::mt19937 random(65536);
    std::uniform_int_distribution<int> exponent(0, 16);
    std::uniform_int_distribution<int> zeros(0, 3);
    for (int round = 0; round < 120; ++round) {
        // Lengths spread from one digit to the largest, the longest ones included.
        const auto lengthOf = [&] {
            const int e = exponent(random);
            std::uniform_int_distribution<std::size_t> length(std::size_t{1} << (e == 0 ? 0 : e - 1),
                                                              std::size_t{1} << e);
            return length(random);
        };
        std::string a = RandomDigits(random, lengthOf());
        std::string b = round % 4 == 0 ? a : RandomDigits(random, lengthOf());
        if (round % 4 == 0 && !b.empty()) {
            // Equal apart from the last digits: the order is set deep in the number.
            b.back() = static_cast<char>('0' + (b.back() - '0' + 1) % 10);
        }
        const std::string paddedA = std::string(static_cast<std::size_t>(zeros(random)), '0') + a;
        SCOPED_TRACE("round " + std::to_string(round) + ": " + std::to_string(a.size()) + " and " +
                     std::to_string(b.size()) + " digits");
        Messages messages;
        EXPECT_EQ(bigadd(paddedA, b, messages.callback()), FromLimbs(Sum(ToLimbs(a), ToLimbs(b))));
        EXPECT_EQ(bigsub(paddedA, b, messages.callback()), ExpectedDifference(a, b));
        EXPECT_EQ(bigsub(b, paddedA, messages.callback()), ExpectedDifference(b, a));
        EXPECT_TRUE(messages.seen.empty());
    }
}

} // namespace
} // namespace zentaro::largenum
