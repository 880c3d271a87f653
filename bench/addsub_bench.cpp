// Addition and subtraction of two 65536-digit numbers, the largest the adder takes.
#include "largenum/addsub.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

std::string RandomDigits(std::mt19937& random, std::size_t length)
{
    std::uniform_int_distribution<int> digit(0, 9);
    std::string digits(length, '0');
    for (char& c : digits)
        c = static_cast<char>('0' + digit(random));
    digits.front() = '7';
    return digits;
}

const zentaro::ShowMessage kNoMessage = [](std::string_view, int, std::string_view) {
    return zentaro::MessageAnswer::Ok;
};

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
