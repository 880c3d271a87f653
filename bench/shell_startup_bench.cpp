// Start-up of zentaro (until the start-up window is shown) against a bare Qt
// program that shows one button, run side by side as whole processes.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Runs the program to its end; returns its peak resident memory in KiB.
long RunOnce(const char* program)
{
    const pid_t child = fork();
    if (child == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        setenv("ZENTARO_QUIT_WHEN_SHOWN", "1", 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss;
}

void Startup(benchmark::State& state, const char* program)
{
    long peak = 0;
    for (auto _ : state)
        peak = std::max(peak, RunOnce(program));
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
}

BENCHMARK_CAPTURE(Startup, bare_button, ZENTARO_BARE_BUTTON)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Startup, zentaro, ZENTARO_EXECUTABLE)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
