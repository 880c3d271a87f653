// The prime list text against a plain sieve that prints the same primes.
#include "numbers/primes.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using zentaro::numbers::primes::CandidatesBetween;
using zentaro::numbers::primes::ListPrimes;

// The yardstick: one flag per number up to `high`, then each prime printed.
std::string PlainSieveText(std::int64_t low, std::int64_t high)
{
    std::vector<char> composite(static_cast<std::size_t>(high + 1), 0);
    for (std::int64_t p = 2; p * p <= high; ++p) {
        if (!composite[static_cast<std::size_t>(p)]) {
            for (std::int64_t m = p * p; m <= high; m += p)
                composite[static_cast<std::size_t>(m)] = 1;
        }
    }
    std::string text;
    char digits[16];
    for (std::int64_t n = std::max<std::int64_t>(low, 2); n <= high; ++n) {
        if (composite[static_cast<std::size_t>(n)])
            continue;
        text += "\u00A4   ";
        text.append(digits, static_cast<std::size_t>(std::to_chars(digits, digits + 16, n).ptr - digits));
        text += "   ";
    }
    return text;
}

void PrimeListText(benchmark::State& state)
{
    const auto low = static_cast<double>(state.range(0));
    const auto high = static_cast<double>(state.range(1));
    std::size_t size = 0;
    for (auto _ : state) {
        const auto list = ListPrimes(CandidatesBetween(low, high));
        size = list.text().size();
        benchmark::DoNotOptimize(list.size());
    }
    state.counters["bytes"] = static_cast<double>(size);
}

void PlainSieve(benchmark::State& state)
{
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string text = PlainSieveText(state.range(0), state.range(1));
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}

} // namespace

BENCHMARK(PrimeListText)->Args({1, 100})->Args({1, 1000000})->Args({1, 10000000})->Unit(benchmark::kMillisecond);
BENCHMARK(PlainSieve)->Args({1, 100})->Args({1, 1000000})->Args({1, 10000000})->Unit(benchmark::kMillisecond);
// A wide range at the top of the 32-bit integers, where the yardstick would need 2 GB.
BENCHMARK(PrimeListText)->Args({2137483647, 2147483647})->Unit(benchmark::kMillisecond);
