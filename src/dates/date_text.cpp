#include "dates/date_text.h"

#include "conventions/parse.h"
#include "conventions/step_text.h"

#include <cstddef>

namespace zentaro::dates {
namespace {

// Fields hold UTF-8 text; positions count characters, not bytes, so that a
// stray accented letter moves nothing after it.
bool StartsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char byte : text)
        count += StartsCharacter(byte) ? 1 : 0;
    return count;
}

// Byte offset of character `index` (0-based); the text's size when it has fewer.
std::size_t OffsetOf(std::string_view text, std::size_t index)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (StartsCharacter(text[i])) {
            if (seen == index)
                return i;
            ++seen;
        }
    }
    return text.size();
}

// `count` characters from character `first` (0-based), fewer at the end of the text.
std::string_view Characters(std::string_view text, std::size_t first, std::size_t count)
{
    const std::size_t begin = OffsetOf(text, first);
    const std::size_t end = begin + OffsetOf(text.substr(begin), count);
    return text.substr(begin, end - begin);
}

// The character at 1-based position `position`, or empty past the end.
std::string_view CharacterAt(std::string_view text, std::size_t position)
{
    return Characters(text, position - 1, 1);
}

} // namespace

double DatePart(std::string_view str)
{
    if (CharacterAt(str, 2) == "/")
        return ParseNumber(Characters(str, 0, 1));
    return ParseNumber(Characters(str, 0, 2));
}

double MonthPart(std::string_view str)
{
    return ParseNumber(Characters(str, 3, 2));
}

double YearPart(std::string_view str)
{
    const std::size_t length = CharacterCount(str);
    return ParseNumber(Characters(str, length > 4 ? length - 4 : 0, 4));
}

std::string_view TypedDay(std::string_view str)
{
    return Characters(str, 0, 2);
}

bool IsWronglyFormed(std::string_view s)
{
    const bool noSecondSlash = CharacterAt(s, 6) != "/";
    const bool noFirstSlash = CharacterAt(s, 3) != "/";
    const bool wrongLength = CharacterCount(s) != 10;
    return s != kDatePlaceholder && (noSecondSlash || noFirstSlash || wrongLength);
}

std::string PartsText(std::string_view str, double day, double month, double year)
{
    return std::string(str) + ": day " + Plain(day) + ", month " + Plain(month) + ", year " + Plain(year);
}

} // namespace zentaro::dates
