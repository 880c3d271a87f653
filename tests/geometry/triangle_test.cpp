#include "geometry/triangle_solution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentaro::geometry {
namespace {

using M = Mode;

// Solves with every input box answered by `reply`; the prompts it saw are kept.
Solution Solve(M mode, const TriangleInputs& in, std::vector<std::string>* prompts = nullptr, std::string reply = "")
{
    return solvetriangle(mode, in, [&](std::string_view prompt, std::string_view title, std::string_view preset) {
        EXPECT_EQ(title, "Ambiguous Case!");
        EXPECT_EQ(preset, "a1");
        if (prompts == nullptr)
            ADD_FAILURE() << "unexpected question: " << prompt;
        else
            prompts->emplace_back(prompt);
        return reply;
    });
}

TEST(Deci4, RoundsHalfToEvenAtFourDecimalsWithALeadingBlank)
{
    const std::pair<double, const char*> cases[] = {{2.5, " 2.5"},         {36.86989764584402, " 36.8699"},
                                                    {0.00004, " 0"},       {-0.00004, " 0"},
                                                    {-1.23456, "-1.2346"}, {0.03125, " .0312"},
                                                    {0.09375, " .0938"},   {123456.78901, " 123456.789"}};
    for (const auto& [x, text] : cases)
        EXPECT_EQ(deci4(x), text) << x;
}

TEST(SolveTriangle, ImpossibleDataInEveryModeFitsNoTriangle)
{
    const std::pair<M, TriangleInputs> cases[] = {
        {M::ThreeSides, {"1", "2", "3", "", "", ""}},
        {M::ThreeSides, {"-3", "4", "5", "", "", ""}},
        {M::ThreeSides, {}},
        {M::AmbiguousCase, {"", "4", "10", "", "30", ""}},
        {M::AmbiguousCase, {"", "9", "10", "", "120", ""}},
        {M::AmbiguousCase, {"", "5", "5", "", "90", ""}},
        {M::AmbiguousCase, {"", "4", "10", "", "0", ""}},
        {M::AmbiguousCase, {"", "4", "10", "", "180", ""}},
        {M::AmbiguousCase, {"", "0", "10", "", "30", ""}},
        {M::AmbiguousCase, {}},
        {M::TwoAnglesAndSide, {"10", "", "", "", "100", "80"}},
        {M::TwoAnglesAndSide, {"10", "", "", "", "100", "90"}},
        {M::TwoAnglesAndSide, {"10", "", "", "", "0", "60"}},
        {M::TwoAnglesAndSide, {"10", "", "", "", "40", "-6"}},
        {M::TwoAnglesAndSide, {"-1", "", "", "", "40", "60"}},
        {M::TwoAnglesAndSide, {}},
        {M::TwoSidesAndAngle, {"", "5", "8", "0", "", ""}},
        {M::TwoSidesAndAngle, {"", "5", "5", "0", "", ""}},
        {M::TwoSidesAndAngle, {"", "5", "8", "180", "", ""}},
        {M::TwoSidesAndAngle, {"", "5", "8", "200", "", ""}},
        {M::TwoSidesAndAngle, {"", "0", "8", "60", "", ""}},
        {M::TwoSidesAndAngle, {}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(Solve(cases[i].first, cases[i].second).outcome, Outcome::NoTriangle) << "case " << i;
}

// Decimal sides are held only approximately: 0.1 + 0.2 comes out a little above
// 0.3, which must not make a flat triangle solvable, whatever the order.
TEST(SolveTriangle, FlatDecimalSidesFitNoTriangleButThinOnesDo)
{
    const struct {
        const char *a, *b, *c;
        Outcome outcome;
    } cases[] = {
        {"0.1", "0.2", "0.3", Outcome::NoTriangle},          {"0.3", "0.1", "0.2", Outcome::NoTriangle},
        {"0.02", "0.03", "0.01", Outcome::NoTriangle},       {"1.1", "2.2", "3.3", Outcome::NoTriangle},
        {"0.7", "0.1", "0.6", Outcome::NoTriangle},          {"1", "2", "2.999999", Outcome::Solved},
        {"0.1", "0.2", "0.29999999999999", Outcome::Solved},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + ", " + c.b + ", " + c.c);
        EXPECT_EQ(Solve(M::ThreeSides, {c.a, c.b, c.c, "", "", ""}).outcome, c.outcome);
    }
}

TEST(SolveTriangle, TheAmbiguousCaseTakesOnlyAnExactReply)
{
    const std::pair<const char*, const char*> cases[] = {{"a1", "a = 11.9769|A = 93.5573°"},
                                                         {"a2", "a = 5.3436|A = 26.4427°"},
                                                         {"", nullptr},
                                                         {"A1", nullptr},
                                                         {" a1", nullptr},
                                                         {"a2 ", nullptr}};
    for (const auto& [reply, expected] : cases) {
        std::vector<std::string> prompts;
        const Solution solution = Solve(M::AmbiguousCase, {"", "6", "10", "", "30", ""}, &prompts, reply);
        EXPECT_EQ(prompts, std::vector<std::string>{"There are Two possible values for a: 11.97687883,  5.34362925. "
                                                    "Choose \"a1\" or \"a2\":"});
        if (expected == nullptr) {
            EXPECT_EQ(solution.outcome, Outcome::BackedOut) << reply;
            continue;
        }
        ASSERT_EQ(solution.outcome, Outcome::Solved) << reply;
        const TriangleCaptions captions = solutioncaptions(solution.triangle);
        EXPECT_EQ(captions.sidealbl + "|" + captions.Albl, expected);
    }
}

} // namespace
} // namespace zentaro::geometry
