#include "largenum/addsub.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zentaro::largenum {
namespace {

const ShowMessage kNoMessage = [](std::string_view text, int, std::string_view) {
    ADD_FAILURE() << "unexpected message " << text;
    return MessageAnswer::Ok;
};

// The independent check: a + sign * b worked in base-10^9 limbs, least significant first.
std::string Reference(const std::string& a, const std::string& b, int sign)
{
    const auto limbs = [](const std::string& digits) {
        std::vector<long long> limbs;
        for (std::size_t end = digits.size(); end > 0; end = end > 9 ? end - 9 : 0)
            limbs.push_back(std::stoll(digits.substr(end > 9 ? end - 9 : 0, end > 9 ? 9 : end)));
        return limbs;
    };
    const std::vector<long long> x = limbs(a), y = limbs(b);
    std::vector<long long> result;
    long long carry = 0;
    for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
        const long long s = carry + (i < x.size() ? x[i] : 0) + sign * (i < y.size() ? y[i] : 0);
        carry = s < 0 ? -1 : s / 1000000000;
        result.push_back(s - carry * 1000000000);
    }
    if (carry < 0)
        return Reference(b, a, -1).insert(0, 1, '-');
    result.push_back(carry);
    while (result.size() > 1 && result.back() == 0)
        result.pop_back();
    std::string text = std::to_string(result.back());
    for (std::size_t i = result.size() - 1; i-- > 0;)
        text += std::string(9 - std::to_string(result[i]).size(), '0') + std::to_string(result[i]);
    return text;
}

TEST(AddSub, WorkedExamplesAndCleanedInputs)
{
    const struct {
        const char *a, *b, *sum, *difference;
    } cases[] = {{"999", "1", "1000", "998"},
                 {"0", "0", "0", "0"},
                 {"5", "12", "17", "-7"},
                 {"7", "7", "14", "0"},
                 {"0099", "1", "100", "98"},
                 {"", "0042", "42", "-42"},
                 {"20", "0015", "35", "5"},
                 {" 12 ", "\t3", "15", "9"},
                 {"10000000000000000001", "10000000000000000002", "20000000000000000003", "-1"}};
    for (const auto& c : cases) {
        EXPECT_EQ(bigadd(c.a, c.b, kNoMessage), c.sum) << c.a << " + " << c.b;
        EXPECT_EQ(bigsub(c.a, c.b, kNoMessage), c.difference) << c.a << " - " << c.b;
    }
    const std::string nines(kMostDigits, '9');
    EXPECT_EQ(bigadd("0" + nines, "1", kNoMessage), "1" + std::string(kMostDigits, '0'));
    EXPECT_THROW(bigsub("1", "1" + nines, kNoMessage), RuntimeError);
}

TEST(AddSub, RefusesAnythingButDigits)
{
    for (const char* bad : {"-5", "1.5", "+5", "1 2", "abc", "1e3", "-0", "\xD9\xA3", "."}) {
        std::vector<std::string> seen;
        const ShowMessage message = [&](std::string_view text, int, std::string_view) {
            seen.emplace_back(text);
            return MessageAnswer::Ok;
        };
        EXPECT_FALSE(bigadd(bad, "1", message) || bigsub("1", bad, message)) << bad;
        EXPECT_EQ(seen, std::vector<std::string>(2, "Please Enter only positive integers!")) << bad;
    }
}

TEST(AddSub, AgreesWithLimbArithmeticOnRandomNumbers)
{
    std::mt19937 random(65536);
    const auto randomDigits = [&] {
        // Lengths spread evenly over the powers of two, up to 65536.
        const std::size_t top = std::size_t{1} << std::uniform_int_distribution<int>(0, 16)(random);
        std::string digits(std::uniform_int_distribution<std::size_t>(top / 2 + 1, top)(random), '0');
        for (char& c : digits)
            c = static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
        return digits;
    };
    for (int round = 0; round < 120; ++round) {
        const std::string a = randomDigits();
        std::string b = round % 3 == 0 ? a : randomDigits();
        if (round % 3 == 0) // equal but for the last digit: the order is decided at the far end
            b.back() = static_cast<char>('0' + (b.back() - '0' + 1) % 10);
        SCOPED_TRACE(std::to_string(a.size()) + " and " + std::to_string(b.size()) + " digits");
        EXPECT_EQ(bigadd("00" + a, b, kNoMessage), Reference(a, b, 1));
        EXPECT_EQ(bigsub("00" + a, b, kNoMessage), Reference(a, b, -1));
        EXPECT_EQ(bigsub(b, a, kNoMessage), Reference(b, a, -1));
    }
}

} // namespace
} // namespace zentaro::largenum
