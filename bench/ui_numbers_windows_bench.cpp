// Whole clicks on the number theory windows, shown offscreen: the handler, the
// text put into the field, and the paint. The same prime list is also shown in
// the list field alone and in plain text fields with several settings, which lay
// the whole paragraph out.
#include "numbers/primes.h"
#include "ui/gcd_lcm_window.h"
#include "ui/prime_window.h"
#include "widgets/long_text_field.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <string>
#include <type_traits>

namespace {

void Settle(QWidget& window)
{
    window.repaint();
    QApplication::processEvents();
}

void PrimeListClick(benchmark::State& state)
{
    zentaro::ui::PrimeWindow window;
    window.show();
    window.findChild<QLineEdit*>("startnum")->setText(QString::number(state.range(0)));
    window.findChild<QLineEdit*>("endnum")->setText(QString::number(state.range(1)));
    auto* list = window.findChild<QPlainTextEdit*>("primestxt");
    auto* generate = window.findChild<QPushButton*>("primegen");
    for (auto _ : state) {
        state.PauseTiming();
        list->clear();
        Settle(window);
        state.ResumeTiming();
        generate->click();
        Settle(window);
    }
    state.counters["chars"] = static_cast<double>(qobject_cast<zentaro::widgets::LongTextField*>(list)->text().size());
}

// The list from 1 to the argument shown in a field of the window's size, in
// Arial; `wrap` and `noShaping` pick the settings.
template <typename Field> void ShowList(benchmark::State& state, bool wrap, bool noShaping)
{
    const std::string utf8 = zentaro::numbers::primes::ListPrimes({1, state.range(0), false}).text();
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    Field field;
    field.setGeometry(0, 0, 464, 278);
    field.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Arial"), 9);
    if (noShaping)
        font.setStyleStrategy(QFont::PreferNoShaping);
    field.setFont(font);
    field.setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    field.setReadOnly(true);
    field.show();
    for (auto _ : state) {
        state.PauseTiming();
        field.clear();
        Settle(field);
        state.ResumeTiming();
        if constexpr (std::is_same_v<Field, zentaro::widgets::LongTextField>)
            field.setText(std::make_shared<zentaro::widgets::PlainText>(text));
        else
            field.document()->setPlainText(text);
        Settle(field);
    }
}

void GcdLcmClick(benchmark::State& state, const char* input, const char* button, const char* number)
{
    zentaro::ui::GcdLcmWindow window;
    window.show();
    window.findChild<QLineEdit*>(input)->setText(QString::fromLatin1(number));
    auto* compute = window.findChild<QPushButton*>(button);
    for (auto _ : state) {
        compute->click();
        Settle(window);
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const auto& [low, high] :
         {std::pair{1, 100}, {1, 1000000}, {1, 10000000}, {1, 100000000}, {2137483647, 2147483647}})
        benchmark::RegisterBenchmark("PrimeListClick", PrimeListClick)
            ->Args({low, high})
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    benchmark::RegisterBenchmark("ListField", ShowList<zentaro::widgets::LongTextField>, true, true)
        ->Arg(1000000)
        ->Arg(10000000)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    for (const auto& [name, wrap, noShaping] : {std::tuple{"Wrapped", true, false},
                                                {"WrappedNoShaping", true, true},
                                                {"Unwrapped", false, false},
                                                {"UnwrappedNoShaping", false, true}})
        benchmark::RegisterBenchmark((std::string("PlainField/") + name).c_str(), ShowList<QPlainTextEdit>, wrap,
                                     noShaping)
            ->Arg(1000000)
            ->Arg(10000000)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    benchmark::RegisterBenchmark("FactorListClick/2147483646", GcdLcmClick, "numfacttxt", "factorize", "2147483646")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FactorListClick/2147483647", GcdLcmClick, "numfacttxt", "factorize", "2147483647")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PrimeFactorsClick/2147483647", GcdLcmClick, "numprimfacttxt", "primfact",
                                 "2147483647")
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PrimeFactorsClick/1073741824", GcdLcmClick, "numprimfacttxt", "primfact",
                                 "1073741824")
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
