#include "algebra/determinant.h"
#include "algebra/linear_system.h"

#include "algebra/case_file.h"
#include "conventions/numbers.h"

namespace zentaro::algebra {
namespace {

// The case line's numbers: the order or count of unknowns, then the fields row by row.
std::string Determinant(const std::vector<double>& v, Working w)
{
    if (v[0] == 2)
        return FormatPlain(det2(v[1], v[2], v[3], v[4], w));
    if (v[0] == 3)
        return FormatPlain(det({v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]}, w));
    return FormatPlain(delta(
        {v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15], v[16]}, w));
}

std::string Cramer(const std::vector<double>& v, Working w)
{
    if (v[0] == 2)
        return cramer2(v[1], v[2], v[3], v[4], v[5], v[6], w);
    if (v[0] == 3)
        return cramer3({v[1], v[2], v[3], v[5], v[6], v[7], v[9], v[10], v[11]}, {v[4], v[8], v[12]}, w);
    return cramer4(
        {v[1], v[2], v[3], v[4], v[6], v[7], v[8], v[9], v[11], v[12], v[13], v[14], v[16], v[17], v[18], v[19]},
        {v[5], v[10], v[15], v[20]}, w);
}

TEST(Determinant, CaseTablesOfDeterminantsAndSystems)
{
    for (const auto& [file, solve] : {std::pair{"determinant.txt", &Determinant}, std::pair{"linear.txt", &Cramer}}) {
        for (const auto& c : testing::ReadCases(file)) {
            SCOPED_TRACE(c.where);
            std::vector<std::string> steps;
            const auto run = [&](Working w) { // the fields are read as the window reads them, 1e999 overflowing
                std::vector<double> v;
                for (const auto& text : c.inputs)
                    v.push_back(ParseNumber(text));
                return solve(v, w);
            };
            if (c.expected == "Overflow") {
                EXPECT_THROW(run({}), RuntimeError);
            } else {
                EXPECT_EQ(run({}), c.expected);
                // Recorded, the same answer, with the working ending in it.
                EXPECT_EQ(cases::EndingWith(run(Working(steps)), steps), c.expected);
            }
        }
    }
}

} // namespace
} // namespace zentaro::algebra
