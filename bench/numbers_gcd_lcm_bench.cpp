// GCD, factor lists and prime factorisations at the edges of the 32-bit range.
#include "numbers/gcd_lcm.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zentaro::numbers::gcdlcm;

void Gcd(benchmark::State& state, double a, double b)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gcd(a, b));
}

void FactorList(benchmark::State& state, double a)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(factorlist(a));
}

void PrimeFactors(benchmark::State& state, double a)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(primefactors(a));
}

} // namespace

BENCHMARK_CAPTURE(Gcd, billion_and_1, 1e9, 1.0);
BENCHMARK_CAPTURE(Gcd, point3_and_point1, 0.3, 0.1);
BENCHMARK_CAPTURE(Gcd, fibonacci_neighbours, 1134903170.0, 1836311903.0);
BENCHMARK_CAPTURE(FactorList, 2147483646, 2147483646.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FactorList, 2147483647, 2147483647.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FactorList, 2095133040, 2095133040.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PrimeFactors, 2147483647, 2147483647.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PrimeFactors, 2147483646, 2147483646.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PrimeFactors, 2147117569_prime_squared, 2147117569.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PrimeFactors, 2_to_the_30, 1073741824.0)->Unit(benchmark::kMicrosecond);
