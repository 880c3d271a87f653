#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zentaro::fractions {

// A simple fraction; either term may carry the sign, or both.
struct Fraction {
    std::int32_t numerator = 0;
    std::int32_t denominator = 0;

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// The three answer texts of a mixed number. An absent whole part means the whole
// field is not written; a whole-number answer has numerator "0" and an empty
// denominator.
struct MixedText {
    std::optional<std::string> whole;
    std::string numerator;
    std::string denominator;

    friend bool operator==(const MixedText&, const MixedText&) = default;
};

// The two texts of an improper fraction.
struct ImproperText {
    std::string numerator;
    std::string denominator;

    friend bool operator==(const ImproperText&, const ImproperText&) = default;
};

} // namespace zentaro::fractions
