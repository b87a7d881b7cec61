// Response: what one key costs the real window, headless on the offscreen platform, from the key
// event to the boxes and labels written (and, where named, to the window repainted); then what one
// recalculation and its arithmetic cost alone; then the window's memory over many recalculations.
//
// Usage: response_bench [--recalculations=N] [--benchmark_...]
// (Google Benchmark's flags; 9 repetitions by default; 100000 recalculations for the steadiness)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/process_figures.h"
#include "bench/table.h"
#include "form/layout.h"
#include "geo/angle.h"
#include "geo/great_circle.h"
#include "qt/main_window.h"

namespace {

using qt::MainWindow;

MainWindow* window = nullptr;

// Degrees and minutes of the first coordinate in tab order, and the first letter box.
int FirstBox() {
    return form::kBoxesInTabOrder[0].box;
}
int SecondBox() {
    return form::kBoxesInTabOrder[1].box;
}
int LetterBox() {
    return std::find_if(
               form::kBoxesInTabOrder.begin(), form::kBoxesInTabOrder.end(),
               [](const form::BoxLayout& layout) { return !form::IsNumericBox(layout.box); })
        ->box;
}

// Moves the focus as Tab does, so the box left is validated and the results are shown again.
void Enter(int box) {
    window->Box(box)->setFocus(Qt::TabFocusReason);
}

Qt::Key DigitKey(int i) {
    return static_cast<Qt::Key>(Qt::Key_1 + i % 9);
}

// The first digit into a box just entered, while both results are shown: it replaces the box's
// text and empties both labels.
void TypedDigit(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int box = i % 2 ? SecondBox() : FirstBox();
        Enter(box);
        state.ResumeTiming();
        QTest::keyClick(window->Box(box), DigitKey(i++));
    }
}

// Tab out of a box just typed into: validation, recalculation, both labels written.
void TabOut(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Enter(FirstBox());
        QTest::keyClick(window->Box(FirstBox()), DigitKey(i++));
        state.ResumeTiming();
        QTest::keyClick(window->Box(FirstBox()), Qt::Key_Tab);
    }
}

void LetterToggle(benchmark::State& state) {
    Enter(LetterBox());
    for (auto _ : state) QTest::keyClick(window->Box(LetterBox()), Qt::Key_X);
}

// The same keys as above from the platform's key event on, with the repaint that follows them.
void TypedDigitRepainted(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Enter(i % 2 ? SecondBox() : FirstBox());
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(window->windowHandle(), DigitKey(i++));
    }
}

void TabOutRepainted(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Enter(FirstBox());
        QTest::keyClick(window->windowHandle(), DigitKey(i++));
        state.ResumeTiming();
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    }
}

// Both labels start empty, as after typing, so that writing them is real work.
void Recalculate(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        window->Logic().ClearResults();
        state.ResumeTiming();
        window->Logic().Recalculate();
    }
}

// Berlin to Munich.
void Arithmetic(benchmark::State& state) {
    double lat1 = geo::ToRadians(52, 31, 0), lon1 = -geo::ToRadians(13, 24, 0);
    double lat2 = geo::ToRadians(48, 8, 0), lon2 = -geo::ToRadians(11, 35, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lat1);
        benchmark::DoNotOptimize(lon1);
        benchmark::DoNotOptimize(lat2);
        benchmark::DoNotOptimize(lon2);
        const double d = geo::CentralAngle(lat1, lon1, lat2, lon2);
        double course = geo::InitialCourse(lat1, lon1, lat2, lon2, d);
        benchmark::DoNotOptimize(course);
    }
}

struct Figure {
    const char* benchmark;
    const char* name;
    std::optional<bench::Target> target;
};

const Figure kFigures[] = {
    {"TypedDigit", "typed digit into a numeric box", bench::Target{20, false}},
    {"TabOut", "Tab out of a numeric box", bench::Target{50, false}},
    {"LetterToggle", "toggle of a letter box", std::nullopt},
    {"TypedDigitRepainted", "typed digit, window repainted", std::nullopt},
    {"TabOutRepainted", "Tab out, window repainted", std::nullopt},
    {"Recalculate", "Recalculate alone", std::nullopt},
    {"Arithmetic", "CentralAngle + InitialCourse", std::nullopt},
};

