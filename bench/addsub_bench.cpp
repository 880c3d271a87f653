// Addition and subtraction of two 65536-digit numbers, the largest the adder takes.
#include "bench_support.h"
#include "largenum/addsub.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using zentaro::bench::kNoMessage;
using zentaro::bench::RandomDigits;

void BM_Add65536Digits(benchmark::State& state)
{
    std::mt19937 random(1);
    const std::string a = RandomDigits(random, zentaro::largenum::kMostDigits);
    const std::string b = RandomDigits(random, zentaro::largenum::kMostDigits);
    for (auto _ : state)
        benchmark::DoNotOptimize(zentaro::largenum::bigadd(a, b, kNoMessage));
}
BENCHMARK(BM_Add65536Digits)->Unit(benchmark::kMillisecond);

void BM_Subtract65536Digits(benchmark::State& state)
{
    std::mt19937 random(2);
    const std::string a = RandomDigits(random, zentaro::largenum::kMostDigits);
    // Equal in all but the last digit: the order is found at the far end.
    std::string b = a;
    b.back() = b.back() == '9' ? '0' : static_cast<char>(b.back() + 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(zentaro::largenum::bigsub(a, b, kNoMessage));
}
BENCHMARK(BM_Subtract65536Digits)->Unit(benchmark::kMillisecond);

} // namespace
