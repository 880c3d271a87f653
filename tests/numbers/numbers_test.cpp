#include "numbers/base_conversion.h"
#include "numbers/gcd_lcm.h"
#include "numbers/primes.h"
#include "numbers/random_list.h"
#include "numbers/roman.h"

#include "conventions/case_file.h"
#include "conventions/numbers.h"
#include "support/numeral_check.h"

#include <algorithm>
#include <optional>
#include <random>
#include <sstream>

namespace zentaro::numbers {
namespace {

using cases::Args;
using cases::Text;
namespace numeral_check = testing::numeral_check;

// The items of a "¤"-separated list as the working names them: "1, 2, 3", or
// "none"; a prime factor's power "2( 3)" as 2³.
std::string Items(std::string list, bool powers)
{
    static const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    for (std::size_t at; (at = list.find(gcdlcm::kListStart)) != std::string::npos;)
        list.replace(at, gcdlcm::kListStart.size(), " ");
    std::istringstream words(list);
    std::string items;
    for (std::string number, power; words >> number;) {
        if (powers) {
            number.pop_back(); // "2(" then "3)"
            words >> power;
            power = power == "1)" ? "" : power.substr(0, power.size() - 1);
        }
        items += (items.empty() ? "" : powers ? " × " : ", ") + number;
        for (const char digit : power)
            items += kSuperscripts[digit - '0'];
    }
    return items.empty() ? "none" : items;
}

// The last line of the working of a conversion names the answer as the field shows it.
std::string ConversionTail(const std::optional<std::string>& answer)
{
    if (!answer)
        return std::string(kCheckInputs);
    if (answer->empty())
        return "the answer is left empty";
    return *answer == kConversionError ? *answer : " = " + *answer + " in base ";
}

TEST(Numbers, CaseTable)
{
    const auto primeList = [](const Args& a, const ShowMessage& message) {
        const primes::PrimeList list = primes::primelist(a[0], a[1], message);
        EXPECT_FALSE(list.cancelled);
        return list.text() + (list.overflow ? " (overflow)" : "");
    };
    cases::Run(
        "numbers/numbers.txt",
        {
            {"convert", cases::WithMessages([](const Args& a, const ShowMessage& message) {
                 const auto answer = convertbases(a[0], a[1], a[2], message);
                 const auto lines =
                     cases::WorkingOf([&](Working w) { convertbases(a[0], a[1], a[2], cases::kIgnoreMessages, w); });
                 const std::string tail = ConversionTail(answer);
                 EXPECT_TRUE(!lines.empty() && lines.back().find(tail) != std::string::npos)
                     << (lines.empty() ? "no working" : lines.back()) << " does not state " << tail;
                 return answer.value_or("(nothing)");
             })},
            {"roman", [](const Args& a) { return romanfor(a[0]).value_or("(nothing)"); }},
            {"randomcount", cases::WithMessages([](const Args& a, const ShowMessage& message) {
                 return Text(randomcount(a[0], message));
             })},
            {"randomlist", [](const Args& a) { return randomlist(static_cast<std::int16_t>(std::stoi(a[0]))); }},
            {"gcd",
             [](const Args& a) {
                 const double g = gcdlcm::gcd(a.number(0), a.number(1));
                 const auto lines = cases::WorkingOf([&](Working w) { gcdlcm::gcd(a.number(0), a.number(1), w); });
                 EXPECT_TRUE(!lines.empty() &&
                             lines.back().starts_with("gcd(" + FormatPlain(a.number(0)) + ", " +
                                                      FormatPlain(a.number(1)) + ") = " + FormatPlain(g)))
                     << (lines.empty() ? "no working" : lines.back());
                 return Text(g);
             }},
            {"lcm",
             [](const Args& a) {
                 const auto lcm = [&](Working w) {
                     return gcdlcm::lcm(a.number(0), a.number(1), gcdlcm::gcd(a.number(0), a.number(1), w), w);
                 };
                 const std::string shown = FormatPlain(lcm({}));
                 cases::ExpectLastLineEndsWith(cases::WorkingOf(lcm), " = " + shown);
                 return shown;
             }},
            {"factorlist",
             [](const Args& a) {
                 const std::string list = gcdlcm::factorlist(a.number(0));
                 cases::ExpectLastLineEndsWith(cases::WorkingOf([&](Working w) { gcdlcm::factorlist(a.number(0), w); }),
                                               ": " + Items(list, false));
                 return list;
             }},
            {"primefactors",
             [](const Args& a) {
                 const std::string list = gcdlcm::primefactors(a.number(0));
                 cases::ExpectLastLineEndsWith(
                     cases::WorkingOf([&](Working w) { gcdlcm::primefactors(a.number(0), w); }),
                     ": " + Items(list, true));
                 return list;
             }},
            {"dmax",
             [](const Args& a) {
                 const Tagged exponent = gcdlcm::dmax(a.number(0), a.number(1));
                 return exponent.empty() ? "empty" : exponent.ToText();
             }},
            {"primelist", cases::WithMessages(primeList)},
        });
}

// Long texts: leading zeros weigh nothing however many there are, and a
// character that is no digit is refused before any weighing could overflow.
// Only a value beyond 32 bits is an Overflow.
TEST(BaseConversion, LongTextsAreRefusedOrConvertedNotOverflowed)
{
    const std::string error = "Error! Please check your inputs!";
    const std::string zeros(400, '0');
    const std::string zees(300, 'Z');
    const struct {
        std::string num;
        const char* from;
        std::optional<std::string> answer;
    } cases[] = {{zeros + "1", "36", "1"},
                 {zeros + "FF", "16", "11111111"},
                 {zeros, "2", ""},
                 {zees + "^", "36", error},
                 {"^" + zees, "36", error},
                 {zees + "z", "36", error},
                 {zeros + "1" + zeros, "36", {}},
                 {zees, "36", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.num.substr(0, 12) + "... (" + std::to_string(c.num.size()) + ") from " + c.from);
        const auto convert = [&] { return convertbases(c.num, c.from, "2", {}); };
        if (!c.answer) {
            EXPECT_THROW(convert(), RuntimeError);
        } else {
            std::optional<std::string> answer;
            EXPECT_NO_THROW(answer = convert());
            EXPECT_EQ(answer.value_or("(nothing)"), *c.answer);
        }
    }
}

TEST(BaseConversion, RandomValuesRoundTripInEveryBase)
{
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::uint32_t> values(0, 2147483647u);
    for (std::int16_t base = 2; base <= 36; ++base) {
        std::vector<std::uint32_t> samples = {1, static_cast<std::uint32_t>(base - 1), 2147483647u};
        for (int i = 0; i < 200; ++i)
            samples.push_back(values(random));
        for (const std::uint32_t x : samples) {
            SCOPED_TRACE(std::to_string(x) + " base " + std::to_string(base));
            const std::string expected = numeral_check::Written(x, base);
            const std::string digits = convfromden(x, base);
            EXPECT_EQ(digits, expected);
            EXPECT_EQ(convtoden(digits, base), x);
        }
    }
}

TEST(Roman, EveryNumberAgreesWithGreedyWriting)
{
    for (int n = 0; n <= 3999; ++n)
        EXPECT_EQ(romannumeral(static_cast<std::int16_t>(n)), numeral_check::Greedy(n)) << n;
}

TEST(RandomList, TheLongestIsAPermutationOf0To4095)
{
    std::istringstream list(randomlist(kMostRandomNumbers));
    std::vector<int> seen(4096, 0);
    for (std::string item; std::getline(list, item, ',');)
        ++seen.at(static_cast<std::size_t>(std::stoi(item)));
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 4096);
}

} // namespace
} // namespace zentaro::numbers
