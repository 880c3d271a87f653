#include "dates/calendar.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"
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

// "the year 1700", "the years 1700 to 2025".
std::string Years(std::int32_t from, std::int32_t to)
{
    return from == to ? "the year " + Plain(from) : "the years " + Plain(from) + " to " + Plain(to);
}

// "5 + 334 (the months before month 12 of 2026) + 119069 (the years 1700 to 2025)"
std::string DayNumberTerms(std::int16_t day, std::int16_t month, std::int16_t year, std::int32_t months,
                           std::int32_t years)
{
    std::string text = Plain(day);
    if (month > 1)
        text += " + " + Plain(months) + " (the months before month " + Plain(month) + " of " + Plain(year) + ")";
    if (years > 0)
        text += " + " + Plain(years) + " (" + Years(kOriginYear, year - 1) + ")";
    if (years < 0)
        text += " − " + Plain(-years) + " (" + Years(year, kOriginYear - 1) + ")";
    return text;
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

std::int32_t dateid(std::string_view dt, Working working)
{
    const std::int16_t d = RoundToInt16(DatePart(dt));
    std::int16_t m = RoundToInt16(MonthPart(dt));
    std::int16_t y = RoundToInt16(YearPart(dt));
    const std::int16_t month = m;
    const std::int16_t year = y;
    working.step([&] { return PartsText(dt, d, m, y); });
    std::int32_t r = d;
    m = SubInt16(m, kOne);
    while (m > 0) {
        r = AddInt32(r, MonthLength(m, y));
        m = SubInt16(m, kOne);
    }
    const std::int32_t afterMonths = r;
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
    working.step([&] {
        const std::string terms = DayNumberTerms(d, month, year, afterMonths - d, r - afterMonths);
        return "its day number, counting 1 January 1700 as day 1: " + terms +
               (terms == Plain(r) ? "" : " = " + Plain(r));
    });
    return r;
}

std::int32_t monthid(std::string_view dt, Working working)
{
    const std::int16_t m = RoundToInt16(MonthPart(dt));
    std::int16_t y = RoundToInt16(YearPart(dt));
    working.step([&] { return std::string(dt) + ": month " + Plain(m) + ", year " + Plain(y); });
    std::int32_t r = m;
    std::int32_t years = 0;
    while (y >= kOriginYear + 1) {
        r = AddInt32(r, 12);
        y = SubInt16(y, kOne);
        ++years;
    }
    if (y >= kFirstYear) {
        while (y < kOriginYear) {
            r = SubInt32(r, 12);
            y = AddInt16(y, kOne);
            --years;
        }
    }
    working.step([&] {
        return "its month number, counting January 1700 as month 1: " + Plain(m) +
               (years == 0 ? "" : " + 12 × " + Factor(years) + " = " + Plain(r));
    });
    return r;
}

std::string dat(std::int32_t dateid, Working working)
{
    const std::int32_t start = dateid;
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
    const std::int32_t inYear = dateid;
    working.step([&] {
        const std::string day = "day " + Plain(start) + ": ";
        if (y > kOriginYear)
            return day + "after " + Years(kOriginYear, y - 1) + " (" + Plain(start - inYear) + " days), day " +
                   Plain(inYear) + " of " + Plain(y) + " is left";
        if (y < kOriginYear)
            return day + "counting back through " + Years(y, kOriginYear - 1) + " (" + Plain(inYear - start) +
                   " days) gives day " + Plain(inYear) + " of " + Plain(y);
        return day + "day " + Plain(inYear) + " of " + Plain(y);
    });
    std::int16_t m = 1;
    while (dateid > MonthLength(m, y)) {
        dateid = SubInt32(dateid, MonthLength(m, y));
        m = AddInt16(m, kOne);
    }
    const std::int16_t day = RoundToInt16(dateid);
    std::string text = FormatSpaced(day) + "/" + FormatSpaced(m) + "/" + FormatSpaced(y);
    working.step([&] {
        const std::string left = "day " + Plain(day) + " of month " + Plain(m);
        if (m == 1)
            return left + ":" + text;
        const std::string months = m == 2 ? "month 1" : "months 1 to " + Plain(m - 1);
        return "after " + months + " (" + Plain(inYear - dateid) + " days), " + left + " is left:" + text;
    });
    return text;
}

MonthOfYear monthofyear(std::int32_t monthid, Working working)
{
    const std::int32_t start = monthid;
    std::int32_t years = 0;
    std::int16_t y = kOriginYear;
    while (monthid >= 13) {
        y = AddInt16(y, kOne);
        monthid = SubInt32(monthid, 12);
        ++years;
    }
    while (monthid <= 0) {
        if (y == kFirstYear)
            Raise(ErrorCode::Overflow);
        y = SubInt16(y, kOne);
        monthid = AddInt32(monthid, 12);
        --years;
    }
    const std::int16_t month = RoundToInt16(monthid);
    working.step([&] {
        return "month number " + Plain(start) + (years == 0 ? "" : " = " + Plain(month) + " + 12 × " + Factor(years)) +
               ": month " + Plain(month) + " of " + Plain(y);
    });
    return {month, y};
}

std::string monyr(std::int32_t monthid, Working working)
{
    const MonthOfYear found = monthofyear(monthid, working);
    std::string text = "/";
    text += FormatSpaced(found.month);
    text += "/";
    text += FormatSpaced(found.year);
    return text;
}

std::int16_t weekday(std::int16_t day, std::int16_t month, std::int16_t year, Working working)
{
    const std::int16_t c = TruncateToInt16(Divide(year, 100));
    const auto yy = static_cast<std::int16_t>(year % 100);
    working.step([&] { return "century c = " + Plain(c) + ", year in the century yy = " + Plain(yy); });
    const std::int16_t code = MonthCode(month);
    const std::int16_t shift = CenturyShift(c, year);
    std::int16_t t = static_cast<std::int16_t>(AddInt16(code, shift) % 7);
    working.step([&] {
        const std::string rule = year < kFirstYear ? "6 × " + Plain(c) + " = " + Plain(shift)
                                                   : "1 + 5 × (" + Plain(c) + " mod 4) = " + Plain(shift) +
                                                         ", as the calendar repeats every 400 years";
        return "month code of month " + Plain(month) + " = " + Plain(code) + "; century shift = " + rule;
    });
    working.step([&] { return "t = (" + Plain(code) + " + " + Plain(shift) + ") mod 7 = " + Plain(t); });
    if (month == 1 || month == 2) {
        const std::int16_t before = t;
        t = SubInt16(t, leap(year));
        if (t != before)
            working.step([&] { return "January and February of a leap year come a day earlier: t = " + Plain(t); });
    }
    const auto dd = static_cast<std::int16_t>(day % 7);
    const auto y7 = static_cast<std::int16_t>(yy % 7);
    const std::int16_t quarter = TruncateToInt16(Divide(yy, 4));
    const std::int16_t sum = AddInt16(AddInt16(AddInt16(dd, y7), quarter), t);
    const auto w = static_cast<std::int16_t>(sum % 7);
    working.step([&] {
        return "w = (day mod 7 + yy mod 7 + whole part of yy ÷ 4 + t) mod 7 = (" + Plain(dd) + " + " + Plain(y7) +
               " + " + Plain(quarter) + " + " + Factor(t) + ") mod 7 = " + Plain(sum) + " mod 7 = " + Plain(w);
    });
    return w;
}

} // namespace zentaro::dates
