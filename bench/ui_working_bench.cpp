// The hottest clicks through the windows, with the Working window closed (0)
// and open beside the calculator (1): the 65536-digit sum and the 2000-digit
// reciprocal, each with the answer (and the working) painted.
#include "bench_application.h"
#include "shell/application.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void Click(benchmark::State& state, const char* form, std::initializer_list<std::pair<const char*, QString>> inputs,
           const char* button)
{
    zentaro::bench::Application();
    zentaro::shell::Application app([] {});
    QWidget* window = app.windows().show(QString::fromLatin1(form));
    QApplication::setActiveWindow(window);
    for (const auto& [name, text] : inputs)
        window->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
    QWidget* working = nullptr;
    if (state.range(0) != 0) {
        app.showWorking(window);
        working = app.windows().find(QStringLiteral("workingfrm"));
    }
    QApplication::processEvents();
    auto* press = window->findChild<QPushButton*>(QString::fromLatin1(button));
    for (auto _ : state) {
        press->click();
        benchmark::DoNotOptimize(window->grab());
        if (working != nullptr)
            benchmark::DoNotOptimize(working->grab());
    }
}

void BM_ui_Add65536DigitsWithWorking(benchmark::State& state)
{
    Click(state, "addsubfrm", {{"adda", QString(65536, '7')}, {"addb", QString(65536, '5')}}, "addab");
}
BENCHMARK(BM_ui_Add65536DigitsWithWorking)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ui_Reciprocal2000DigitsWithWorking(benchmark::State& state)
{
    Click(state, "recifrm", {{"num", QStringLiteral("999999999999989")}, {"digits", QStringLiteral("2000")}},
          "cmdrecicalc");
}
BENCHMARK(BM_ui_Reciprocal2000DigitsWithWorking)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
