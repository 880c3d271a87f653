#include "dates/calendar.h"
#include "dates/date_questions.h"
#include "dates/date_text.h"

#include "conventions/case_file.h"
#include "conventions/steps.h"

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
    return steps::EndingWith(call(Working(steps)), steps);
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
                 const Unit unit = a[2] == "D" ? Unit::Days : a[2] == "M" ? Unit::Months : Unit::Years;
                 const Direction direction = a[3] == "F" ? Direction::Forward : Direction::Back;
                 return Recorded([&](Working w) { return ShiftedDate(a[0], a[1], unit, direction, w); });
             }},
        });
}

TEST(Working, DayNumbersMonthNumbersAndTheWeekday)
{
    std::vector<std::string> days, months, weekday;
    DateDifference("05/12/2026", "01/01/2000", Unit::Days, Working(days));
    ShiftedDate("31/01/2024", "1", Unit::Months, Direction::Forward, Working(months));
    WeekdayOf("29/02/2000", Working(weekday));
    steps::ExpectLines(days, {"05/12/2026: day 5, month 12, year 2026",
                              "its day number, counting 1 January 1700 as day 1: 5 + 334 (the months before month "
                              "12 of 2026) + 119069 (the years 1700 to 2025) = 119408",
                              "01/01/2000: day 1, month 1, year 2000",
                              "its day number, counting 1 January 1700 as day 1: 1 + 109572 (the years 1700 to 1999) "
                              "= 109573",
                              "difference in days = 119408 − 109573 = 9835"});
    steps::ExpectLines(months, {"31/01/2024: month 1, year 2024",
                                "its month number, counting January 1700 as month 1: 1 + 12 × 324 = 3889",
                                "3889 + 1 = 3890", "month number 3890 = 2 + 12 × 324: month 2 of 2024",
                                "day 31 is past the end of month 2 of 2024, which has 29 days, so its last day is "
                                "taken: 29/ 2/ 2024"});
    steps::ExpectLines(weekday,
                       {"29/02/2000: day 29, month 2, year 2000", "century c = 20, year in the century yy = 0",
                        "month code of month 2 = 1; century shift = 1 + 5 × (20 mod 4) = 1, as the calendar "
                        "repeats every 400 years",
                        "t = (1 + 1) mod 7 = 2", "January and February of a leap year come a day earlier: t = 1",
                        "w = (day mod 7 + yy mod 7 + whole part of yy ÷ 4 + t) mod 7 = (1 + 0 + 0 + 1) mod 7 "
                        "= 2 mod 7 = 2",
                        "weekday 2, counting Sunday as 0: Tuesday"});
}

} // namespace
} // namespace zentaro::dates
