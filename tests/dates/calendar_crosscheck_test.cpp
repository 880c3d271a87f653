// The calendar against the standard library's proleptic Gregorian one, on
// thousands of dates from year 1 to 9999.
#include "dates/calendar.h"
#include "dates/date_questions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace zentaro::dates {
namespace {

using namespace std::chrono;

const sys_days kOrigin = year{1700} / 1 / 1, kFirst = year{1} / 1 / 1, kLast = year{9999} / 12 / 31;

// As a person types it ('05/12/2026'), or as the window writes it (' 5/ 12/ 2026').
std::string Text(sys_days date, const char* form)
{
    const year_month_day d{date};
    char text[32];
    std::snprintf(text, sizeof text, form, static_cast<unsigned>(d.day()), static_cast<unsigned>(d.month()),
                  static_cast<int>(d.year()));
    return text;
}
std::string Typed(sys_days date)
{
    return Text(date, "%02u/%02u/%04d");
}
int MonthCount(sys_days date)
{
    const year_month_day d{date};
    return static_cast<int>(d.year()) * 12 + static_cast<int>(static_cast<unsigned>(d.month()));
}

// The seams of the numbering and of the leap rule, then random dates.
std::vector<sys_days> Dates(std::mt19937& random)
{
    std::vector<sys_days> dates = {kFirst, kLast, kOrigin, kOrigin - days{1}, year{1600} / 2 / 29, year{1900} / 3 / 1};
    std::uniform_int_distribution<int> span(0, static_cast<int>((kLast - kFirst).count()));
    for (int i = 0; i < 4000; ++i)
        dates.push_back(kFirst + days{span(random)});
    return dates;
}

TEST(CalendarCrossCheck, DayNumbersDifferencesAndShifts)
{
    std::mt19937 random(20260105);
    const std::vector<sys_days> dates = Dates(random);
    for (std::size_t i = 0; i + 1 < dates.size(); ++i) {
        const sys_days a = dates[i], b = dates[i + 1];
        SCOPED_TRACE(Typed(a) + " and " + Typed(b));
        ASSERT_EQ(dateid(Typed(a)), (a - kOrigin).count() + 1);
        ASSERT_EQ(DateDifference(Typed(a), Typed(b), Unit::Days), std::to_string((a - b).count()));
        ASSERT_EQ(DateDifference(Typed(a), Typed(b), Unit::Months), std::to_string(MonthCount(a) - MonthCount(b)));
        // Shifting a by the days to b lands on b; backwards by a negative amount too.
        const auto gap = (b - a).count();
        const std::string written = Text(b, " %u/ %u/ %d");
        ASSERT_EQ(ShiftedDate(Typed(a), std::to_string(gap), Unit::Days, Direction::Forward), written);
        ASSERT_EQ(ShiftedDate(Typed(a), std::to_string(-gap), Unit::Days, Direction::Back), written);
        // By months: the typed day in front of b's month and year, or the last day
        // of that month when a's day is past it.
        const int months = MonthCount(b) - MonthCount(a);
        const year_month_day there{b};
        const auto last = static_cast<unsigned>((there.year() / there.month() / std::chrono::last).day());
        const std::string day =
            static_cast<unsigned>(year_month_day{a}.day()) > last ? std::to_string(last) : Typed(a).substr(0, 2);
        ASSERT_EQ(ShiftedDate(Typed(a), std::to_string(months), Unit::Months, Direction::Forward),
                  day + written.substr(written.find('/')));
    }
}

TEST(CalendarCrossCheck, WeekdayOfEveryDateFromYear1To9999)
{
    for (sys_days d = kFirst; d <= kLast; d += days{1}) {
        const year_month_day ymd{d};
        const auto w = weekday(static_cast<std::int16_t>(static_cast<unsigned>(ymd.day())),
                               static_cast<std::int16_t>(static_cast<unsigned>(ymd.month())),
                               static_cast<std::int16_t>(static_cast<int>(ymd.year())));
        if (w != static_cast<std::int16_t>(std::chrono::weekday{d}.c_encoding())) {
            ADD_FAILURE() << Typed(d) << " gives " << w;
            return;
        }
    }
}

} // namespace
} // namespace zentaro::dates
