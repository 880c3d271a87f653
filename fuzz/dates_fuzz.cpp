// The calendar procedures against an independent count of proleptic Gregorian
// days: day and month numbers of date texts (days beyond their month and months
// beyond 12 included), the texts written for day and month numbers, weekdays,
// and dates shifted by days or months and back. Any other text fails only with
// the run-time errors of a number out of range.
#include "conventions/numbers.h"
#include "dates/calendar.h"
#include "dates/date_questions.h"
#include "dates/date_text.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using zentaro::ErrorCode;
using zentaro::RuntimeError;
using zentaro::dates::Direction;
using zentaro::dates::Unit;

bool Leap(long long y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

long long MonthLength(long long m, long long y)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[m - 1] + (m == 2 && Leap(y) ? 1 : 0);
}

// Days in the months before month m (1 to 13) of year y.
long long DaysBefore(long long m, long long y)
{
    long long days = 0;
    for (long long k = 1; k < m; ++k)
        days += MonthLength(k, y);
    return days;
}

// Days from 1 January of year 1 (day 1) for a year of 1 or later.
long long Ordinal(long long y, long long m, long long d)
{
    const long long before = y - 1;
    return before * 365 + before / 4 - before / 100 + before / 400 + DaysBefore(m, y) + d;
}

const long long kOrigin = Ordinal(1700, 1, 1) - 1;
const long long kFirstDay = Ordinal(1, 1, 1) - kOrigin;
const long long kLastDay = Ordinal(32767, 12, 31) - kOrigin;

struct Date {
    long long d, m, y;
};

Date FromDayNumber(long long n)
{
    const long long ordinal = n + kOrigin;
    long long y = static_cast<long long>(static_cast<double>(ordinal) / 365.2425) + 1;
    while (Ordinal(y, 1, 1) > ordinal)
        --y;
    while (Ordinal(y + 1, 1, 1) <= ordinal)
        ++y;
    long long m = 1;
    while (m < 12 && Ordinal(y, m + 1, 1) <= ordinal)
        ++m;
    return {ordinal - Ordinal(y, m, 1) + 1, m, y};
}

// The form the window asks for; parts may be negative or out of range.
std::string Typed(long long d, long long m, long long y)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02lld/%02lld/%04lld", d, m, y);
    return text;
}

// What dat writes: each part after a blank.
std::string Written(const Date& date)
{
    return std::string(" ")
        .append(std::to_string(date.d))
        .append("/ ")
        .append(std::to_string(date.m))
        .append("/ ")
        .append(std::to_string(date.y));
}

// The expected failure of a call, or none.
template <typename F> ErrorCode Failure(F&& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.code();
    }
    return ErrorCode{};
}

void CheckDayShift(const std::string& text, long long from, double amount)
{
    const std::string amountText = zentaro::FormatPlain(amount);
    const double target = std::nearbyint(static_cast<double>(from) + amount);
    if (target < kFirstDay || target > kLastDay) {
        FUZZ_CHECK(Failure([&] { zentaro::dates::ShiftedDate(text, amountText, Unit::Days, Direction::Forward); }) ==
                   ErrorCode::Overflow);
        return;
    }
    const Date there = FromDayNumber(static_cast<long long>(target));
    FUZZ_CHECK(zentaro::dates::ShiftedDate(text, amountText, Unit::Days, Direction::Forward) == Written(there));
    if (there.y > 9999 || amount != std::trunc(amount))
        return;
    // ... and back again from the date found, typed as the window asks.
    const std::string back =
        zentaro::dates::ShiftedDate(Typed(there.d, there.m, there.y), amountText, Unit::Days, Direction::Back);
    FUZZ_CHECK(back == Written(FromDayNumber(from)));
}

void CheckMonthShift(const std::string& text, long long day, long long month, long long amount)
{
    const std::string amountText = std::to_string(amount);
    const long long target = month + amount;
    const long long index = target - 1 + 12 * 1700; // months from January of year 0
    const long long y = index >= 0 ? index / 12 : -((-index + 11) / 12);
    const long long m = index - 12 * y + 1;
    const std::string shifted = [&] {
        try {
            return zentaro::dates::ShiftedDate(text, amountText, Unit::Months, Direction::Forward);
        } catch (const RuntimeError& error) {
            FUZZ_CHECK(error.code() == ErrorCode::Overflow);
            return std::string();
        }
    }();
    if (y < 1 || y > 32767 || target < INT32_MIN || target > INT32_MAX) {
        FUZZ_CHECK(shifted.empty());
        return;
    }
    // A day past the end of the month found is its last day.
    const std::string typedDay = day > MonthLength(m, y) ? std::to_string(MonthLength(m, y)) : text.substr(0, 2);
    FUZZ_CHECK(shifted == typedDay + "/ " + std::to_string(m) + "/ " + std::to_string(y));
}

