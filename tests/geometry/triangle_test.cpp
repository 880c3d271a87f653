#include "geometry/triangle.h"
#include "geometry/triangle_solution.h"

#include "conventions/runtime_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentaro::geometry {
namespace {

// Answers every input box with one reply and records what it was asked.
struct Asked {
    std::string reply;
    std::vector<std::string> prompts;
    AskInput callback()
    {
        return [this](std::string_view prompt, std::string_view title, std::string_view defaultReply) {
            EXPECT_EQ(title, "Ambiguous Case!");
            EXPECT_EQ(defaultReply, "a1");
            prompts.emplace_back(prompt);
            return reply;
        };
    }
};

TriangleInputs Inputs(const char* a, const char* b, const char* c, const char* A, const char* B, const char* C)
{
    return {a, b, c, A, B, C};
}

TEST(Deci4, RoundsHalfToEvenAtFourDecimalsWithALeadingBlank)
{
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {2.5, " 2.5"},
        {36.86989764584402, " 36.8699"},
        {0.00004, " 0"},
        {-0.00004, " 0"},
        {-1.23456, "-1.2346"},
        {0.03125, " .0312"},
        {0.09375, " .0938"},
        {90, " 90"},
        {-2, "-2"},
        {123456.78901, " 123456.789"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(deci4(c.x), c.text);
    }
}

TEST(Trimeasures, GivesTheRadiiOfThe345Triangle)
{
    const Measures m = trimeasures(3, 4, 5);
    const double expected[] = {6, 3, 2, 1, 6, 2.5, 1, 2, 3, 6};
    const double got[] = {m.s, m.sa, m.sb, m.sc, m.area, m.R, m.r, m.r1, m.r2, m.r3};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(got[i], expected[i], 1e-12);
    }
}

