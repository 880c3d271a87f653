#include "algebra/quadratic.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The exact form's heaviest cases sit at the top of the 32-bit range.
void BM_SurdRoots(benchmark::State& state, double b, double c, double d)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zentaro::algebra::quadroots(b, c, d, true));
}

// D = −(2^31 − 1): a prime, the longest trial division in prime().
BENCHMARK_CAPTURE(BM_SurdRoots, prime_2147483647, 1.0, 1.0, 536870912.0)->Unit(benchmark::kMicrosecond);
// D = −3^19: the highest prime power.
BENCHMARK_CAPTURE(BM_SurdRoots, power_3pow19, 1.0, 1.0, 290565367.0)->Unit(benchmark::kMicrosecond);
// D = −4·(2^29 − 1) = −4·233·1103·2089: square extraction runs its whole bound.
BENCHMARK_CAPTURE(BM_SurdRoots, composite_2147483644, 1.0, 0.0, 536870911.0)->Unit(benchmark::kMicrosecond);
// D = −8·268435399 = −2147483192: the prime 268435399 is left over above √|D|.
BENCHMARK_CAPTURE(BM_SurdRoots, leftover_prime, 2.0, 0.0, 268435399.0)->Unit(benchmark::kMicrosecond);
// A huge |c| with a small D: the rational part's gcd on a large quotient.
BENCHMARK_CAPTURE(BM_SurdRoots, large_c, 1.0, 100001.0, 2500049999.0)->Unit(benchmark::kMicrosecond);

// The slowest of a sweep of discriminants at the top of the range: each iteration
// solves 64 equations with |D| from 2147483647 downwards.
void BM_TopOfRangeSweep(benchmark::State& state)
{
    for (auto _ : state) {
        for (double d = 536870912; d > 536870912 - 64; --d)
            benchmark::DoNotOptimize(zentaro::algebra::quadroots(1, 1, d, true));
    }
    state.SetItemsProcessed(state.iterations() * 64);
}
BENCHMARK(BM_TopOfRangeSweep)->Unit(benchmark::kMillisecond);

} // namespace
