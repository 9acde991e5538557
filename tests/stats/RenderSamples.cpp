// Renders sample histograms from real runs of the engine into PNG files, to
// be looked at: NPF over 2 .. 1,000,000, EK from 1,000,000 with 40 and 240
// (and 96) bins, the Palmen colours over 1 .. 1,000,000 and a filtered NPF run. Prints
// how many renderings each run made and what they cost.
//
//   stats_render_samples [OUTPUT_FOLDER [--tables]]
//
// With --tables it also prints the text form of each final picture.

#include <QDir>
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <string>

#include "engine/ComputeDriver.h"
#include "engine/ComputeHost.h"
#include "engine/HistogramState.h"
#include "engine/HistogramView.h"
#include "stats/HistogramPicture.h"

namespace {

class PrintedMessages : public engine::MessageSink {
public:
    void ShowMessage(const engine::Message& message) override {
        std::printf("  message: %s: %s\n", message.title.c_str(), message.text.c_str());
    }
};

class DiscardedOutput : public engine::OutputText {
public:
    void Append(std::string_view text) override { m_length += text.size(); }
    size_t Length() const override { return m_length; }
    void KeepFirst(size_t count) override { m_length = count; }

private:
    size_t m_length = 0;
};

// The window's side of the picture: the bins selection and the timing.
class PictureView : public engine::HistogramView {
public:
    PictureView(stats::HistogramPicture& picture, int binsEntry)
        : m_picture(picture), m_binsEntry(binsEntry) {}

    int SelectedBinsEntry() const override { return m_binsEntry; }
    void SelectBinsEntry(int index) override { m_binsEntry = index; }
    void BeginGraph(const engine::HistogramState& state, const std::string&) override {
        m_picture.BeginGraph(state.kind, m_binsEntry);
    }
    void Render(const engine::HistogramState& state, bool final) override {
        const auto start = std::chrono::steady_clock::now();
        m_picture.Render(state, final, m_binsEntry, format::Separator::Comma);
        m_seconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++m_renders;
    }
    void HideGraph() override {}

    int Renders() const { return m_renders; }
    double Seconds() const { return m_seconds; }

private:
    stats::HistogramPicture& m_picture;
    int m_binsEntry;
    int m_renders = 0;
    double m_seconds = 0;
};

class SampleHost : public engine::ComputeHost {
public:
    SampleHost(engine::ComputeRequest request, PictureView& view)
        : m_request(std::move(request)), m_view(view) {}

    engine::OutputText& Output() override { return m_output; }
    engine::MessageSink& Messages() override { return m_messages; }
    engine::RunFlags& Flags() override { return m_flags; }
    engine::HistogramView* Histograms() override { return &m_view; }
    engine::HistogramState& HistogramData() override { return m_state; }
    const engine::HistogramState& Data() const { return m_state; }
    const engine::ComputeRequest& Request() const { return m_request; }
    void EnterBusyState(const engine::BusyInfo&) override {}
    void LeaveBusyState(const engine::BusyInfo&, const engine::Message*) override {}
    void StartClock() override {}
    void StopClock() override {}
    void ShowProgress(int32_t) override {}
    void ProcessEvents() override {}

private:
    engine::ComputeRequest m_request;
    PictureView& m_view;
    DiscardedOutput m_output;
    PrintedMessages m_messages;
    engine::RunFlags m_flags;
    engine::HistogramState m_state;
};

struct Sample {
    const char* file;
    engine::ComputeMode mode;
    const char* start;
    const char* end;
    int binsEntry;
    const char* filterA = "";
    const char* filterB = "";
};

void RenderSample(const Sample& sample, const QDir& folder, bool printTable) {
    PrintedMessages messages;
    stats::HistogramPicture picture(messages, stats::KernelLineFitter());
    PictureView view(picture, sample.binsEntry);
    engine::ComputeRequest request;
    request.startText = sample.start;
    request.endText = sample.end;
    request.mode = sample.mode;
    request.binSettingIndex = sample.binsEntry;
    request.filterAText = sample.filterA;
    request.filterBText = sample.filterB;
    SampleHost host(request, view);
    std::printf("%s: %s .. %s\n", sample.file, sample.start, sample.end);
    const auto start = std::chrono::steady_clock::now();
    engine::RunCompute(host.Request(), host);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const QString path = folder.filePath(QString::fromUtf8(sample.file));
    const QString error = picture.Save(path);
    std::printf("  run %.3f s, %d renderings, %.3f ms each; %s\n", seconds, view.Renders(),
                view.Renders() > 0 ? view.Seconds() * 1000 / view.Renders() : 0.0,
                error.isEmpty() ? path.toUtf8().constData() : error.toUtf8().constData());
    if (printTable) {
        for (const std::string& line : stats::HistogramTable(host.Data(), view.SelectedBinsEntry(),
                                                             format::Separator::Comma)) {
            std::printf("  | %s\n", line.c_str());
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const bool printTables = argc > 2 && std::string(argv[2]) == "--tables";
    using engine::ComputeMode;
    const Sample samples[] = {
        {"npf.png", ComputeMode::DoNPFGraph, "2", "1000000", 5},
        {"ek-40.png", ComputeMode::DoEKGraph, "1000000", "3000000", 0},
        {"ek-240.png", ComputeMode::DoEKGraph, "1000000", "3000000", 7},
        {"ek-96.png", ComputeMode::DoEKGraph, "1000000", "3000000", 4},
        {"pc.png", ComputeMode::DoPCGraph, "1", "1000000", 5},
        {"npf-filtered.png", ComputeMode::DoNPFGraph, "2", "1000000", 5, "10", "3"},
    };
    for (const Sample& sample : samples) RenderSample(sample, folder, printTables);
    return 0;
}