// A run that timed nothing: Google Benchmark 1.8 replaced Run::error_occurred (1.7, Debian 12) by
// Run::skipped (Debian 13 has 1.9).
template <typename BenchmarkRun>
bool Failed(const BenchmarkRun& run) {
    if constexpr (requires { run.skipped; })
        return static_cast<bool>(run.skipped);
    else
        return run.error_occurred;
}

// Prints each benchmark as one row of the table: median, min and max of its repetitions.
class TableReporter : public benchmark::BenchmarkReporter {
  public:
    bool ReportContext(const Context&) override {
        bench::PrintHeading("Response, offscreen, per key or call");
        return true;
    }

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || Failed(run)) continue;
            const std::string name = run.run_name.function_name;
            if (!times_.count(name)) order_.push_back(name);
            times_[name].push_back(run.GetAdjustedRealTime());
        }
    }

    void Finalize() override {
        for (const std::string& name : order_) {
            const auto figure = std::find_if(std::begin(kFigures), std::end(kFigures),
                                             [&](const Figure& f) { return name == f.benchmark; });
            const std::string label = figure != std::end(kFigures) ? figure->name : name;
            const std::optional<bench::Target> target =
                figure != std::end(kFigures) ? figure->target : std::nullopt;
            bench::PrintRow(label, bench::Summarise(times_[name]), "us", 3, target);
        }
    }

  private:
    std::vector<std::string> order_;
    std::map<std::string, std::vector<double>> times_;
};

// Recalculations driven through the window: a digit, Tab and Shift+Tab recalculate twice.
void Recalculations(int count) {
    QWindow* handle = window->windowHandle();
    for (int i = 0; i < count; i += 2) {
        QTest::keyClick(handle, DigitKey(i / 2));
        QTest::keyClick(handle, Qt::Key_Tab);
        QTest::keyClick(handle, Qt::Key_Backtab, Qt::ShiftModifier);
    }
}

double ResidentMiB() {
    return bench::ResidentKiB(getpid()) / 1024.0;
}

// Memory after the first 1,000 recalculations, then its growth over each of nine equal blocks up to
// the total.
void Steadiness(int total) {
    constexpr int kFirst = 1000;
    constexpr int kBlocks = 9;
    // Each round of keys recalculates twice.
    const int block = std::max(2, (total - kFirst) / kBlocks / 2 * 2);
    Enter(FirstBox());
    Recalculations(kFirst);
    const double first = ResidentMiB();
    std::vector<double> growth;
    double before = first;
    for (int i = 0; i < kBlocks; ++i) {
        Recalculations(block);
        const double after = ResidentMiB();
        growth.push_back((after - before) * 1024);
        before = after;
    }
    const std::string done = std::to_string(kFirst + kBlocks * block);
    bench::PrintHeading("Steadiness, recalculations through the window");
    bench::PrintRow("VmRSS after 1000 recalculations", {first, first, first}, "MiB", 1);
    bench::PrintRow("VmRSS after " + done + " recalculations", {before, before, before}, "MiB", 1);
    bench::PrintRow("growth per " + std::to_string(block) + " recalculations (9 blocks)",
                    bench::Summarise(growth), "KiB", 0, bench::Target{0, true});
}

}  // namespace

BENCHMARK(TypedDigit)->Unit(benchmark::kMicrosecond);
BENCHMARK(TabOut)->Unit(benchmark::kMicrosecond);
BENCHMARK(LetterToggle)->Unit(benchmark::kMicrosecond);
BENCHMARK(TypedDigitRepainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(TabOutRepainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(Recalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK(Arithmetic)->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    MainWindow mainWindow;
    window = &mainWindow;
    mainWindow.show();
    if (!QTest::qWaitForWindowActive(&mainWindow)) {
        std::fprintf(stderr, "response_bench: the window did not become active\n");
        return 1;
    }

    // Our defaults first, so that flags given on the command line win; --recalculations=N is ours.
    std::vector<char*> args{argv[0]};
    std::string repetitions = "--benchmark_repetitions=9";
    args.push_back(repetitions.data());
    const std::string_view recalculationsFlag = "--recalculations=";
    int recalculations = 100000;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with(recalculationsFlag))
            recalculations = std::atoi(argv[i] + recalculationsFlag.size());
        else
            args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    Steadiness(recalculations);
    return 0;
}
