#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zentaro::constants {

// One row of the reference card: the frame it stands in, its label and the
// read-only field that holds the value with its unit.
struct Constant {
    std::string_view frame;
    std::string_view label;
    std::string_view caption;
    std::string_view field;
    // Empty for the four values the window computes when it loads.
    std::string_view value;
};

// The 35 rows, frame by frame, each frame's rows top to bottom.
std::span<const Constant> card();

// '2.71828182845905', '3.14159265358979', '2.30258509299405'.
std::string naturalbase();
std::string pi();
std::string ln10();
// ' 12.5663706143592E-07 H/m': 4π written in front of the power of ten.
std::string permeability();

} // namespace zentaro::constants
