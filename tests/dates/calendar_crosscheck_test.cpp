// The calendar against the standard library's proleptic Gregorian one.
#include "support/calendar_check.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zentaro::testing {
namespace {

using namespace std::chrono;

TEST(CalendarCrossCheck, TypedPartsInAndOutOfRange)
{
    for (const long long y : {-999, 0, 1, 4, 100, 1600, 1699, 1700, 1900, 2000, 2024, 9999}) {
        for (long long m = -9; m <= 99; m += m < 14 ? 1 : 85) {
            for (const long long d : {-9, 0, 1, 28, 29, 30, 31, 32, 99})
                ASSERT_EQ(CheckTypedDate(d, m, y), "") << d << "/" << m << "/" << y;
        }
    }
    for (const long long n : {-9999999LL, -620547LL, -620546LL, 0LL, 1LL, 11345636LL, 11345637LL})
        ASSERT_EQ(CheckDayNumber(n), "") << n;
    for (const long long n : {-999999LL, -20388LL, -20387LL, 0LL, 1LL, 372816LL, 372817LL})
        ASSERT_EQ(CheckMonthNumber(n), "") << n;
}

// The seams of the numbering and of the leap rule, then thousands of random dates
// from year 1 to 9999, each shifted to the next and compared with it.
TEST(CalendarCrossCheck, DayNumbersDifferencesAndShifts)
{
    const sys_days first = year{1} / 1 / 1, last = year{9999} / 12 / 31;
    std::vector<sys_days> dates = {
        first, last, year{1700} / 1 / 1, year{1699} / 12 / 31, year{1600} / 2 / 29, year{1900} / 3 / 1};
    std::mt19937 random(20260105);
    std::uniform_int_distribution<int> span(0, static_cast<int>((last - first).count()));
    for (int i = 0; i < 2500; ++i)
        dates.push_back(first + days{span(random)});
    for (std::size_t i = 0; i + 1 < dates.size(); ++i) {
        const year_month_day a{dates[i]}, b{dates[i + 1]};
        const long long months = (static_cast<int>(b.year()) - static_cast<int>(a.year())) * 12LL +
                                 static_cast<unsigned>(b.month()) - static_cast<unsigned>(a.month());
        SCOPED_TRACE(calendar_check::Typed(a) + " and " + calendar_check::Typed(b));
        ASSERT_EQ(CheckTypedDate(static_cast<unsigned>(a.day()), static_cast<unsigned>(a.month()),
                                 static_cast<int>(a.year())),
                  "");
        ASSERT_EQ(CheckDayNumber(calendar_check::DayNumber(a)), "");
        ASSERT_EQ(CheckShifts(a, static_cast<double>((dates[i + 1] - dates[i]).count()), months), "");
        ASSERT_EQ(CheckShifts(a, 0.5, 0), "");
        ASSERT_EQ(CheckDifference(a, b), "");
    }
}

} // namespace
} // namespace zentaro::testing
