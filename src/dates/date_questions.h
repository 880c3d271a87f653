#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zentaro::dates {

// The unit a difference or a shift is counted in.
enum class Unit { Days, Months, Years };
enum class Direction { Forward, Back };

// First date minus second, as plain text: days between the day numbers, months
// between the month numbers (days ignored), or years between the year numbers
// (day and month ignored). '05/12/2026' - '01/01/2000' is '9835', '323' or '26'.
std::string DateDifference(std::string_view first, std::string_view second, Unit unit);

// The date `amount` days, months or years after (Forward) or before (Back) a
// date. The amount must be a number (Type mismatch otherwise).
// Days: the day number plus the amount, rounded half to even, as dat writes it.
// Months: the day as typed (its first two characters) in front of the month found:
//   '31/01/2003' + 1 month is '31/ 2/ 2003'.
// Years: day, month and year as numbers, the year not rounded:
//   '15/01/2003' + 2.5 years is ' 15/ 1/ 2005.5'.
std::string ShiftedDate(std::string_view date, std::string_view amount, Unit unit, Direction direction);

// "Sunday" to "Saturday" for weekday results 0 to 6, the empty text for 7;
// anything else is Subscript out of range.
std::string_view WeekdayName(std::int16_t w);

// The weekday name of a date text ("Saturday" for '05/12/2026').
std::string_view WeekdayOf(std::string_view date);

} // namespace zentaro::dates
