#include "dates/date_questions.h"

#include "conventions/numbers.h"
#include "dates/calendar.h"
#include "dates/date_text.h"

#include <array>

namespace zentaro::dates {
namespace {

double Shift(double value, double amount, Direction direction)
{
    return direction == Direction::Forward ? Add(value, amount) : Sub(value, amount);
}

} // namespace

std::string DateDifference(std::string_view first, std::string_view second, Unit unit)
{
    switch (unit) {
    case Unit::Days:
        return FormatPlain(SubInt32(dateid(first), dateid(second)));
    case Unit::Months:
        return FormatPlain(SubInt32(monthid(first), monthid(second)));
    case Unit::Years:
        return FormatPlain(Sub(YearPart(first), YearPart(second)));
    }
    return {};
}

std::string ShiftedDate(std::string_view date, std::string_view amount, Unit unit, Direction direction)
{
    switch (unit) {
    case Unit::Days: {
        const std::int32_t from = dateid(date);
        return dat(RoundToInt32(Shift(from, StrictToDouble(amount), direction)));
    }
    case Unit::Months: {
        const std::int32_t from = monthid(date);
        return std::string(TypedDay(date)) + monyr(RoundToInt32(Shift(from, StrictToDouble(amount), direction)));
    }
    case Unit::Years: {
        const double day = DatePart(date);
        const double month = MonthPart(date);
        const double year = YearPart(date);
        return FormatSpaced(day) + "/" + FormatSpaced(month) + "/" +
               FormatSpaced(Shift(year, StrictToDouble(amount), direction));
    }
    }
    return {};
}

std::string_view WeekdayName(std::int16_t w)
{
    static constexpr std::array<std::string_view, 8> kNames = {"Sunday",   "Monday", "Tuesday",  "Wednesday",
                                                               "Thursday", "Friday", "Saturday", ""};
    if (w < 0 || w >= static_cast<std::int16_t>(kNames.size()))
        Raise(ErrorCode::SubscriptOutOfRange);
    return kNames[static_cast<std::size_t>(w)];
}

std::string_view WeekdayOf(std::string_view date)
{
    const std::int16_t day = RoundToInt16(DatePart(date));
    const std::int16_t month = RoundToInt16(MonthPart(date));
    const std::int16_t year = RoundToInt16(YearPart(date));
    return WeekdayName(weekday(day, month, year));
}

} // namespace zentaro::dates
