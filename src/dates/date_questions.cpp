#include "dates/date_questions.h"

#include "conventions/numbers.h"
#include "conventions/step_text.h"
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

// "119408 + 2.5 = 119410.5, to a whole number (a half to the even one): 119410".
std::string ShiftStep(double from, double by, Direction direction, double shifted, double whole)
{
    const std::string sum =
        Plain(from) + (direction == Direction::Forward ? " + " : " − ") + Factor(by) + " = " + Plain(shifted);
    return whole == shifted ? sum : sum + ", to a whole number (a half to the even one): " + Plain(whole);
}

// A day or month number moved by the amount, to the nearest whole number.
std::int32_t Shifted(std::int32_t from, std::string_view amount, Direction direction, Working working)
{
    const double by = StrictToDouble(amount);
    const double shifted = Shift(from, by, direction);
    const std::int32_t n = RoundToInt32(shifted);
    working.step([&] { return ShiftStep(from, by, direction, shifted, n); });
    return n;
}

// "day 31 is past the end of month 2 of 2024, which has 29 days, so its last day is taken".
std::string PastEndStep(double day, std::int16_t month, std::int16_t year)
{
    return "day " + Plain(day) + " is past the end of month " + Plain(month) + " of " + Plain(year) + ", which has " +
           Plain(MonthLength(month, year)) + " days, so its last day is taken";
}

std::string Difference(double first, double second, std::string_view unit, Working working)
{
    const double difference = Sub(first, second);
    working.step([&] {
        return "difference in " + std::string(unit) + " = " + Plain(first) + " − " + Factor(second) + " = " +
               Plain(difference);
    });
    return FormatPlain(difference);
}

} // namespace

std::string DateDifference(std::string_view first, std::string_view second, Unit unit, Working working)
{
    switch (unit) {
    case Unit::Days: {
        const std::int32_t from = dateid(first, working);
        const std::int32_t to = dateid(second, working);
        const std::int32_t difference = SubInt32(from, to);
        working.step(
            [&] { return "difference in days = " + Plain(from) + " − " + Factor(to) + " = " + Plain(difference); });
        return FormatPlain(difference);
    }
    case Unit::Months: {
        const std::int32_t from = monthid(first, working);
        const std::int32_t to = monthid(second, working);
        const std::int32_t difference = SubInt32(from, to);
        working.step([&] {
            return "difference in months = " + Plain(from) + " − " + Factor(to) + " = " + Plain(difference) +
                   " (the days are not counted)";
        });
        return FormatPlain(difference);
    }
    case Unit::Years:
        working.step("Only the year numbers count, not the days or months:");
        return Difference(YearPart(first), YearPart(second), "years", working);
    }
    return {};
}

std::string ShiftedDate(std::string_view date, std::string_view amount, Unit unit, Direction direction, Working working)
{
    switch (unit) {
    case Unit::Days: {
        const std::int32_t from = dateid(date, working);
        return dat(Shifted(from, amount, direction, working), working);
    }
    case Unit::Months: {
        const std::int32_t from = monthid(date, working);
        const std::int32_t to = Shifted(from, amount, direction, working);
        const MonthOfYear there = monthofyear(to, working);
        // A day that fits stays as typed, blanks and leading zero included.
        const double typedDay = DatePart(date);
        const bool past = PastMonthEnd(typedDay, there.month, there.year);
        const std::string day = past ? FormatPlain(MonthLength(there.month, there.year)) : std::string(TypedDay(date));
        std::string text = day + monyr(to);
        working.step([&] {
            return (past ? PastEndStep(typedDay, there.month, there.year) : "the day as typed in front") + ": " + text;
        });
        return text;
    }
    case Unit::Years: {
        const double day = DatePart(date);
        const double month = MonthPart(date);
        const double typedYear = YearPart(date);
        working.step([&] { return PartsText(date, day, month, typedYear); });
        // Rounded half to even, as the day and month amounts are: there is no half year in a date.
        const double by = StrictToDouble(amount);
        const double shifted = Shift(typedYear, by, direction);
        const std::int16_t year = RoundToInt16(shifted);
        working.step([&] { return "year " + ShiftStep(typedYear, by, direction, shifted, year); });
        const std::int16_t wholeMonth = RoundToInt16(month);
        const bool past = PastMonthEnd(day, wholeMonth, year);
        const double fitted = past ? MonthLength(wholeMonth, year) : day;
        std::string text = FormatSpaced(fitted) + "/" + FormatSpaced(month) + "/" + FormatSpaced(year);
        working.step([&] { return (past ? PastEndStep(day, wholeMonth, year) : "day and month kept") + ":" + text; });
        return text;
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

std::string_view WeekdayOf(std::string_view date, Working working)
{
    const std::int16_t day = RoundToInt16(DatePart(date));
    const std::int16_t month = RoundToInt16(MonthPart(date));
    const std::int16_t year = RoundToInt16(YearPart(date));
    working.step([&] { return PartsText(date, day, month, year); });
    const std::int16_t w = weekday(day, month, year, working);
    const std::string_view name = WeekdayName(w);
    working.step([&] { return "weekday " + Plain(w) + ", counting Sunday as 0: " + std::string(name); });
    return name;
}

} // namespace zentaro::dates
