// The whole prime listing beside primesieve, each row in a process of its own so
// that its peak memory is that row's alone: the program starts itself with
// --child, which opens the prime window offscreen, clicks Generate, shows the
// list, scrolls to its end and paints, and tells how long that took. The wall
// time of `primesieve LOW HIGH -p -t1 > /dev/null` is the yardstick; primesieve
// cannot go past 2^64, so the last row compares with the 32-bit range. Saving
// the whole list to a file, and closing the window during a listing, are timed
// too.
//
//   ui_prime_listing_bench --benchmark_counters_tabular=true
#include "ui/prime_window.h"
#include "widgets/long_text_field.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

std::string self;

struct Outcome {
    double seconds = 0;
    double peakMiB = 0;
    std::string output;
};

// Runs a program with its output in a pipe (or thrown away), and gives its wall
// time, its peak resident memory and what it wrote.
Outcome Spawn(const std::vector<std::string>& args, bool keepOutput)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (keepOutput)
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    Outcome outcome;
    char buffer[256];
    for (ssize_t n; !failed && (n = read(out[0], buffer, sizeof buffer)) > 0;)
        outcome.output.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (!failed)
        wait4(pid, &status, 0, &usage);
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    outcome.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024;
    if (failed || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        outcome.seconds = -1;
    return outcome;
}

std::map<std::string, double> yardstick;

void Primesieve(benchmark::State& state, std::string high)
{
    double total = 0;
    for (auto _ : state) {
        const Outcome o = Spawn({"primesieve", "1", high, "-p", "-t1"}, false);
        if (o.seconds < 0) {
            state.SkipWithError("primesieve did not run");
            return;
        }
        state.SetIterationTime(o.seconds);
        state.counters["peak_MiB"] = std::max<double>(state.counters["peak_MiB"], o.peakMiB);
        total += o.seconds;
    }
    yardstick[high] = total / static_cast<double>(state.iterations());
}

// `compareWith` is the primesieve row whose mean time the listing is set against.
void Listing(benchmark::State& state, std::string high, std::string compareWith)
{
    double total = 0;
    for (auto _ : state) {
        const Outcome o = Spawn({self, "--child", "1", high}, true);
        if (o.seconds < 0) {
            state.SkipWithError("the child failed");
            return;
        }
        const double click = std::stod(o.output);
        state.SetIterationTime(click);
        state.counters["peak_MiB"] = std::max<double>(state.counters["peak_MiB"], o.peakMiB);
        state.counters["process_s"] = o.seconds;
        total += click;
    }
    const double mean = total / static_cast<double>(state.iterations());
    state.counters["x_primesieve"] = yardstick.contains(compareWith) ? mean / yardstick[compareWith] : 0;
}

// The whole text written to a file, after the listing.
void SaveList(benchmark::State& state, std::string high)
{
    const std::string path = "/tmp/zentaro_prime_listing_bench.txt";
    for (auto _ : state) {
        const Outcome o = Spawn({self, "--child-save", "1", high, path}, true);
        std::remove(path.c_str());
        if (o.seconds < 0) {
            state.SkipWithError("the child failed");
            return;
        }
        state.SetIterationTime(std::stod(o.output));
        state.counters["peak_MiB"] = std::max<double>(state.counters["peak_MiB"], o.peakMiB);
    }
}

// How long a listing goes on after its window is closed under it.
void CloseDuringListing(benchmark::State& state, std::string high)
{
    for (auto _ : state) {
        const Outcome o = Spawn({self, "--child-close", "1", high}, true);
        if (o.seconds < 0) {
            state.SkipWithError("the child failed");
            return;
        }
        state.SetIterationTime(std::stod(o.output));
        state.counters["peak_MiB"] = o.peakMiB;
    }
}

QWidget* Modal()
{
    return QApplication::activeModalWidget();
}

enum class Mode { List, CloseDuringListing, Save };

// The child: one click on Generate, offscreen, timed up to the list painted at
// its end; or then saved, timed from the save; or closed during the listing,
// timed from the close.
int Child(int argc, char** argv, Mode mode)
{
    const bool closeDuringListing = mode == Mode::CloseDuringListing;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zentaro::ui::PrimeWindow window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    window.findChild<QLineEdit*>("startnum")->setText(QString::fromLatin1(argv[2]));
    window.findChild<QLineEdit*>("endnum")->setText(QString::fromLatin1(argv[3]));
    auto* list = window.findChild<QPlainTextEdit*>("primestxt");
    QApplication::processEvents();

    // The Overflow message of the last row is answered at once; the close comes
    // a second after the progress dialog has shown.
    QElapsedTimer closed;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &app, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(Modal()))
            box->accept();
        static QElapsedTimer dialogUp;
        if (closeDuringListing && !closed.isValid() && Modal() != nullptr) {
            if (!dialogUp.isValid())
                dialogUp.start();
            else if (dialogUp.elapsed() >= 1000) {
                closed.start();
                window.close();
            }
        }
    });
    answer.start(1);

    QElapsedTimer clock;
    clock.start();
    window.findChild<QPushButton*>("primegen")->click();
    if (closeDuringListing) {
        std::printf("%.6f\n", closed.isValid() ? static_cast<double>(closed.nsecsElapsed()) / 1e9 : -1.0);
        return closed.isValid() ? 0 : 1;
    }
    if (mode == Mode::Save) {
        clock.start();
        const bool saved = qobject_cast<zentaro::widgets::LongTextField*>(list)->saveTo(
                               QString::fromLocal8Bit(argv[4])) == zentaro::widgets::LongTextField::Saved::Yes;
        std::printf("%.6f\n", static_cast<double>(clock.nsecsElapsed()) / 1e9);
        return saved ? 0 : 1;
    }
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QApplication::sendEvent(list, &end);
    window.repaint();
    QApplication::processEvents();
    std::printf("%.6f\n", static_cast<double>(clock.nsecsElapsed()) / 1e9);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (argc == 4 && mode == "--child")
        return Child(argc, argv, Mode::List);
    if (argc == 4 && mode == "--child-close")
        return Child(argc, argv, Mode::CloseDuringListing);
    if (argc == 5 && mode == "--child-save")
        return Child(argc, argv, Mode::Save);
    self = argv[0];
    const std::pair<const char*, const char*> rows[] = {
        {"10000000", "10000000"}, {"1000000000", "1000000000"}, {"2147483647", "2147483647"}, {"1e308", "2147483647"}};
    for (const auto& [high, compareWith] : rows) {
        if (std::string(high) == compareWith)
            benchmark::RegisterBenchmark(("primesieve/1.." + std::string(high)).c_str(), Primesieve, std::string(high))
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(3);
        benchmark::RegisterBenchmark(("PrimeListing/1.." + std::string(high)).c_str(), Listing, std::string(high),
                                     std::string(compareWith))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    }
    benchmark::RegisterBenchmark("SaveList/1..2147483647", SaveList, std::string("2147483647"))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("CloseDuringListing/1..2147483647", CloseDuringListing, std::string("2147483647"))
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
