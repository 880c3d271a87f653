#pragma once

// The calendar procedures against the standard library's proleptic Gregorian
// calendar: day and month numbers of date texts (days beyond their month and
// months beyond 12 included), the texts written for day and month numbers,
// weekdays, differences, and dates shifted by days or months and back. Any other
// text fails only with the run-time errors of a number out of range.

#include "conventions/numbers.h"
#include "dates/calendar.h"
#include "dates/date_questions.h"
#include "dates/date_text.h"
#include "support/property.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace zentaro::testing {
namespace calendar_check {

using namespace std::chrono;
using dates::Direction;
using dates::Unit;

// Day 1 is 1 January 1700.
const sys_days kOrigin = sys_days{year{1700} / 1 / 1} - days{1};

inline long long DayNumber(const year_month_day& date)
{
    return (sys_days{date} - kOrigin).count();
}

const long long kFirstDay = DayNumber(year{1} / 1 / 1);
const long long kLastDay = DayNumber(year{32767} / 12 / 31);

inline year_month_day DateOf(long long dayNumber)
{
    return year_month_day{kOrigin + days{dayNumber}};
}

// The form the window asks for; parts may be negative or out of range.
inline std::string Typed(long long d, long long m, long long y)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02lld/%02lld/%04lld", d, m, y);
    return text;
}

