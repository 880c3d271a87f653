// The calendar code against the standard library's proleptic Gregorian calendar.
#include "dates/calendar.h"
#include "dates/date_questions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace zentaro::dates {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr int kSamples = 4000;

// 'dd/mm/yyyy' as a person types it.
std::string Typed(const year_month_day& d)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", static_cast<unsigned>(d.day()), static_cast<unsigned>(d.month()),
                  static_cast<int>(d.year()));
    return text;
}

// ' d/ m/ y' as the window writes it.
std::string Written(const year_month_day& d)
{
    char text[32];
    std::snprintf(text, sizeof text, " %u/ %u/ %d", static_cast<unsigned>(d.day()), static_cast<unsigned>(d.month()),
                  static_cast<int>(d.year()));
    return text;
}

const sys_days kOrigin = std::chrono::year{1700} / 1 / 1;
const sys_days kFirst = std::chrono::year{1} / 1 / 1;
const sys_days kLast = std::chrono::year{9999} / 12 / 31;

class Sampler {
public:
    sys_days date() { return kFirst + std::chrono::days{span_(engine_)}; }
    int offset(int limit) { return std::uniform_int_distribution<int>(-limit, limit)(engine_); }

private:
    std::mt19937 engine_{20260105};
    std::uniform_int_distribution<int> span_{0, static_cast<int>((kLast - kFirst).count())};
};

// Dates at the seams of the numbering and the leap rule, then random ones.
std::vector<sys_days> Dates()
{
    std::vector<sys_days> dates = {kFirst,
                                   kLast,
                                   kOrigin,
                                   kOrigin - std::chrono::days{1},
                                   sys_days{std::chrono::year{1600} / 2 / 29},
                                   sys_days{std::chrono::year{2000} / 2 / 29},
                                   sys_days{std::chrono::year{1900} / 3 / 1},
                                   sys_days{std::chrono::year{1} / 12 / 31}};
    Sampler sampler;
    for (int i = 0; i < kSamples; ++i)
        dates.push_back(sampler.date());
    return dates;
}

TEST(CalendarCrossCheck, DayNumbersCountDaysFrom1700)
{
    for (const sys_days d : Dates()) {
        const std::string text = Typed(year_month_day{d});
        SCOPED_TRACE(text);
        ASSERT_EQ(dateid(text), (d - kOrigin).count() + 1);
        ASSERT_EQ(dat(dateid(text)), Written(year_month_day{d}));
    }
}

TEST(CalendarCrossCheck, DifferencesAndShiftsInDays)
{
    const std::vector<sys_days> dates = Dates();
    Sampler sampler;
    for (std::size_t i = 0; i + 1 < dates.size(); ++i) {
        const std::string first = Typed(year_month_day{dates[i]});
        const std::string second = Typed(year_month_day{dates[i + 1]});
        SCOPED_TRACE(first + " and " + second);
        ASSERT_EQ(DateDifference(first, second, Unit::Days), std::to_string((dates[i] - dates[i + 1]).count()));

        sys_days target = dates[i] + std::chrono::days{sampler.offset(40000)};
        if (target < kFirst || target > kLast)
            target = dates[i + 1];
        const int shift = static_cast<int>((target - dates[i]).count());
        const Direction direction = shift >= 0 ? Direction::Forward : Direction::Back;
        const std::string amount = std::to_string(shift >= 0 ? shift : -shift);
        ASSERT_EQ(ShiftedDate(first, amount, Unit::Days, direction), Written(year_month_day{target}));
    }
}

TEST(CalendarCrossCheck, DifferencesAndShiftsInMonths)
{
    const std::vector<sys_days> dates = Dates();
    Sampler sampler;
    for (std::size_t i = 0; i + 1 < dates.size(); ++i) {
        const year_month_day a{dates[i]};
        const year_month_day b{dates[i + 1]};
        const std::string first = Typed(a);
        SCOPED_TRACE(first);
        const auto months = [](const year_month_day& d) {
            return static_cast<int>(d.year()) * 12 + static_cast<int>(static_cast<unsigned>(d.month()));
        };
        ASSERT_EQ(DateDifference(first, Typed(b), Unit::Months), std::to_string(months(a) - months(b)));

        std::chrono::year_month target = a.year() / a.month() + std::chrono::months{sampler.offset(1000)};
        if (target.year() < std::chrono::year{1} || target.year() > std::chrono::year{9999})
            target = b.year() / b.month();
        const int shift = months(target / 1) - months(a);
        const std::string expected = first.substr(0, 2) + "/ " + std::to_string(static_cast<unsigned>(target.month())) +
                                     "/ " + std::to_string(static_cast<int>(target.year()));
        ASSERT_EQ(ShiftedDate(first, std::to_string(-shift), Unit::Months, Direction::Back), expected);
    }
}

TEST(CalendarCrossCheck, WeekdayOfEveryDateFromYear1To9999)
{
    for (sys_days d = kFirst; d <= kLast; d += std::chrono::days{1}) {
        const year_month_day ymd{d};
        const auto w = weekday(static_cast<std::int16_t>(static_cast<unsigned>(ymd.day())),
                               static_cast<std::int16_t>(static_cast<unsigned>(ymd.month())),
                               static_cast<std::int16_t>(static_cast<int>(ymd.year())));
        if (w != static_cast<std::int16_t>(std::chrono::weekday{d}.c_encoding())) {
            ADD_FAILURE() << Typed(ymd) << " gives " << w;
            return;
        }
    }
}

} // namespace
} // namespace zentaro::dates
