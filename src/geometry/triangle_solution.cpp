#include "geometry/triangle_solution.h"

#include "conventions/numbers.h"

namespace zentaro::geometry {
namespace {

std::string AngleCaption(std::string_view name, double degrees)
{
    return std::string(name) + deci4(degrees) + "°";
}

std::string Caption(std::string_view name, double value)
{
    return std::string(name) + deci4(value);
}

} // namespace

std::string ambiguousprompt(double a1, double a2)
{
    return "There are Two possible values for a:" + FormatSpaced(a1) + ", " + FormatSpaced(a2) +
           ". Choose \"a1\" or \"a2\":";
}

Solution solvetriangle(Mode mode, const TriangleInputs& inputs, const AskInput& ask)
{
    const double a = ParseNumber(inputs.sidea);
    const double b = ParseNumber(inputs.sideb);
    const double c = ParseNumber(inputs.sidec);
    const double A = ParseNumber(inputs.A);
    const double B = ParseNumber(inputs.B);
    const double C = ParseNumber(inputs.C);
    switch (mode) {
    case Mode::TwoAnglesAndSide:
        return solveasa(a, B, C);
    case Mode::TwoSidesAndAngle:
        return solvesas(A, b, c);
    case Mode::ThreeSides:
        return solvesss(a, b, c);
    case Mode::AmbiguousCase:
        break;
    }
    return solvessa(B, b, c, [&ask](double a1, double a2) {
        return ask(ambiguousprompt(a1, a2), kAmbiguousTitle, kAmbiguousDefault);
    });
}

TriangleCaptions solutioncaptions(const Triangle& t)
{
    const Measures m = trimeasures(t.a, t.b, t.c);
    return {
        Caption("a =", t.a),      Caption("b =", t.b),      Caption("c =", t.c),       AngleCaption("A =", t.A),
        AngleCaption("B =", t.B), AngleCaption("C =", t.C), Caption("Area =", m.area), Caption("R =", m.R),
        Caption("r =", m.r),      Caption("r1 =", m.r1),    Caption("r2 =", m.r2),     Caption("r3 =", m.r3),
    };
}

} // namespace zentaro::geometry
