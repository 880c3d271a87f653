#pragma once

#include <string>
#include <string_view>

namespace zentaro::dates {

// What an untouched date field shows, and the message for a date typed in any other form.
inline constexpr std::string_view kDatePlaceholder = "dd/mm/yyyy";
// What the amount fields and the weekday answer show before anything was typed or found.
inline constexpr std::string_view kAmountPlaceholder = "xxxxx";
inline constexpr std::string_view kWeekdayPlaceholder = "[Weekday]";
inline constexpr std::string_view kWrongDateMessage = "Please enter the date in the correct dd/mm/yyyy format!";

// Day, month and year of a date text, taken by character position and read with
// ParseNumber, so text that is not a number reads as 0. Nothing is checked:
// '31/02/2003' gives 31, 2 and 2003, 'ab/cd/efgh' gives 0, 0 and 0.
// The day: the first character alone when the second is '/' ('7/03/2003'),
// else the first two.
double DatePart(std::string_view str);
// The two characters at positions 4 and 5 (counting from 1).
double MonthPart(std::string_view str);
// The last four characters, or all of a shorter text.
double YearPart(std::string_view str);

// How the working states what was read: "05/12/2026: day 5, month 12, year 2026".
std::string PartsText(std::string_view str, double day, double month, double year);

// The day as typed: the first two characters, blanks and all.
std::string_view TypedDay(std::string_view str);

// True for a date field's text that must be refused when the field is left:
// not ten characters, or no '/' as 3rd or 6th character. Digits and ranges are
// not looked at. The untouched placeholder is not refused there: the person may
// only be passing through the field, and the buttons refuse it (IsRealDate).
bool IsWronglyFormed(std::string_view s);

} // namespace zentaro::dates
