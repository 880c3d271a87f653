#include "dates/calendar.h"
#include "dates/date_questions.h"
#include "dates/date_text.h"

#include "conventions/case_file.h"

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

} // namespace
} // namespace zentaro::dates
