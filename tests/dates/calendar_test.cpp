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

TEST(Calendar, CaseTable)
{
    cases::Run("dates/calendar.txt",
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
                        return Outcome([&] { return dateid(a[0]); }) + " " + Outcome([&] { return monthid(a[0]); });
                    }},
                   {"dat", [](const Args& a) { return dat(std::stoi(a[0])); }},
                   {"monyr", [](const Args& a) { return monyr(std::stoi(a[0])); }},
                   {"weekday", [](const Args& a) { return Text(weekday(Int16(a[0]), Int16(a[1]), Int16(a[2]))); }},
                   {"WeekdayOf", [](const Args& a) { return Text(WeekdayOf(a[0])); }},
                   {"WeekdayName", [](const Args& a) { return Text(WeekdayName(Int16(a[0]))); }},
                   {"shift",
                    [](const Args& a) {
                        const Unit unit = a[2] == "D" ? Unit::Days : a[2] == "M" ? Unit::Months : Unit::Years;
                        return ShiftedDate(a[0], a[1], unit, a[3] == "F" ? Direction::Forward : Direction::Back);
                    }},
               });
}

} // namespace
} // namespace zentaro::dates
