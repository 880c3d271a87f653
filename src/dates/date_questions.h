#pragma once

#include "conventions/working.h"

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
std::string DateDifference(std::string_view first, std::string_view second, Unit unit, Working working = {});

// The date `amount` days, months or years after (Forward) or before (Back) a
// date. The amount must be a number (Type mismatch otherwise).
// Days: the day number plus the amount, rounded half to even, as dat writes it.
// Months: the day as typed (its first two characters) in front of the month found:
//   '15/01/2003' + 2 months is '15/ 3/ 2003'.
// Years: day, month and year as numbers, the year rounded half to even:
//   '15/01/2003' + 2 years is ' 15/ 1/ 2005'.
// A day past the end of the month found becomes its last: '31/01/2024' + 1 month
// is '29/ 2/ 2024', '29/02/2024' + 1 year is ' 28/ 2/ 2025'.
std::string ShiftedDate(std::string_view date, std::string_view amount, Unit unit, Direction direction,
                        Working working = {});

// True for a date the buttons compute with: "dd/mm/yyyy" in digits, a day that
// its month has, a month 1 to 12, a year 0001 to 9999. '31/02/2003',
// '00/01/2003' and the placeholder are none.
bool IsRealDate(std::string_view s);

// "Sunday" to "Saturday" for weekday results 0 to 6, the empty text for 7;
// anything else is Subscript out of range.
std::string_view WeekdayName(std::int16_t w);

// The weekday name of a date text ("Saturday" for '05/12/2026').
std::string_view WeekdayOf(std::string_view date, Working working = {});

} // namespace zentaro::dates
