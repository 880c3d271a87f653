// How long the adder window takes to show and edit 65536-digit texts: filling
// both inputs, one keystroke at the end of a long input, and the = button with
// the answer painted.
#include "bench_application.h"
#include "ui/add_sub_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Window {
    Window()
    {
        zentaro::bench::Application();
        window = std::make_unique<zentaro::ui::AddSubWindow>();
        window->show();
        QApplication::processEvents();
    }
    QLineEdit* field(const char* name) { return window->findChild<QLineEdit*>(name); }
    void paint() { benchmark::DoNotOptimize(window->grab()); }
    std::unique_ptr<zentaro::ui::AddSubWindow> window;
};

const QString kSevens(65536, '7');
const QString kFives(65536, '5');

void BM_FillTwoLongInputsAndPaint(benchmark::State& state)
{
    Window w;
    bool flip = false;
    for (auto _ : state) {
        w.field("adda")->setText(flip ? kSevens : kFives);
        w.field("addb")->setText(flip ? kFives : kSevens);
        w.paint();
        flip = !flip;
    }
}
BENCHMARK(BM_FillTwoLongInputsAndPaint)->Unit(benchmark::kMillisecond);

void BM_KeystrokeInLongInputAndPaint(benchmark::State& state)
{
    Window w;
    QLineEdit* field = w.field("adda");
    field->setText(kSevens);
    field->end(false);
    bool flip = false;
    for (auto _ : state) {
        if (flip)
            field->backspace();
        else
            field->insert(QStringLiteral("1"));
        w.paint();
        flip = !flip;
    }
}
BENCHMARK(BM_KeystrokeInLongInputAndPaint)->Unit(benchmark::kMillisecond);

void BM_AddLongInputsAndPaintTheAnswer(benchmark::State& state)
{
    Window w;
    w.field("adda")->setText(kSevens);
    w.field("addb")->setText(kFives);
    auto* button = w.window->findChild<QPushButton*>("addab");
    for (auto _ : state) {
        button->click();
        w.paint();
    }
}
BENCHMARK(BM_AddLongInputsAndPaintTheAnswer)->Unit(benchmark::kMillisecond);

} // namespace
