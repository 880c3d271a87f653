#include "dates/calendar.h"
#include "dates/date_questions.h"
#include "dates/date_text.h"

#include "conventions/case_file.h"
#include "support/calendar_check.h"

#include <random>
#include <vector>

namespace zentaro::dates {
namespace {

using cases::Args;
using cases::Outcome;
using cases::Text;

std::int16_t Int16(const std::string& text)
{
    return static_cast<std::int16_t>(std::stoi(text));
}

// The answer of a call given a recorder, checked to end its working.
template <typename Call> std::string Recorded(Call call)
{
    std::vector<std::string> steps;
    return cases::EndingWith(call(Working(steps)), steps);
}

Unit UnitOf(const std::string& letter)
{
    return letter == "D" ? Unit::Days : letter == "M" ? Unit::Months : Unit::Years;
}

Direction DirectionOf(const std::string& letter)
{
    return letter == "F" ? Direction::Forward : Direction::Back;
}

TEST(Calendar, CaseTable)
{
    cases::Run(
        "dates/calendar.txt",
        {
            {"split",
             [](const Args& a) {
                 return Text(DatePart(a[0])) + " " + Text(MonthPart(a[0])) + " " + Text(YearPart(a[0])) +
                        (IsWronglyFormed(a[0]) ? " wrong"
                         : IsRealDate(a[0])    ? " real"
                                               : " formed");
             }},
            {"year", [](const Args& a) { return Text(leap(Int16(a[0]))) + " " + Text(ydays(Int16(a[0]))); }},
            {"mdays",
             [](const Args& a) {
                 const Tagged days = mdays(Int16(a[0]), Int16(a[1]));
                 return days.empty() ? "empty" : days.ToText();
             }},
            {"id",
             [](const Args& a) {
                 return Outcome([&] { return Recorded([&](Working w) { return Text(dateid(a[0], w)); }); }) + " " +
                        Outcome([&] { return Recorded([&](Working w) { return Text(monthid(a[0], w)); }); });
             }},
            {"dat", [](const Args& a) { return dat(std::stoi(a[0])); }},
            {"monyr", [](const Args& a) { return monyr(std::stoi(a[0])); }},
            {"weekday", [](const Args& a) { return Text(weekday(Int16(a[0]), Int16(a[1]), Int16(a[2]))); }},
            {"WeekdayOf", [](const Args& a) { return Recorded([&](Working w) { return Text(WeekdayOf(a[0], w)); }); }},
            {"WeekdayName", [](const Args& a) { return Text(WeekdayName(Int16(a[0]))); }},
            {"shift",
             [](const Args& a) {
                 return Recorded(
                     [&](Working w) { return ShiftedDate(a[0], a[1], UnitOf(a[2]), DirectionOf(a[3]), w); });
             }},
        });
}

TEST(Working, DayNumbersMonthNumbersAndTheWeekday)
{
    cases::RunWorked(
        "dates/working.txt",
        {{"difference", [](const Args& a, Working w) { DateDifference(a[0], a[1], UnitOf(a[2]), w); }},
         {"shift", [](const Args& a, Working w) { ShiftedDate(a[0], a[1], UnitOf(a[2]), DirectionOf(a[3]), w); }},
         {"weekday", [](const Args& a, Working w) { WeekdayOf(a[0], w); }}});
}

// The calendar against the standard library's proleptic Gregorian one.
using namespace testing;
using namespace std::chrono;

TEST(CalendarCrossCheck, TypedPartsInAndOutOfRange)
{
    for (const long long y : {-999, 0, 1, 4, 100, 1600, 1699, 1700, 1900, 2000, 2024, 9999}) {
        for (long long m = -9; m <= 99; m += m < 14 ? 1 : 85) {
            for (const long long d : {-9, 0, 1, 28, 29, 30, 31, 32, 99})
                ASSERT_EQ(CheckTypedDate(d, m, y), "") << d << "/" << m << "/" << y;
        }
    }
    for (const long long n : {-9999999LL, -620547LL, -620546LL, 0LL, 1LL, 11345636LL, 11345637LL})
        ASSERT_EQ(CheckDayNumber(n), "") << n;
    for (const long long n : {-999999LL, -20388LL, -20387LL, 0LL, 1LL, 372816LL, 372817LL})
        ASSERT_EQ(CheckMonthNumber(n), "") << n;
}

// The seams of the numbering and of the leap rule, then thousands of random dates
// from year 1 to 9999, each shifted to the next and compared with it.
TEST(CalendarCrossCheck, DayNumbersDifferencesAndShifts)
{
    const sys_days first = year{1} / 1 / 1, last = year{9999} / 12 / 31;
    std::vector<sys_days> dates = {
        first, last, year{1700} / 1 / 1, year{1699} / 12 / 31, year{1600} / 2 / 29, year{1900} / 3 / 1};
    std::mt19937 random(20260105);
    std::uniform_int_distribution<int> span(0, static_cast<int>((last - first).count()));
    for (int i = 0; i < 2500; ++i)
        dates.push_back(first + days{span(random)});
    for (std::size_t i = 0; i + 1 < dates.size(); ++i) {
        const year_month_day a{dates[i]}, b{dates[i + 1]};
        const long long months = (static_cast<int>(b.year()) - static_cast<int>(a.year())) * 12LL +
                                 static_cast<unsigned>(b.month()) - static_cast<unsigned>(a.month());
        SCOPED_TRACE(calendar_check::Typed(a) + " and " + calendar_check::Typed(b));
        ASSERT_EQ(CheckTypedDate(static_cast<unsigned>(a.day()), static_cast<unsigned>(a.month()),
                                 static_cast<int>(a.year())),
                  "");
        ASSERT_EQ(CheckDayNumber(calendar_check::DayNumber(a)), "");
        ASSERT_EQ(CheckShifts(a, static_cast<double>((dates[i + 1] - dates[i]).count()), months), "");
        ASSERT_EQ(CheckShifts(a, 0.5, 0), "");
        ASSERT_EQ(CheckDifference(a, b), "");
    }
}

} // namespace
} // namespace zentaro::dates
