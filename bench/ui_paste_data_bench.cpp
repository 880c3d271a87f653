// How long a paste of 500 values takes in the statistics window and 500 pairs in
// the regression window, from Ctrl+V to the first paint of the answers.
#include "bench_application.h"
#include "ui/regression_window.h"
#include "ui/statistics_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A spreadsheet column of 500 values, or two columns of 500 rows.
QString Column(bool pairs)
{
    QString text;
    for (int i = 1; i <= 500; ++i)
        text += QString::number(i * 0.37, 'g', 6) + (pairs ? QStringLiteral("\t%1\r\n").arg(3 * i + 1) : "\r\n");
    return text;
}

template <typename Window> void PasteAndPaint(benchmark::State& state, bool pairs)
{
    zentaro::bench::Application();
    QApplication::clipboard()->setText(Column(pairs));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<Window>();
        window->show();
        QApplication::processEvents();
        auto* paste = window->template findChild<QAction*>(QStringLiteral("pastedata"));
        state.ResumeTiming();
        paste->trigger();
        benchmark::DoNotOptimize(window->grab());
    }
}

void BM_Paste500ValuesIntoStatisticsAndPaint(benchmark::State& state)
{
    PasteAndPaint<zentaro::ui::StatisticsWindow>(state, false);
}
BENCHMARK(BM_Paste500ValuesIntoStatisticsAndPaint)->Unit(benchmark::kMillisecond);

void BM_Paste500PairsIntoRegressionAndPaint(benchmark::State& state)
{
    PasteAndPaint<zentaro::ui::RegressionWindow>(state, true);
}
BENCHMARK(BM_Paste500PairsIntoRegressionAndPaint)->Unit(benchmark::kMillisecond);

} // namespace
