// The fraction computations on the 32-bit inputs that cost them most: operand
// pairs of 1 and 2147483647 (the longest chain of subtractions) and consecutive
// Fibonacci numbers (the longest chain of remainders).
#include "fractions/arithmetic.h"
#include "fractions/conversions.h"
#include "fractions/gcd.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

using namespace zentaro::fractions;

void BM_GcdOneAndMax(benchmark::State& state)
{
    std::int32_t a = 1;
    std::int32_t b = 2147483647;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(gcd(a, b));
    }
}
BENCHMARK(BM_GcdOneAndMax);

void BM_GcdFibonacci(benchmark::State& state)
{
    std::int32_t a = 1836311903;
    std::int32_t b = -1134903170;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        benchmark::DoNotOptimize(gcd(a, b));
    }
}
BENCHMARK(BM_GcdFibonacci);

// The computation of one "=" button, reading the four texts to the answer texts.
void BM_Answer(benchmark::State& state, FracOp op, std::string_view a, std::string_view b, std::string_view c,
               std::string_view d)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fracanswer(op, a, b, c, d));
}
BENCHMARK_CAPTURE(BM_Answer, add_1_over_max, FracOp::Add, "1", "2147483647", "0", "1");
BENCHMARK_CAPTURE(BM_Answer, sub_fibonacci, FracOp::Subtract, "1836311903", "1134903170", "0", "1");
BENCHMARK_CAPTURE(BM_Answer, multi_max_by_1_over_max, FracOp::Multiply, "2147483647", "1", "1", "2147483647");
BENCHMARK_CAPTURE(BM_Answer, div_fibonacci, FracOp::Divide, "1836311903", "1", "1134903170", "1");

void BM_ImproperAnswer(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(improperanswer("-715827882", "-2", "3"));
}
BENCHMARK(BM_ImproperAnswer);

void BM_MixedToImproper(benchmark::State& state, std::string_view w, std::string_view n, std::string_view d)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(mixedtoimproper(w, n, d));
}
BENCHMARK_CAPTURE(BM_MixedToImproper, one_over_max, "", "1", "2147483647");
BENCHMARK_CAPTURE(BM_MixedToImproper, fibonacci, "", "1836311903", "1134903170");

void BM_ImproperToMixed(benchmark::State& state, std::string_view n, std::string_view d)
{
    std::size_t written = 0;
    const WriteMixedField write = [&written](MixedField, std::string_view text) { written += text.size(); };
    for (auto _ : state)
        impropertomixed(n, d, write);
    benchmark::DoNotOptimize(written);
}
BENCHMARK_CAPTURE(BM_ImproperToMixed, max_over_2, "2147483647", "2");
BENCHMARK_CAPTURE(BM_ImproperToMixed, fibonacci, "1836311903", "1134903170");
BENCHMARK_CAPTURE(BM_ImproperToMixed, one_over_max, "1", "2147483647");

} // namespace
