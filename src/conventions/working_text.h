#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Small pieces of the text a working is written in.
namespace zentaro::working {

// "²", "¹⁶": an exponent set above the line.
std::string Superscript(std::uint64_t n);

// "1st", "2nd", "3rd", "11th".
std::string Ordinal(std::uint64_t n);

// A number standing after an operator: a negative one in brackets, "3 × (-2)".
std::string Operand(std::string_view number);

// "\"abc\"": a text as typed, in quotation marks.
std::string Quoted(std::string_view text);

// "1 digit", "6 digits".
std::string Count(std::uint64_t n, std::string_view one, std::string_view many);

// The first and last `keep` characters of a long text with "…" between them.
std::string Shortened(std::string_view text, std::size_t keep);

} // namespace zentaro::working
