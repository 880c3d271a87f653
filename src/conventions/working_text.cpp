#include "conventions/working_text.h"

namespace zentaro::working {

std::string Superscript(std::uint64_t n)
{
    static constexpr std::string_view kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text;
    for (const char c : std::to_string(n))
        text += kDigits[c - '0'];
    return text;
}

std::string Ordinal(std::uint64_t n)
{
    const std::uint64_t lastTwo = n % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (n % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(n) + suffix;
}

std::string Operand(std::string_view number)
{
    std::string text(number);
    if (number.starts_with('-')) {
        text.insert(text.begin(), '(');
        text.push_back(')');
    }
    return text;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string Count(std::uint64_t n, std::string_view one, std::string_view many)
{
    std::string text = std::to_string(n);
    text += ' ';
    text += n == 1 ? one : many;
    return text;
}

std::string Shortened(std::string_view text, std::size_t keep)
{
    if (text.size() <= 2 * keep + 1)
        return std::string(text);
    std::string shortened(text.substr(0, keep));
    shortened += "…";
    shortened += text.substr(text.size() - keep);
    return shortened;
}

} // namespace zentaro::working
