#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <variant>

namespace zentaro {

// A value that carries its own type. Integer arithmetic widens instead of
// failing (16-bit to 32-bit to double); a double operand makes the result a
// double; division always gives a double; text operands are read strictly.
class Tagged {
public:
    enum class Kind { Empty, Int16, Int32, Double, Text };

    Tagged() = default;
    Tagged(std::int16_t v) : value_(v) {}
    Tagged(std::int32_t v) : value_(v) {}
    Tagged(double v) : value_(v) {}
    Tagged(std::string v) : value_(std::move(v)) {}

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool empty() const { return kind() == Kind::Empty; }

    // Empty reads as 0; text through StrictToDouble.
    double ToDouble() const;
    // Empty is the empty text; numbers through FormatPlain.
    std::string ToText() const;

    friend bool operator==(const Tagged& a, const Tagged& b) { return (a <=> b) == 0; }
    friend std::partial_ordering operator<=>(const Tagged& a, const Tagged& b);

private:
    std::variant<std::monostate, std::int16_t, std::int32_t, double, std::string> value_;
};

Tagged operator+(const Tagged& a, const Tagged& b);
Tagged operator-(const Tagged& a, const Tagged& b);
Tagged operator*(const Tagged& a, const Tagged& b);
Tagged operator/(const Tagged& a, const Tagged& b);
// Joins the text forms, as '&' does.
std::string Concat(const Tagged& a, const Tagged& b);

} // namespace zentaro
