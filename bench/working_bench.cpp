// What recording the working costs the hottest computations: the 65536-digit
// sum and the 2000-digit reciprocal, recording off (0) and on (1).
#include "bench_support.h"
#include "largenum/addsub.h"
#include "largenum/reciprocal.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

using zentaro::bench::kNoMessage;
using zentaro::bench::RandomDigits;

// A recorder when the benchmark's argument asks for one, and nothing otherwise.
template <typename Compute> void Run(benchmark::State& state, Compute compute)
{
    std::vector<std::string> lines;
    for (auto _ : state) {
        lines.clear();
        benchmark::DoNotOptimize(compute(state.range(0) != 0 ? zentaro::Working(lines) : zentaro::Working()));
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}

void BM_Add65536Digits(benchmark::State& state)
{
    std::mt19937 random(1);
    const std::string a = RandomDigits(random, zentaro::largenum::kMostDigits);
    const std::string b = RandomDigits(random, zentaro::largenum::kMostDigits);
    Run(state, [&](zentaro::Working working) { return zentaro::largenum::bigadd(a, b, kNoMessage, working); });
}
BENCHMARK(BM_Add65536Digits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 7 has a short period; 999999999999989, the largest prime the window takes,
// has one that only the order of 10 finds.
void BM_Reciprocal2000Digits(benchmark::State& state, const char* number)
{
    Run(state, [&](zentaro::Working working) {
        return zentaro::largenum::recipdigits(
            number, "2000", kNoMessage, [](std::string_view) {}, working);
    });
}
BENCHMARK_CAPTURE(BM_Reciprocal2000Digits, of7, "7")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Reciprocal2000Digits, of999999999999989, "999999999999989")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

} // namespace
