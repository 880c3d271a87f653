#pragma once

#include "conventions/tagged.h"
#include "conventions/working.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zentaro::dates {

// Day and month numbers count from January 1700 on the Gregorian calendar, carried
// back unchanged to the years before it: day 1 is 1 January 1700, day 0 is
// 31 December 1699, day -620546 is 1 January of year 1; month 1 is January 1700,
// month 0 is December 1699, month -20387 is January of year 1.
inline constexpr std::int16_t kOriginYear = 1700;
inline constexpr std::int16_t kFirstYear = 1;

// 1 for a Gregorian leap year, else 0 (1700 and 1900 are common, 2000 is leap).
std::int16_t leap(std::int16_t Y);
// 365 or 366.
std::int16_t ydays(std::int16_t Y);
// The length of month m of year Y; the empty value (which adds as 0) for m
// outside 1 to 12.
Tagged mdays(std::int16_t m, std::int16_t Y);

// The day number of a date text. The day is not fitted to its month
// ('31/02/2003' is 3 March 2003) and months above 12 add nothing. A year that
// reads as 0 or less is no calendar year and adds nothing either, so the
// placeholder "dd/mm/yyyy" is day 0. Overflow for a part beyond the 16-bit range.
std::int32_t dateid(std::string_view dt, Working working = {});
// The month number of a date text; the day is not read. Years of 0 or less add
// nothing, as for dateid.
std::int32_t monthid(std::string_view dt, Working working = {});

// The date of a day number as ' d/ m/ y' (' 5/ 3/ 2003'). Overflow for a day
// before 1 January of year 1 or after 31 December 32767.
std::string dat(std::int32_t dateid, Working working = {});
// The month of a month number as '/ m/ y', for the caller to put a day in
// front. Overflow outside January of year 1 to December 32767.
std::string monyr(std::int32_t monthid, Working working = {});
// The same month as numbers: month 3639 is March 2003.
struct MonthOfYear {
    std::int16_t month = 0;
    std::int16_t year = 0;
};
MonthOfYear monthofyear(std::int32_t monthid, Working working = {});

// The Gregorian weekday, 0 Sunday to 6 Saturday, of a date from year 1 on.
// Subscript out of range for a month outside 0 to 12. Days outside their month
// count on from its start (day 0 is the day before the 1st), so a negative day
// can give a negative result. Years of 0 or less keep the old century rule,
// under which the placeholder (0, 0, 0) is a Sunday.
std::int16_t weekday(std::int16_t day, std::int16_t month, std::int16_t year, Working working = {});

} // namespace zentaro::dates
