#include "dates/calendar.h"

#include "conventions/numbers.h"
#include "dates/date_text.h"

#include <array>

namespace zentaro::dates {
namespace {

constexpr std::int16_t kOne = 1;

// mdays as a count: its empty value adds nothing.
std::int32_t MonthLength(std::int16_t m, std::int16_t y)
{
    return RoundToInt32(mdays(m, y).ToDouble());
}

// Weekday codes of the months, index 0 standing for a month that reads as 0.
constexpr std::array<std::int16_t, 13> kMonthCodes = {0, 5, 1, 1, 4, 6, 2, 4, 0, 3, 5, 1, 3};

std::int16_t MonthCode(std::int16_t month)
{
    if (month < 0 || month >= static_cast<std::int16_t>(kMonthCodes.size()))
        Raise(ErrorCode::SubscriptOutOfRange);
    return kMonthCodes[static_cast<std::size_t>(month)];
}

// The weekday shift a century brings. The Gregorian calendar repeats every four
// centuries: 1700s, 1800s, 1900s, 2000s shift by 6, 4, 2, 1 (as the month codes
// count them), which for the 1900s and 2000s is what 6 x century gives. Years of 0
// or less are not calendar years and keep 6 x century, so the placeholder
// stays a Sunday.
std::int16_t CenturyShift(std::int16_t century, std::int16_t year)
{
    if (year < kFirstYear)
        return MulInt16(6, century);
    return static_cast<std::int16_t>(1 + 5 * (century % 4));
}

} // namespace

std::int16_t leap(std::int16_t Y)
{
    std::int16_t result = 0;
    if (Y % 4 != 0)
        result = 0;
    if (Y % 100 != 0 && Y % 4 == 0)
        result = 1;
    if (Y % 400 == 0 && Y % 100 == 0)
        result = 1;
    return result;
}

std::int16_t ydays(std::int16_t Y)
{
    return AddInt16(365, leap(Y));
}

Tagged mdays(std::int16_t m, std::int16_t Y)
{
    static constexpr std::array<std::int16_t, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12)
        return {};
    if (m == 2)
        return Tagged(AddInt16(28, leap(Y)));
    return Tagged(kLengths[static_cast<std::size_t>(m - 1)]);
}

std::int32_t dateid(std::string_view dt)
{
    const std::int16_t d = RoundToInt16(DatePart(dt));
    std::int16_t m = RoundToInt16(MonthPart(dt));
    std::int16_t y = RoundToInt16(YearPart(dt));
    std::int32_t r = d;
    m = SubInt16(m, kOne);
    while (m > 0) {
        r = AddInt32(r, MonthLength(m, y));
        m = SubInt16(m, kOne);
    }
    while (y > kOriginYear) {
        r = AddInt32(r, ydays(SubInt16(y, kOne)));
        y = SubInt16(y, kOne);
    }
    // Before 1700 the count runs backwards: each year up to 1699 takes its days off.
    if (y >= kFirstYear) {
        while (y < kOriginYear) {
            r = SubInt32(r, ydays(y));
            y = AddInt16(y, kOne);
        }
    }
    return r;
}

std::int32_t monthid(std::string_view dt)
{
    const std::int16_t m = RoundToInt16(MonthPart(dt));
    std::int16_t y = RoundToInt16(YearPart(dt));
    std::int32_t r = m;
    while (y >= kOriginYear + 1) {
        r = AddInt32(r, 12);
        y = SubInt16(y, kOne);
    }
    if (y >= kFirstYear) {
        while (y < kOriginYear) {
            r = SubInt32(r, 12);
            y = AddInt16(y, kOne);
        }
    }
    return r;
}

std::string dat(std::int32_t dateid)
{
    std::int16_t y = kOriginYear;
    while (dateid > ydays(y)) {
        dateid = SubInt32(dateid, ydays(y));
        y = AddInt16(y, kOne);
    }
    // Day numbers of 0 and below are dates before 1700; before year 1 there are none.
    while (dateid <= 0) {
        if (y == kFirstYear)
            Raise(ErrorCode::Overflow);
        y = SubInt16(y, kOne);
        dateid = AddInt32(dateid, ydays(y));
    }
    std::int16_t m = 1;
    while (dateid > MonthLength(m, y)) {
        dateid = SubInt32(dateid, MonthLength(m, y));
        m = AddInt16(m, kOne);
    }
    const std::int16_t day = RoundToInt16(dateid);
    return FormatSpaced(day) + "/" + FormatSpaced(m) + "/" + FormatSpaced(y);
}

MonthOfYear monthofyear(std::int32_t monthid)
{
    std::int16_t y = kOriginYear;
    while (monthid >= 13) {
        y = AddInt16(y, kOne);
        monthid = SubInt32(monthid, 12);
    }
    while (monthid <= 0) {
        if (y == kFirstYear)
            Raise(ErrorCode::Overflow);
        y = SubInt16(y, kOne);
        monthid = AddInt32(monthid, 12);
    }
    return {RoundToInt16(monthid), y};
}

std::string monyr(std::int32_t monthid)
{
    const MonthOfYear found = monthofyear(monthid);
    std::string text = "/";
    text += FormatSpaced(found.month);
    text += "/";
    text += FormatSpaced(found.year);
    return text;
}

std::int16_t weekday(std::int16_t day, std::int16_t month, std::int16_t year)
{
    const std::int16_t c = TruncateToInt16(Divide(year, 100));
    const auto yy = static_cast<std::int16_t>(year % 100);
    std::int16_t t = static_cast<std::int16_t>(AddInt16(MonthCode(month), CenturyShift(c, year)) % 7);
    if (month == 1 || month == 2)
        t = SubInt16(t, leap(year));
    const std::int16_t sum =
        AddInt16(AddInt16(AddInt16(static_cast<std::int16_t>(day % 7), static_cast<std::int16_t>(yy % 7)),
                          TruncateToInt16(Divide(yy, 4))),
                 t);
    return static_cast<std::int16_t>(sum % 7);
}

} // namespace zentaro::dates
