// Each handler of the fractions window, from the click to the written fields, on
// the 32-bit inputs that cost the computations most.
#include "bench_application.h"
#include "ui/fractions_window.h"

#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>
#include <utility>

namespace {

// One offscreen application and one window for the whole run.
zentaro::ui::FractionsWindow& Window()
{
    zentaro::bench::Application();
    static auto window = std::make_unique<zentaro::ui::FractionsWindow>();
    return *window;
}

void BM_Click(benchmark::State& state, const char* button,
              std::initializer_list<std::pair<const char*, const char*>> inputs)
{
    auto& window = Window();
    for (const auto& [name, text] : inputs)
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    auto* target = window.findChild<QPushButton*>(QString::fromLatin1(button));
    for (auto _ : state)
        target->click();
}

BENCHMARK_CAPTURE(BM_Click, addcmd, "addcmd",
                  {{"addtxt1", "1"}, {"addtxt2", "2147483647"}, {"addtxt3", "0"}, {"addtxt4", "1"}});
BENCHMARK_CAPTURE(BM_Click, subcmd, "subcmd",
                  {{"subtxt1", "1836311903"}, {"subtxt2", "1134903170"}, {"subtxt3", "0"}, {"subtxt4", "1"}});
BENCHMARK_CAPTURE(BM_Click, multicmd, "multicmd",
                  {{"multitxt1", "2147483647"}, {"multitxt2", "1"}, {"multitxt3", "1"}, {"multitxt4", "2147483647"}});
BENCHMARK_CAPTURE(BM_Click, divcmd, "divcmd",
                  {{"divtxt1", "1836311903"}, {"divtxt2", "1"}, {"divtxt3", "1134903170"}, {"divtxt4", "1"}});
// The answer-to-improper buttons read the answers the buttons above left.
BENCHMARK_CAPTURE(BM_Click, impaddcmd, "impaddcmd", {});
BENCHMARK_CAPTURE(BM_Click, impsubcmd, "impsubcmd", {});
BENCHMARK_CAPTURE(BM_Click, impmulticmd, "impmulticmd", {});
BENCHMARK_CAPTURE(BM_Click, impdivcmd, "impdivcmd", {});
BENCHMARK_CAPTURE(BM_Click, compcmd, "compcmd",
                  {{"comptxt1", ""}, {"comptxt2", "1836311903"}, {"comptxt3", "1134903170"}});
BENCHMARK_CAPTURE(BM_Click, smpcmd, "smpcmd", {{"smptxt1", "1836311903"}, {"smptxt2", "1134903170"}});

} // namespace