TEST(SolveTriangle, ShowsTheWorkedExamples)
{
    const struct {
        Mode mode;
        TriangleInputs inputs;
        TriangleCaptions captions;
    } cases[] = {
        {Mode::ThreeSides,
         Inputs("3", "4", "5", "", "", ""),
         {"a = 3", "b = 4", "c = 5", "A = 36.8699°", "B = 53.1301°", "C = 90°", "Area = 6", "R = 2.5", "r = 1",
          "r1 = 2", "r2 = 3", "r3 = 6"}},
        {Mode::TwoAnglesAndSide,
         Inputs("10", "", "", "", "40", "60"),
         {"a = 10", "b = 6.527", "c = 8.7939", "A = 80°", "B = 40°", "C = 60°", "Area = 28.2629", "R = 5.0771",
          "r = 2.2324", "r1 = 10.6234", "r2 = 4.608", "r3 = 7.3095"}},
        {Mode::TwoSidesAndAngle,
         Inputs("", "5", "8", "60", "", ""),
         {"a = 7", "b = 5", "c = 8", "A = 60°", "B = 38.2132°", "C = 81.7868°", "Area = 17.3205", "R = 4.0415",
          "r = 1.7321", "r1 = 5.7735", "r2 = 3.4641", "r3 = 8.6603"}},
        // One positive candidate: no question, a = a1.
        {Mode::AmbiguousCase,
         Inputs("", "12", "10", "", "30", ""),
         {"a = 19.569", "b = 12", "c = 10", "A = 125.3757°", "B = 30°", "C = 24.6243°", "Area = 48.9224", "R = 12",
          "r = 2.3538", "r1 = 40.2482", "r2 = 5.5692", "r3 = 4.5364"}},
        // Text after the number is ignored; a mode reads only its own three fields.
        {Mode::ThreeSides,
         Inputs("3cm", " 4", "5", "99", "99", "99"),
         {"a = 3", "b = 4", "c = 5", "A = 36.8699°", "B = 53.1301°", "C = 90°", "Area = 6", "R = 2.5", "r = 1",
          "r1 = 2", "r2 = 3", "r3 = 6"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.captions.sidealbl + " " + c.captions.Albl);
        Asked asked;
        const Solution solution = solvetriangle(c.mode, c.inputs, asked.callback());
        ASSERT_EQ(solution.outcome, Outcome::Solved);
        EXPECT_TRUE(asked.prompts.empty());
        const TriangleCaptions got = solutioncaptions(solution.triangle);
        const std::string expected[] = {c.captions.sidealbl, c.captions.sideblbl, c.captions.sideclbl,
                                        c.captions.Albl,     c.captions.Blbl,     c.captions.Clbl,
                                        c.captions.Arealbl,  c.captions.Rlbl,     c.captions.inradiuslbl,
                                        c.captions.r1lbl,    c.captions.r2lbl,    c.captions.r3lbl};
        const std::string actual[] = {got.sidealbl, got.sideblbl, got.sideclbl,    got.Albl,  got.Blbl,  got.Clbl,
                                      got.Arealbl,  got.Rlbl,     got.inradiuslbl, got.r1lbl, got.r2lbl, got.r3lbl};
        for (std::size_t i = 0; i < std::size(expected); ++i)
            EXPECT_EQ(actual[i], expected[i]);
    }
}

TEST(SolveTriangle, ImpossibleDataInEveryModeFitsNoTriangle)
{
    const struct {
        const char* what;
        Mode mode;
        TriangleInputs inputs;
    } cases[] = {
        {"sides 1 2 3 are flat", Mode::ThreeSides, Inputs("1", "2", "3", "", "", "")},
        {"a negative side", Mode::ThreeSides, Inputs("-3", "4", "5", "", "", "")},
        {"all sides empty", Mode::ThreeSides, Inputs("", "", "", "", "", "")},
        {"disc below 0", Mode::AmbiguousCase, Inputs("", "4", "10", "", "30", "")},
        {"no positive root", Mode::AmbiguousCase, Inputs("", "9", "10", "", "120", "")},
        {"B = 90 with b = c is flat", Mode::AmbiguousCase, Inputs("", "5", "5", "", "90", "")},
        {"B of 0", Mode::AmbiguousCase, Inputs("", "4", "10", "", "0", "")},
        {"B of 180", Mode::AmbiguousCase, Inputs("", "4", "10", "", "180", "")},
        {"b of 0", Mode::AmbiguousCase, Inputs("", "0", "10", "", "30", "")},
        {"c of 0", Mode::AmbiguousCase, Inputs("", "4", "0", "", "30", "")},
        {"all empty, ambiguous mode", Mode::AmbiguousCase, Inputs("", "", "", "", "", "")},
        {"B + C = 180", Mode::TwoAnglesAndSide, Inputs("10", "", "", "", "100", "80")},
        {"B + C above 180", Mode::TwoAnglesAndSide, Inputs("10", "", "", "", "100", "100")},
        {"B of 0", Mode::TwoAnglesAndSide, Inputs("10", "", "", "", "0", "60")},
        {"C negative", Mode::TwoAnglesAndSide, Inputs("10", "", "", "", "40", "-60")},
        {"a of 0", Mode::TwoAnglesAndSide, Inputs("0", "", "", "", "40", "60")},
        {"a negative", Mode::TwoAnglesAndSide, Inputs("-10", "", "", "", "40", "60")},
        {"all empty, two angles", Mode::TwoAnglesAndSide, Inputs("", "", "", "", "", "")},
        {"A of 0, b and c differ", Mode::TwoSidesAndAngle, Inputs("", "5", "8", "0", "", "")},
        {"A of 0, b = c", Mode::TwoSidesAndAngle, Inputs("", "5", "5", "0", "", "")},
        {"A of 180", Mode::TwoSidesAndAngle, Inputs("", "5", "8", "180", "", "")},
        {"A above 180", Mode::TwoSidesAndAngle, Inputs("", "5", "8", "200", "", "")},
        {"b of 0", Mode::TwoSidesAndAngle, Inputs("", "0", "8", "60", "", "")},
        {"c negative", Mode::TwoSidesAndAngle, Inputs("", "5", "-8", "60", "", "")},
        {"all empty, two sides", Mode::TwoSidesAndAngle, Inputs("", "", "", "", "", "")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Asked asked;
        EXPECT_EQ(solvetriangle(c.mode, c.inputs, asked.callback()).outcome, Outcome::NoTriangle);
        EXPECT_TRUE(asked.prompts.empty());
    }
}

TEST(SolveTriangle, TheAmbiguousCaseAsksAndTakesOnlyAnExactReply)
{
    const struct {
        const char* reply;
        Outcome outcome;
        double a;
        const char* A;
    } cases[] = {
        {"a1", Outcome::Solved, 11.97687883, "A = 93.5573°"},
        {"a2", Outcome::Solved, 5.34362925, "A = 26.4427°"},
        {"", Outcome::BackedOut, 0, ""},
        {"A1", Outcome::BackedOut, 0, ""},
        {" a1", Outcome::BackedOut, 0, ""},
        {"a2 ", Outcome::BackedOut, 0, ""},
        {"a3", Outcome::BackedOut, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("reply '") + c.reply + "'");
        Asked asked{c.reply, {}};
        const Solution solution =
            solvetriangle(Mode::AmbiguousCase, Inputs("", "6", "10", "", "30", ""), asked.callback());
        ASSERT_EQ(asked.prompts.size(), 1u);
        EXPECT_EQ(asked.prompts[0],
                  "There are Two possible values for a: 11.97687883,  5.34362925. Choose \"a1\" or \"a2\":");
        ASSERT_EQ(solution.outcome, c.outcome);
        if (c.outcome == Outcome::Solved) {
            EXPECT_EQ(solution.triangle.a, c.a);
            EXPECT_EQ(solutioncaptions(solution.triangle).Albl, c.A);
        }
    }
}

TEST(SolveTriangle, TheChooserSeesBothCandidatesRoundedTo8Decimals)
{
    std::vector<std::pair<double, double>> seen;
    const Solution solution = solvessa(30, 6, 10, [&seen](double a1, double a2) {
        seen.emplace_back(a1, a2);
        return std::string("a2");
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, 11.97687883);
    EXPECT_EQ(seen[0].second, 5.34362925);
    ASSERT_EQ(solution.outcome, Outcome::Solved);
    EXPECT_EQ(deci4(solution.triangle.a), " 5.3436");
    EXPECT_EQ(solution.triangle.B, 30);
}

TEST(SolveTriangle, NumbersBeyondTheDoubleRangeAreARunTimeError)
{
    const struct {
        Mode mode;
        TriangleInputs inputs;
    } cases[] = {
        {Mode::ThreeSides, Inputs("1e308", "1e308", "1e308", "", "", "")},
        {Mode::TwoSidesAndAngle, Inputs("", "1e200", "1e200", "60", "", "")},
        {Mode::ThreeSides, Inputs("1e999", "1", "1", "", "", "")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inputs.sidea + " " + c.inputs.sideb);
        Asked asked;
        try {
            solvetriangle(c.mode, c.inputs, asked.callback());
            ADD_FAILURE() << "no run-time error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), ErrorCode::Overflow);
        }
    }
}

} // namespace
} // namespace zentaro::geometry
