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

// A day past the end of the month a shift lands in becomes that month's last day,
// so that 31 January and a month is 29 February of a leap year, not a day of March
// written as February. Months outside 1 to 12 have no length and fit nothing.
bool PastMonthEnd(double day, std::int16_t month, std::int16_t year)
{
    const Tagged length = mdays(month, year);
    return !length.empty() && day > length.ToDouble();
}

double MonthLength(std::int16_t month, std::int16_t year)
{
    return mdays(month, year).ToDouble();
}

int DigitsValue(std::string_view digits)
{
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
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
        const std::int32_t to = RoundToInt32(Shift(from, StrictToDouble(amount), direction));
        const MonthOfYear there = monthofyear(to);
        // A day that fits stays as typed, blanks and leading zero included.
        const std::string day = PastMonthEnd(DatePart(date), there.month, there.year)
                                    ? FormatPlain(MonthLength(there.month, there.year))
                                    : std::string(TypedDay(date));
        return day + monyr(to);
    }
    case Unit::Years: {
        const double day = DatePart(date);
        const double month = MonthPart(date);
        // Rounded half to even, as the day and month amounts are: there is no half year in a date.
        const std::int16_t year = RoundToInt16(Shift(YearPart(date), StrictToDouble(amount), direction));
        const std::int16_t wholeMonth = RoundToInt16(month);
        const double fitted = PastMonthEnd(day, wholeMonth, year) ? MonthLength(wholeMonth, year) : day;
        return FormatSpaced(fitted) + "/" + FormatSpaced(month) + "/" + FormatSpaced(year);
    }
    }
    return {};
}

bool IsRealDate(std::string_view s)
{
    if (s.size() != 10 || s[2] != '/' || s[5] != '/')
        return false;
    const int day = DigitsValue(s.substr(0, 2));
    const int month = DigitsValue(s.substr(3, 2));
    const int year = DigitsValue(s.substr(6, 4));
    if (day < 1 || month < 1 || month > 12 || year < 1)
        return false;
    return day <= MonthLength(static_cast<std::int16_t>(month), static_cast<std::int16_t>(year));
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
