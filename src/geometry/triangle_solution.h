#pragma once

#include "conventions/dialogs.h"
#include "geometry/triangle.h"

#include <string>
#include <string_view>

namespace zentaro::geometry {

// The four data modes: which three parts of the triangle are given.
enum class Mode {
    TwoAnglesAndSide = 1, // a, B, C
    TwoSidesAndAngle,     // A, b, c
    ThreeSides,           // a, b, c
    AmbiguousCase,        // B, b, c
};

// The six input texts as typed; each is read as a number, an empty one as 0.
struct TriangleInputs {
    std::string sidea, sideb, sidec, A, B, C;
};

// The twelve result captions, named after the labels that show them.
struct TriangleCaptions {
    std::string sidealbl, sideblbl, sideclbl;
    std::string Albl, Blbl, Clbl;
    std::string Arealbl, Rlbl, inradiuslbl;
    std::string r1lbl, r2lbl, r3lbl;
};

inline constexpr std::string_view kAmbiguousTitle = "Ambiguous Case!";
inline constexpr std::string_view kAmbiguousDefault = "a1";

// 'There are Two possible values for a: 11.97687883,  5.34362925. Choose "a1" or "a2":'
std::string ambiguousprompt(double a1, double a2);

// Reads the inputs the mode uses and solves; in the ambiguous case the user
// chooses through `ask` (title "Ambiguous Case!", default reply "a1").
Solution solvetriangle(Mode mode, const TriangleInputs& inputs, const AskInput& ask, Working working = {});

// The captions of a solved triangle: 'a = 3', 'A = 36.8699°', 'Area = 6', ...
// The working ends with all twelve, as the window shows them.
TriangleCaptions solutioncaptions(const Triangle& triangle, Working working = {});

} // namespace zentaro::geometry
