#include "dates/calendar.h"

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

TEST(Calendar, LeapYearsAndLengths)
{
    const struct {
        std::int16_t year;
        std::int16_t leap;
    } cases[] = {{1700, 0}, {1800, 0}, {1900, 0}, {2100, 0}, {2000, 1}, {2400, 1}, {2004, 1},
                 {2003, 0}, {1600, 1}, {4, 1},    {1, 0},    {0, 1},    {-4, 1},   {32767, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(leap(c.year), c.leap);
        EXPECT_EQ(ydays(c.year), 365 + c.leap);
        EXPECT_EQ(mdays(2, c.year), Tagged(static_cast<std::int16_t>(28 + c.leap)));
    }
}

TEST(Calendar, MonthLengthsAndTheEmptyMonth)
{
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (std::int16_t m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(mdays(m, 2003).kind(), Tagged::Kind::Int16);
        EXPECT_EQ(mdays(m, 2003).ToDouble(), lengths[m - 1]);
    }
    for (const std::int16_t m : {0, 13, -1, 32767}) {
        SCOPED_TRACE(m);
        EXPECT_TRUE(mdays(m, 2000).empty());
    }
}

TEST(Calendar, DayNumbers)
{
    const struct {
        const char* date;
        std::int32_t id;
    } cases[] = {
        {"01/01/1700", 1},         {"02/01/1700", 2},       {"31/12/1700", 365},
        {"01/01/1701", 366},       {"01/01/2000", 109573},  {"29/02/2000", 109632},
        {"05/12/2026", 119408},    {"31/12/9999", 3031512}, {"31/02/2003", 110730}, // 3 March 2003
        {"03/03/2003", 110730},    {"00/01/1700", 0},       {"31/12/1699", 0},      // counted back before 1700
        {"01/01/1699", -364},      {"01/01/1650", -18261},  {"01/03/1600", -36464},
        {"01/01/0001", kFirstDay}, {"dd/mm/yyyy", 0},       // a year of 0 adds nothing
        {"01/03/0000", 61},                                 // only its months: year 0 counts as leap
        {"05/12/-001", 339},       {"15/13/2003", 111048},  // month 13 adds the twelve before it: 15 January 2004
        {"15/00/2003", 110683},                             // month 0 adds nothing: 15 January 2003
        {"-5/01/1700", -5},        {"01/01/32767", 389714}, // the last four characters read '2767'
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(dateid(c.date), c.id);
    }
}

TEST(Calendar, MonthNumbers)
{
    const struct {
        const char* date;
        std::int32_t id;
    } cases[] = {
        {"15/01/1700", 1},    {"15/12/1700", 12}, {"15/01/1701", 13},   {"15/03/2003", 3639},
        {"31/12/2003", 3648}, {"15/12/1699", 0},  {"15/01/1699", -11},  {"01/01/0001", kFirstMonth},
        {"dd/mm/yyyy", 0},    {"15/07/0000", 7},  {"15/00/2003", 3636}, {"15/13/1700", 13},
        {"xx/05/-002", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(monthid(c.date), c.id);
    }
}

TEST(Calendar, PartsBeyondSixteenBitsOverflow)
{
    for (const char* date : {"01/01/1E20", "01/01/9E99", "01/01/4E04"}) {
        SCOPED_TRACE(date);
        EXPECT_EQ(ErrorOf([&] { dateid(date); }), ErrorCode::Overflow);
        EXPECT_EQ(ErrorOf([&] { monthid(date); }), ErrorCode::Overflow);
    }
}

TEST(Calendar, DatesOfDayNumbers)
{
    const struct {
        std::int32_t id;
        const char* text;
    } cases[] = {
        {1, " 1/ 1/ 1700"},       {365, " 31/ 12/ 1700"},  {366, " 1/ 1/ 1701"},          {109575, " 3/ 1/ 2000"},
        {109632, " 29/ 2/ 2000"}, {109633, " 1/ 3/ 2000"}, {119408, " 5/ 12/ 2026"},      {3031512, " 31/ 12/ 9999"},
        {0, " 31/ 12/ 1699"},     {-5, " 26/ 12/ 1699"},   {-364, " 1/ 1/ 1699"},         {-365, " 31/ 12/ 1698"},
        {-18261, " 1/ 1/ 1650"},  {kFirstDay, " 1/ 1/ 1"}, {kFirstDay + 58, " 28/ 2/ 1"}, {kLastDay, " 31/ 12/ 32767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(dat(c.id), c.text);
    }
    EXPECT_EQ(dat(dateid("29/02/2000")), " 29/ 2/ 2000");
}

TEST(Calendar, MonthsOfMonthNumbers)
{
    const struct {
        std::int32_t id;
        const char* text;
    } cases[] = {
        {1, "/ 1/ 1700"},    {12, "/ 12/ 1700"},      {13, "/ 1/ 1701"},
        {3639, "/ 3/ 2003"}, {0, "/ 12/ 1699"},       {-11, "/ 1/ 1699"},
        {-12, "/ 12/ 1698"}, {kFirstMonth, "/ 1/ 1"}, {kLastMonth, "/ 12/ 32767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(monyr(c.id), c.text);
    }
}

TEST(Calendar, NumbersOutsideYears1To32767Overflow)
{
    const std::int32_t days[] = {kFirstDay - 1, kLastDay + 1, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()};
    for (const std::int32_t id : days) {
        SCOPED_TRACE(id);
        EXPECT_EQ(ErrorOf([&] { dat(id); }), ErrorCode::Overflow);
    }
    const std::int32_t months[] = {kFirstMonth - 1, kLastMonth + 1, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max()};
    for (const std::int32_t id : months) {
        SCOPED_TRACE(id);
        EXPECT_EQ(ErrorOf([&] { monyr(id); }), ErrorCode::Overflow);
    }
}

TEST(Calendar, Weekdays)
{
    const struct {
        std::int16_t day, month, year;
        std::int16_t w;
    } cases[] = {
        {1, 1, 1900, 1}, {1, 1, 2000, 6}, {29, 2, 2000, 2},  {5, 12, 2026, 6},  {0, 0, 0, 0},
        {1, 1, 1800, 3}, {1, 1, 1700, 5}, {1, 1, 1, 1},      {31, 12, 9999, 5}, {29, 2, 1600, 2},
        {1, 1, 2100, 5}, {4, 7, 1776, 4}, {15, 10, 1582, 5}, {-6, 3, 2000, -4}, {0, 3, 2000, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << "/" << c.month << "/" << c.year);
        EXPECT_EQ(weekday(c.day, c.month, c.year), c.w);
    }
    for (const std::int16_t month : {13, -1, 32767}) {
        SCOPED_TRACE(month);
        EXPECT_EQ(ErrorOf([&] { weekday(1, month, 2003); }), ErrorCode::SubscriptOutOfRange);
    }
}

// The rule the window used before the Gregorian century cycle was brought in,
// right for 1900 to 2099 only; those years must not move.
std::int16_t CenturyRuleWeekday(int day, int month, int year)
{
    static const int codes[] = {0, 5, 1, 1, 4, 6, 2, 4, 0, 3, 5, 1, 3};
    const int c = year / 100;
    const int yy = year % 100;
    int t = (codes[month] + 6 * c) % 7;
    if (month == 1 || month == 2)
        t -= leap(static_cast<std::int16_t>(year));
    return static_cast<std::int16_t>(((day % 7) + (yy % 7) + yy / 4 + t) % 7);
}

TEST(Calendar, WeekdaysOf1900To2099AndOfYearsBelow1AreUnchanged)
{
    for (int year : {1900, 1901, 1904, 1999, 2000, 2001, 2024, 2098, 2099, 0, -1, -100, -401}) {
        for (int month = 0; month <= 12; ++month) {
            for (int day = -9; day <= 99; ++day) {
                SCOPED_TRACE(testing::Message() << day << "/" << month << "/" << year);
                ASSERT_EQ(weekday(static_cast<std::int16_t>(day), static_cast<std::int16_t>(month),
                                  static_cast<std::int16_t>(year)),
                          CenturyRuleWeekday(day, month, year));
            }
        }
    }
}

} // namespace
} // namespace zentaro::dates
