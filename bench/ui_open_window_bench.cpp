// Opening each calculator window for the first time: construct, show, and let
// the first paint happen.
#include "shell/calculator_catalogue.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void OpenWindow(benchmark::State& state, zentaro::shell::CalculatorEntry entry)
{
    for (auto _ : state) {
        std::unique_ptr<QWidget> window(entry.make());
        window->show();
        window->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const auto& entry : zentaro::shell::Calculators())
        benchmark::RegisterBenchmark(("OpenWindow/" + entry.formName.toStdString()).c_str(), OpenWindow, entry)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