void CheckFreeText(const std::string& text, const std::string& other)
{
    const auto allowed = [](ErrorCode code) { return code == ErrorCode{} || code == ErrorCode::Overflow; };
    FUZZ_CHECK(allowed(Failure([&] { zentaro::dates::dateid(text); })));
    FUZZ_CHECK(allowed(Failure([&] { zentaro::dates::monthid(text); })));
    for (const Unit unit : {Unit::Days, Unit::Months, Unit::Years})
        FUZZ_CHECK(allowed(Failure([&] { zentaro::dates::DateDifference(text, other, unit); })));
    const ErrorCode weekday = Failure([&] { zentaro::dates::WeekdayOf(text); });
    FUZZ_CHECK(allowed(weekday) || weekday == ErrorCode::SubscriptOutOfRange);
    for (const Unit unit : {Unit::Days, Unit::Months, Unit::Years}) {
        const ErrorCode code = Failure([&] { zentaro::dates::ShiftedDate(text, other, unit, Direction::Back); });
        FUZZ_CHECK(allowed(code) || code == ErrorCode::TypeMismatch);
    }
    if (zentaro::dates::IsRealDate(text))
        FUZZ_CHECK(!zentaro::dates::IsWronglyFormed(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t mode = input.byte();
    if (mode % 4 == 3) {
        const std::string rest = input.rest();
        const std::size_t split = rest.find('\n');
        CheckFreeText(rest.substr(0, split), split == std::string::npos ? "" : rest.substr(split + 1));
        return 0;
    }

    // Any day and month that fit two characters, any year that fits four.
    const long long d = input.between(-9, 99);
    const long long m = input.between(-9, 99);
    const long long y = mode % 4 == 0 ? input.between(1, 9999) : input.between(-999, 9999);
    const std::string text = Typed(d, m, y);
    const long long inYear = d + (m >= 2 ? DaysBefore(m > 13 ? 13 : m, y) : 0);
    const long long dayNumber = inYear + (y >= 1 ? Ordinal(y, 1, 1) - kOrigin - 1 : 0);
    const long long monthNumber = m + (y >= 1 ? 12 * (y - 1700) : 0);
    FUZZ_CHECK(zentaro::dates::dateid(text) == dayNumber);
    std::vector<std::string> steps; // recorded, the same number, ending the working
    std::string ending = " ";
    ending += std::to_string(dayNumber);
    FUZZ_CHECK(zentaro::dates::dateid(text, zentaro::Working(steps)) == dayNumber && steps.back().ends_with(ending));
    FUZZ_CHECK(zentaro::dates::monthid(text) == monthNumber);
    FUZZ_CHECK(!zentaro::dates::IsWronglyFormed(text));
    FUZZ_CHECK(zentaro::dates::IsRealDate(text) == (y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= MonthLength(m, y)));

    // The weekday of a day counted on from the first of its month.
    if (y >= 1 && m >= 1 && m <= 12 && d >= 0) {
        const long long w = (Ordinal(y, m, 1) + d - 1) % 7;
        FUZZ_CHECK(zentaro::dates::weekday(static_cast<std::int16_t>(d), static_cast<std::int16_t>(m),
                                           static_cast<std::int16_t>(y)) == w);
        FUZZ_CHECK(zentaro::dates::WeekdayOf(text) == zentaro::dates::WeekdayName(static_cast<std::int16_t>(w)));
    }
    if (m < 0 || m > 12)
        FUZZ_CHECK(Failure([&] { zentaro::dates::WeekdayOf(text); }) == ErrorCode::SubscriptOutOfRange);

    // A day number written as a date, and the number of that date again.
    const long long wideDay = input.i32();
    const long long n = wideDay / (input.byte() % 2 == 0 ? 1 : 4096);
    if (n < kFirstDay || n > kLastDay) {
        FUZZ_CHECK(Failure([&] { zentaro::dates::dat(static_cast<std::int32_t>(n)); }) == ErrorCode::Overflow);
    } else {
        const Date date = FromDayNumber(n);
        FUZZ_CHECK(zentaro::dates::dat(static_cast<std::int32_t>(n)) == Written(date));
        if (date.y <= 9999)
            FUZZ_CHECK(zentaro::dates::dateid(Typed(date.d, date.m, date.y)) == n);
    }
    const long long monthIndex = input.i32() / 1024;
    const long long monthYear = 1700 + (monthIndex >= 1 ? (monthIndex - 1) / 12 : -((12 - monthIndex) / 12));
    if (monthYear < 1 || monthYear > 32767) {
        FUZZ_CHECK(Failure([&] { zentaro::dates::monyr(static_cast<std::int32_t>(monthIndex)); }) ==
                   ErrorCode::Overflow);
    } else {
        const long long month = monthIndex - 12 * (monthYear - 1700);
        FUZZ_CHECK(zentaro::dates::monyr(static_cast<std::int32_t>(monthIndex)) ==
                   std::string("/ ").append(std::to_string(month)).append("/ ").append(std::to_string(monthYear)));
    }

    // Shifts of a real date by a whole or half number of days, and by months.
    if (y >= 1 && m >= 1 && m <= 12 && d >= 1 && d <= MonthLength(m, y)) {
        // Each read is a statement of its own: operands and arguments are not sequenced.
        const long long wideDays = input.i32();
        const long long days = wideDays / (input.byte() % 2 == 0 ? 1 : 65536);
        const double half = input.byte() % 4 == 0 ? 0.5 : 0;
        CheckDayShift(text, dayNumber, static_cast<double>(days) + half);
        const long long wideMonths = input.i32();
        CheckMonthShift(text, d, monthNumber, wideMonths / (input.byte() % 2 == 0 ? 1 : 1024));
        const long long otherDay = input.between(1, 28);
        const long long otherMonth = input.between(1, 12);
        const std::string other = Typed(otherDay, otherMonth, input.between(1, 9999));
        FUZZ_CHECK(zentaro::dates::DateDifference(text, other, Unit::Days) ==
                   std::to_string(dayNumber - zentaro::dates::dateid(other)));
    }
    return 0;
}
