// A 500-pair regression, the longest entry the window takes, with the working
// not recorded (the Working window closed) and recorded (open).
#include "statistics/data_entry.h"
#include "statistics/regression.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace zentaro;
using namespace zentaro::statistics;

// The replies to the input boxes: x = 1 … 500 and y = 0.37·x + 2 with a wobble,
// so that every sum and product has digits to write; then "00".
std::vector<std::string> Replies()
{
    std::vector<std::string> replies;
    for (int i = 1; i <= kMaxValues; ++i) {
        replies.push_back(std::to_string(i));
        replies.push_back(std::to_string(0.37 * i + 2 + (i % 7) * 0.01));
    }
    replies.emplace_back(kFinishReply);
    return replies;
}

void BM_Regression500(benchmark::State& state)
{
    const bool recording = state.range(0) != 0;
    const std::vector<std::string> replies = Replies();
    std::size_t lines = 0;
    for (auto _ : state) {
        std::size_t next = 0;
        const AskInput ask = [&](std::string_view, std::string_view, std::string_view) { return replies[next++]; };
        std::vector<std::string> steps;
        const Working working = recording ? Working(steps) : Working();
        const ShowMessage none = [](std::string_view, int, std::string_view) { return MessageAnswer::Ok; };
        const DataEntry entry = enterdata(
            EntryKind::Pairs, ask, none, [](std::string_view) {}, working);
        benchmark::DoNotOptimize(regressioncaption(entry, working));
        lines = steps.size();
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_Regression500)->ArgName("recording")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
