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

Solution solvetriangle(Mode mode, const TriangleInputs& inputs, const AskInput& ask, Working working)
{
    const double a = ParseNumber(inputs.sidea);
    const double b = ParseNumber(inputs.sideb);
    const double c = ParseNumber(inputs.sidec);
    const double A = ParseNumber(inputs.A);
    const double B = ParseNumber(inputs.B);
    const double C = ParseNumber(inputs.C);
    switch (mode) {
    case Mode::TwoAnglesAndSide:
        return solveasa(a, B, C, working);
    case Mode::TwoSidesAndAngle:
        return solvesas(A, b, c, working);
    case Mode::ThreeSides:
        return solvesss(a, b, c, working);
    case Mode::AmbiguousCase:
        break;
    }
    return solvessa(
        B, b, c,
        [&ask](double a1, double a2) { return ask(ambiguousprompt(a1, a2), kAmbiguousTitle, kAmbiguousDefault); },
        working);
}

TriangleCaptions solutioncaptions(const Triangle& t, Working working)
{
    const Measures m = trimeasures(t.a, t.b, t.c, working);
    TriangleCaptions captions{
        Caption("a =", t.a),      Caption("b =", t.b),      Caption("c =", t.c),       AngleCaption("A =", t.A),
        AngleCaption("B =", t.B), AngleCaption("C =", t.C), Caption("Area =", m.area), Caption("R =", m.R),
        Caption("r =", m.r),      Caption("r1 =", m.r1),    Caption("r2 =", m.r2),     Caption("r3 =", m.r3),
    };
    working.step([&] {
        std::string line = "To 4 decimals: ";
        for (const std::string* caption : {&captions.sidealbl, &captions.sideblbl, &captions.sideclbl, &captions.Albl,
                                           &captions.Blbl, &captions.Clbl, &captions.Arealbl, &captions.Rlbl,
                                           &captions.inradiuslbl, &captions.r1lbl, &captions.r2lbl, &captions.r3lbl})
            line += (caption == &captions.sidealbl ? "" : ", ") + *caption;
        return line;
    });
    return captions;
}

} // namespace zentaro::geometry