inline std::string Typed(const year_month_day& date)
{
    return Typed(static_cast<unsigned>(date.day()), static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
}

// What dat writes: each part after a blank.
inline std::string Written(const year_month_day& date)
{
    char text[40];
    std::snprintf(text, sizeof text, " %u/ %u/ %d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return text;
}

inline long long MonthNumber(const year_month_day& date)
{
    return static_cast<long long>(static_cast<unsigned>(date.month())) + 12 * (static_cast<int>(date.year()) - 1700);
}

} // namespace calendar_check

// A date typed with any day and month that fit two characters and any year that
// fits four.
inline std::string CheckTypedDate(long long d, long long m, long long y)
{
    using namespace calendar_check;
    const std::string text = Typed(d, m, y);
    // Months past the 12th add no more than a year; years before 1 add nothing.
    const year_month jan = year{static_cast<int>(y)} / January;
    const long long inYear =
        d + (m >= 2 ? (sys_days{(jan + months{std::min(m, 13LL) - 1}) / 1} - sys_days{jan / 1}).count() : 0);
    PROPERTY(dates::dateid(text) == inYear + (y >= 1 ? DayNumber(jan / 1) - 1 : 0));
    PROPERTY(dates::monthid(text) == m + (y >= 1 ? 12 * (y - 1700) : 0));
    PROPERTY(!dates::IsWronglyFormed(text));
    const bool real =
        y >= 1 && m >= 1 && m <= 12 && d >= 1 &&
        d <= static_cast<unsigned>((year{static_cast<int>(y)} / month{static_cast<unsigned>(m)} / last).day());
    PROPERTY(dates::IsRealDate(text) == real);
    if (y >= 1 && m >= 1 && m <= 12 && d >= 0) {
        // counted on from the first of its month
        const unsigned w = weekday{
            sys_days{year{static_cast<int>(y)} / month{static_cast<unsigned>(m)} / 1} +
            days{d - 1}}.c_encoding();
        PROPERTY(dates::weekday(static_cast<std::int16_t>(d), static_cast<std::int16_t>(m),
                                static_cast<std::int16_t>(y)) == static_cast<std::int16_t>(w));
        PROPERTY(dates::WeekdayOf(text) == dates::WeekdayName(static_cast<std::int16_t>(w)));
    }
    if (m < 0 || m > 12)
        PROPERTY(Failure([&] { dates::WeekdayOf(text); }) == ErrorCode::SubscriptOutOfRange);
    return {};
}

// A day number written as a date, and the number of that date again.
inline std::string CheckDayNumber(long long n)
{
    using namespace calendar_check;
    if (n < kFirstDay || n > kLastDay) {
        PROPERTY(Failure([&] { dates::dat(static_cast<std::int32_t>(n)); }) == ErrorCode::Overflow);
        return {};
    }
    PROPERTY(dates::dat(static_cast<std::int32_t>(n)) == Written(DateOf(n)));
    if (DateOf(n).year() <= year{9999})
        PROPERTY(dates::dateid(Typed(DateOf(n))) == n);
    return {};
}

// A month number written as '/ m/ y'.
inline std::string CheckMonthNumber(long long n)
{
    using namespace calendar_check;
    const long long y = 1700 + (n >= 1 ? (n - 1) / 12 : -((12 - n) / 12));
    if (y < 1 || y > 32767) {
        PROPERTY(Failure([&] { dates::monyr(static_cast<std::int32_t>(n)); }) == ErrorCode::Overflow);
        return {};
    }
    PROPERTY(dates::monyr(static_cast<std::int32_t>(n)) ==
             std::string("/ ").append(std::to_string(n - 12 * (y - 1700))).append("/ ").append(std::to_string(y)));
    return {};
}

// A real date shifted forward by a number of days (whole, or with a half that
// rounds to even), back again, and forward by a number of months.
inline std::string CheckShifts(const std::chrono::year_month_day& date, double amount, long long monthCount)
{
    using namespace calendar_check;
    const std::string text = Typed(date);
    const std::string amountText = FormatPlain(amount);
    const double target = std::nearbyint(static_cast<double>(DayNumber(date)) + amount);
    if (target < kFirstDay || target > kLastDay) {
        PROPERTY(Failure([&] { dates::ShiftedDate(text, amountText, Unit::Days, Direction::Forward); }) ==
                 ErrorCode::Overflow);
    } else {
        const year_month_day there = DateOf(static_cast<long long>(target));
        PROPERTY(dates::ShiftedDate(text, amountText, Unit::Days, Direction::Forward) == Written(there));
        if (there.year() <= year{9999} && amount == std::trunc(amount))
            PROPERTY(dates::ShiftedDate(Typed(there), amountText, Unit::Days, Direction::Back) == Written(date));
    }

    // The typed day in front of the month found, or that month's last day when
    // the typed day is past it.
    const long long index = MonthNumber(date) + monthCount - 1 + 12 * 1700; // months from January of year 0
    const long long y = index >= 0 ? index / 12 : -((-index + 11) / 12);
    std::string shifted;
    const ErrorCode failure = Failure(
        [&] { shifted = dates::ShiftedDate(text, std::to_string(monthCount), Unit::Months, Direction::Forward); });
    PROPERTY(failure == ErrorCode{} || failure == ErrorCode::Overflow);
    if (y < 1 || y > 32767 || MonthNumber(date) + monthCount < INT32_MIN || MonthNumber(date) + monthCount > INT32_MAX)
        PROPERTY(shifted.empty());
    else {
        const auto m = static_cast<unsigned>(index - 12 * y + 1);
        const unsigned lastDay = static_cast<unsigned>((year{static_cast<int>(y)} / month{m} / last).day());
        const std::string day =
            static_cast<unsigned>(date.day()) > lastDay ? std::to_string(lastDay) : text.substr(0, 2);
        PROPERTY(shifted == day + "/ " + std::to_string(m) + "/ " + std::to_string(y));
    }
    return {};
}

// First date minus second, in days and in months.
inline std::string CheckDifference(const std::chrono::year_month_day& a, const std::chrono::year_month_day& b)
{
    using namespace calendar_check;
    PROPERTY(dates::DateDifference(Typed(a), Typed(b), Unit::Days) == std::to_string(DayNumber(a) - DayNumber(b)));
    PROPERTY(dates::DateDifference(Typed(a), Typed(b), Unit::Months) ==
             std::to_string(MonthNumber(a) - MonthNumber(b)));
    return {};
}

// Any text, and any other text as the second date or the amount.
inline std::string CheckFreeText(const std::string& text, const std::string& other)
{
    using namespace calendar_check;
    const auto allowed = [](ErrorCode code) { return code == ErrorCode{} || code == ErrorCode::Overflow; };
    PROPERTY(allowed(Failure([&] { dates::dateid(text); })));
    PROPERTY(allowed(Failure([&] { dates::monthid(text); })));
    const ErrorCode weekday = Failure([&] { dates::WeekdayOf(text); });
    PROPERTY(allowed(weekday) || weekday == ErrorCode::SubscriptOutOfRange);
    for (const Unit unit : {Unit::Days, Unit::Months, Unit::Years}) {
        PROPERTY(allowed(Failure([&] { dates::DateDifference(text, other, unit); })));
        const ErrorCode code = Failure([&] { dates::ShiftedDate(text, other, unit, Direction::Back); });
        PROPERTY(allowed(code) || code == ErrorCode::TypeMismatch);
    }
    if (dates::IsRealDate(text))
        PROPERTY(!dates::IsWronglyFormed(text));
    return {};
}

} // namespace zentaro::testing
