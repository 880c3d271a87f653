#include "dates/calendar.h"
#include "dates/date_questions.h"
#include "dates/date_text.h"

#include "error_of.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace zentaro::dates {
namespace {

constexpr std::int32_t kFirstDay = -620546;  // 1 January of year 1
constexpr std::int32_t kLastDay = 11347353;  // 31 December 32767
constexpr std::int32_t kFirstMonth = -20387; // January of year 1
constexpr std::int32_t kLastMonth = 372816;  // December 32767
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

TEST(DateText, PartsByPositionAndTheFormCheck)
{
    const struct {
        const char* text;
        double day, month, year;
        bool wrong;
    } cases[] = {
        {"05/12/2026", 5, 12, 2026, false},
        {"7/03/2003", 7, 3, 2003, true},
        {"31/02/2003", 31, 2, 2003, false},
        {"dd/mm/yyyy", 0, 0, 0, true},
        {"ab/cd/efgh", 0, 0, 0, false},
        {"", 0, 0, 0, true},
        {"1/2", 1, 0, 1, true},
        {" 5/ 3/ 2003", 5, 3, 2003, true},
        {"05-12-2026", 5, 12, 2026, true},
        {"05/12/20266", 5, 12, 266, true},
        {"DD/MM/YYYY", 0, 0, 0, false},
        {"-1/-2/-003", -1, -2, -3, false},
        {"01/01/1E20", 1, 1, 1e20, false},
        {"0\xC3\xA9/12/2026", 0, 12, 2026, false}, // positions count characters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DatePart(c.text), c.day);
        EXPECT_EQ(MonthPart(c.text), c.month);
        EXPECT_EQ(YearPart(c.text), c.year);
        EXPECT_EQ(IsWronglyFormed(c.text), c.wrong);
    }
}

TEST(Calendar, LeapYearsAndMonthLengths)
{
    for (const std::int16_t y : {1700, 1800, 1900, 2100, 2003, 1, 32767})
        EXPECT_EQ(leap(y) * 1000 + ydays(y), 365) << y;
    for (const std::int16_t y : {2000, 2400, 2004, 1600, 4, 0, -4})
        EXPECT_EQ(leap(y) * 1000 + ydays(y), 1366) << y;
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (std::int16_t m = 1; m <= 12; ++m)
        EXPECT_EQ(mdays(m, 1900), Tagged(static_cast<std::int16_t>(lengths[m - 1]))) << m;
    EXPECT_EQ(mdays(2, 2000), Tagged(std::int16_t{29}));
    for (const std::int16_t m : {0, 13, -1})
        EXPECT_TRUE(mdays(m, 2000).empty()) << m;
}

TEST(Calendar, DayAndMonthNumbersOfDates)
{
    const struct {
        const char* date;
        std::int32_t day, month;
    } cases[] = {
        {"01/01/1700", 1, 1},           {"31/12/1700", 365, 12},      {"01/01/1701", 366, 13},
        {"01/01/2000", 109573, 3601},   {"05/12/2026", 119408, 3924}, {"15/03/2003", 110742, 3639},
        {"31/12/9999", 3031512, 99600}, {"31/02/2003", 110730, 3638}, // 3 March 2003
        {"31/12/1699", 0, 0},           {"01/01/1650", -18261, -599}, {"01/01/0001", kFirstDay, kFirstMonth},
        {"dd/mm/yyyy", 0, 0},           {"01/03/0000", 61, 3}, // year 0 adds only its months
        {"15/13/2003", 111048, 3649},   {"15/00/2003", 110683, 3636}, {"-5/01/1700", -5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(dateid(c.date), c.day);
        EXPECT_EQ(monthid(c.date), c.month);
    }
    for (const char* date : {"01/01/1E20", "01/01/9E99", "01/01/4E04"}) {
        EXPECT_EQ(ErrorOf([&] { dateid(date); }), ErrorCode::Overflow) << date;
        EXPECT_EQ(ErrorOf([&] { monthid(date); }), ErrorCode::Overflow) << date;
    }
}

TEST(Calendar, DatesOfDayAndMonthNumbers)
{
    const struct {
        std::int32_t id;
        const char* text;
    } days[] = {{1, " 1/ 1/ 1700"},          {365, " 31/ 12/ 1700"},
                {366, " 1/ 1/ 1701"},        {109575, " 3/ 1/ 2000"},
                {109632, " 29/ 2/ 2000"},    {0, " 31/ 12/ 1699"},
                {-5, " 26/ 12/ 1699"},       {-365, " 31/ 12/ 1698"},
                {kFirstDay, " 1/ 1/ 1"},     {kFirstDay + 58, " 28/ 2/ 1"},
                {kLastDay, " 31/ 12/ 32767"}},
      months[] = {{1, "/ 1/ 1700"},  {12, "/ 12/ 1700"},  {13, "/ 1/ 1701"},       {3639, "/ 3/ 2003"},
                  {0, "/ 12/ 1699"}, {-12, "/ 12/ 1698"}, {kFirstMonth, "/ 1/ 1"}, {kLastMonth, "/ 12/ 32767"}};
    for (const auto& c : days)
        EXPECT_EQ(dat(c.id), c.text) << c.id;
    for (const auto& c : months)
        EXPECT_EQ(monyr(c.id), c.text) << c.id;
    for (const std::int32_t id : {kFirstDay - 1, kLastDay + 1, kMin, kMax})
        EXPECT_EQ(ErrorOf([&] { dat(id); }), ErrorCode::Overflow) << id;
    for (const std::int32_t id : {kFirstMonth - 1, kLastMonth + 1, kMin, kMax})
        EXPECT_EQ(ErrorOf([&] { monyr(id); }), ErrorCode::Overflow) << id;
}

TEST(Calendar, Weekdays)
{
    const struct {
        std::int16_t day, month, year, w;
    } cases[] = {
        {1, 1, 1900, 1}, {1, 1, 2000, 6}, {29, 2, 2000, 2}, {5, 12, 2026, 6},  {0, 0, 0, 0},    {1, 1, 1800, 3},
        {1, 1, 1700, 5}, {1, 1, 1, 1},    {29, 2, 1600, 2}, {15, 10, 1582, 5}, {0, 3, 2000, 2}, {-6, 3, 2000, -4},
        {1, 0, 2000, 2}, {1, 1, 0, 5},    {1, 1, -401, -5}, // non-dates keep the old rule
    };
    for (const auto& c : cases)
        EXPECT_EQ(weekday(c.day, c.month, c.year), c.w) << c.day << "/" << c.month << "/" << c.year;
    for (const std::int16_t month : {13, -1})
        EXPECT_EQ(ErrorOf([&] { weekday(1, month, 2003); }), ErrorCode::SubscriptOutOfRange) << month;
}

TEST(DateQuestions, ShiftsAndTheirFailures)
{
    constexpr auto D = Unit::Days, M = Unit::Months, Y = Unit::Years;
    constexpr auto F = Direction::Forward, B = Direction::Back;
    const struct {
        const char *date, *amount;
        Unit unit;
        Direction direction;
        const char* result; // nullptr: `error` is raised
        ErrorCode error = ErrorCode::Overflow;
    } cases[] = {
        {"28/02/2000", "1", D, F, " 29/ 2/ 2000"},
        {"01/01/1700", "1", D, B, " 31/ 12/ 1699"},
        {"05/12/2026", "2.5", D, F, " 7/ 12/ 2026"},
        {"05/12/2026", "3.5", D, F, " 9/ 12/ 2026"}, // half to even
        {"05/12/2026", " -1 ", D, B, " 6/ 12/ 2026"},
        {"dd/mm/yyyy", "0", D, F, " 31/ 12/ 1699"},
        {"31/01/2003", "1", M, F, "31/ 2/ 2003"},
        {"15/03/2003", "3", M, B, "15/ 12/ 2002"},
        {"15/01/2003", "2.5", M, B, "15/ 10/ 2002"},
        {"5/01/2003", "1", M, F, "5// 2/ 2003"},
        {"dd/mm/yyyy", "0", M, F, "dd/ 12/ 1699"},
        {"15/01/2003", "2", Y, F, " 15/ 1/ 2005"},
        {"15/01/2003", "2.5", Y, F, " 15/ 1/ 2005.5"},
        {"15/01/2003", "2004", Y, B, " 15/ 1/-1"},
        {"05/12/2026", "xxxxx", D, F, nullptr, ErrorCode::TypeMismatch},
        {"05/12/2026", "", M, B, nullptr, ErrorCode::TypeMismatch},
        {"05/12/2026", "3 days", Y, F, nullptr, ErrorCode::TypeMismatch},
        {"01/01/0001", "1", D, B, nullptr},
        {"15/01/0001", "1", M, B, nullptr},
        {"05/12/2026", "1E10", D, F, nullptr},
        {"05/12/2026", "20000000", D, F, nullptr}, // past 32767
        {"05/12/2026", "2147483647", M, F, nullptr},
        {"05/12/1E20", "1", D, F, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date << (c.direction == F ? " + " : " - ") << c.amount << " unit "
                                        << static_cast<int>(c.unit));
        if (c.result != nullptr)
            EXPECT_EQ(ShiftedDate(c.date, c.amount, c.unit, c.direction), c.result);
        else
            EXPECT_EQ(ErrorOf([&] { ShiftedDate(c.date, c.amount, c.unit, c.direction); }), c.error);
    }
}

TEST(DateQuestions, WeekdayNames)
{
    EXPECT_EQ(WeekdayOf("05/12/2026"), "Saturday");
    EXPECT_EQ(WeekdayOf("01/01/1800"), "Wednesday");
    EXPECT_EQ(WeekdayName(7), "");
    for (const char* date : {"01/13/2003", "01/-1/2003", "-6/03/2000"}) // the last comes out as -4
        EXPECT_EQ(ErrorOf([&] { WeekdayOf(date); }), ErrorCode::SubscriptOutOfRange) << date;
    EXPECT_EQ(ErrorOf([] { WeekdayOf("01/01/1E20"); }), ErrorCode::Overflow);
}

} // namespace
} // namespace zentaro::dates
