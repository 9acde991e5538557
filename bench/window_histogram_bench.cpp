// window_histogram_bench: what the histogram picture costs a run in the window.
//
// Runs the real main window offscreen, driven through its controls, over the
// same numbers twice: "Plot integers with n  prime factors" (every number
// factored, counted and, every 500 numbers, rendered) and "Count primes
// only". Beside them, the same two scans through the engine with no window
// at all: the count factoring every number (the walk a histogram run makes;
// the window's count is done by the kernel in chunks) and the histogram
// without a picture. Prints the times and the ratios; the histogram in the
// window should take at most 25 % longer than the count that factors every
// number. All of it runs twice, with one sieve thread and with the helper
// that sieves ahead on the second core, and the speed-up of the histogram
// runs is printed. Options: --end N (default 100,000,001: 10^8 numbers from 2),
// --threads N (only that count of sieve threads),
// --ek (the EK histogram from 1,000,000: in the window it stops at its first
// bin overlap, which without a picture is never found), --pc (the Palmen
// colours).
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <string>

#include "BenchHost.h"
#include "app/MessageService.h"
#include "app/frmMain.h"
#include "engine/HistogramState.h"
#include "numlib/NumKernel.h"

namespace {

// Answers every message at once; prints what a user would have read.
class QuietMessages final : public app::MessageService {
public:
    app::MessageAnswer Ask(const engine::Message& message, app::MessageButtons) override {
        std::printf("  message: %s (%s)\n", message.text.c_str(), message.title.c_str());
        return app::MessageAnswer::No;
    }
    void Beep() override {}
};

double Seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

double EngineRun(engine::ComputeMode mode, long long start, long long end) {
    engine::ComputeRequest request;
    request.mode = mode;
    request.startText = std::to_string(start);
    request.endText = std::to_string(end);
    request.separator = format::Separator::None;
    request.strategy = engine::ScanStrategy::EveryNumber;
    return bench::TimedRun(std::move(request));
}

template <typename T>
T* Control(app::frmMain& window, const char* name) {
    T* control = window.findChild<T*>(QLatin1String(name));
    if (control == nullptr) qFatal("no control named %s", name);
    return control;
}

// One run from the window's controls.
double WindowRun(app::frmMain& window, const char* option, long long start, long long end) {
    Control<QLineEdit>(window, "Text1")->setText(QString::number(start));
    Control<QLineEdit>(window, "Text2")->setText(QString::number(end));
    Control<QRadioButton>(window, option)->click();
    QElapsedTimer timer;
    timer.start();
    Control<QPushButton>(window, "ComputeButton")->click();
    return Seconds(timer);
}

struct Times {
    double engineGraph = 0;
    double windowGraph = 0;
};

Times RunAll(app::frmMain& window, const char* option, engine::ComputeMode mode, long long start,
             long long end, int threads) {
    numlib::NumKernel::Instance().SetSieveThreads(threads);
    std::printf("-- %d sieve thread%s\n", threads, threads == 1 ? "" : "s");
    const double windowCount = WindowRun(window, "CountPrimesOnly", start, end);
    std::printf("count only, window (kernel counts in chunks)  %8.3f s\n", windowCount);
    const double walkCount = EngineRun(engine::ComputeMode::CountPrimesOnly, start, end);
    std::printf("count only, engine, every number factored     %8.3f s\n", walkCount);
    Times times;
    times.engineGraph = EngineRun(mode, start, end);
    std::printf("histogram, engine, no picture                 %8.3f s\n", times.engineGraph);
    times.windowGraph = WindowRun(window, option, start, end);
    const engine::HistogramState& data = window.HistogramData();
    std::printf("histogram, window                             %8.3f s  (the last number %d)\n",
                times.windowGraph, data.lastNumber);
    std::printf("ratio window histogram / every-number count   %8.3f\n",
                times.windowGraph / walkCount);
    std::printf("ratio window histogram / engine histogram     %8.3f\n",
                times.windowGraph / times.engineGraph);
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    long long start = 2;
    long long end = 100000001;
    int onlyThreads = 0;
    const char* option = "DoNPFGraph";
    engine::ComputeMode mode = engine::ComputeMode::DoNPFGraph;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--end") == 0 && i + 1 < argc) end = std::stoll(argv[++i]);
        if (std::strcmp(argv[i], "--ek") == 0) {
            option = "DoEKGraph";
            mode = engine::ComputeMode::DoEKGraph;
            start = 1000000;
        }
        if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
            onlyThreads = std::stoi(argv[++i]);
        }
        if (std::strcmp(argv[i], "--pc") == 0) {
            option = "DoPCGraph";
            mode = engine::ComputeMode::DoPCGraph;
        }
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window restores and saves its state: here in a folder of its own.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    QApplication application(argc, argv);
    QuietMessages messages;
    app::frmMain window(&messages);
    window.SetProgramEnd([] {});
    if (!window.Start()) return 1;
    Control<QRadioButton>(window, "NoSeparator")->click();

    std::printf("window_histogram_bench: %s over %lld .. %lld\n", option, start, end);
    if (onlyThreads > 0) {
        RunAll(window, option, mode, start, end, onlyThreads);
        return 0;
    }
    const Times one = RunAll(window, option, mode, start, end, 1);
    const Times two = RunAll(window, option, mode, start, end, 2);
    std::printf("two sieve threads: histogram %.2fx as fast in the window, %.2fx in the engine\n",
                one.windowGraph / two.windowGraph, one.engineGraph / two.engineGraph);
    return 0;
}
