// The calendar walks year by year from 1700, so far dates cost the most.
#include "dates/calendar.h"
#include "dates/date_questions.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zentaro::dates;

void BM_dateid(benchmark::State& state, const char* date)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(dateid(date));
}
BENCHMARK_CAPTURE(BM_dateid, year_1, "01/01/0001");
BENCHMARK_CAPTURE(BM_dateid, year_2026, "05/12/2026");
BENCHMARK_CAPTURE(BM_dateid, year_9999, "31/12/9999");

void BM_dat(benchmark::State& state)
{
    const auto id = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(dat(id));
}
BENCHMARK(BM_dat)->Arg(-620546)->Arg(119408)->Arg(3031512)->Arg(11347353);

void BM_ShiftedDate(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ShiftedDate("31/12/9999", "1000", Unit::Days, Direction::Back));
}
BENCHMARK(BM_ShiftedDate);

void BM_WeekdayOf(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(WeekdayOf("05/12/2026"));
}
BENCHMARK(BM_WeekdayOf);

} // namespace
