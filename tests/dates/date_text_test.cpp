#include "dates/date_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zentaro::dates {
namespace {

TEST(DateText, ReadsDayMonthAndYearByPosition)
{
    const struct {
        const char* text;
        double day, month, year;
    } cases[] = {
        {"05/12/2026", 5, 12, 2026},
        {"7/03/2003", 7, 3, 2003}, // a one-digit day; the month reads '3/'
        {"17/03/2003", 17, 3, 2003},
        {"31/02/2003", 31, 2, 2003}, // nothing is fitted to the month
        {"dd/mm/yyyy", 0, 0, 0},
        {"ab/cd/efgh", 0, 0, 0},
        {"", 0, 0, 0},
        {"05", 5, 0, 5},             // shorter than four: the year is the whole text
        {"1/2", 1, 0, 1},            // '1/2' reads as 1
        {" 5/ 3/ 2003", 5, 3, 2003}, // the window's own output form
        {"-1/-2/-003", -1, -2, -3},
        {"01/01/1E20", 1, 1, 1e20},
        {"12345", 12, 45, 2345},
        {"\xC3\xA9"
         "5/03/2003",
         0, 3, 2003}, // an accented letter is one character
        {"05/\xC3\xA9"
         "2/2003",
         5, 0, 2003},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DatePart(c.text), c.day);
        EXPECT_EQ(MonthPart(c.text), c.month);
        EXPECT_EQ(YearPart(c.text), c.year);
    }
}

TEST(DateText, TypedDayIsTheFirstTwoCharacters)
{
    const struct {
        const char* text;
        const char* day;
    } cases[] = {
        {"31/01/2003", "31"}, {"5/01/2003", "5/"}, {"", ""}, {"7", "7"}, {"\xC3\xA9\xC3\xA9/01", "\xC3\xA9\xC3\xA9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TypedDay(c.text), c.day);
    }
}

TEST(DateText, RefusesOnlyTheWrongForm)
{
    const struct {
        const char* text;
        bool wrong;
    } cases[] = {
        {"05/12/2026", false},
        {"ab/cd/efgh", false}, // digits are not looked at
        {"99/99/0000", false}, // nor ranges
        {"DD/MM/YYYY", false}, // only the placeholder itself is refused
        {"dd/mm/yyyy", true},
        {"5/12/2026", true}, // nine characters
        {"05-12-2026", true},
        {"05/12-2026", true},
        {"05-12/2026", true},
        {"05/12/20266", true},
        {"", true},
        {"//////////", false},
        {"05/12/20\xC3\xA9"
         "6",
         false},                      // ten characters in eleven bytes
        {"0\xC3\xA9/12/2026", false}, // positions count characters, not bytes
        {"05/12/2026 ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsWronglyFormed(c.text), c.wrong);
    }
}

} // namespace
} // namespace zentaro::dates
