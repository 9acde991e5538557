#pragma once

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/CliOptions.h"
#include "cli/ProgressLine.h"
#include "engine/ComputeDriver.h"
#include "engine/ComputeHost.h"
#include "engine/HistogramState.h"
#include "engine/NumberFields.h"
#include "util/CoarseClock.h"

namespace cli {

// What begins each message on standard error.
inline constexpr const char* kMessagePrefix = "primorator-cli: ";

// Messages as one line each on a stream: "primorator-cli: text" (the window's
// texts; their titles are the window's, not the tool's).
class StreamMessages : public engine::MessageSink {
public:
    explicit StreamMessages(std::FILE* stream) : m_stream(stream) {}
    void ShowMessage(const engine::Message& message) override;
    int Count() const { return m_count; }

private:
    std::FILE* m_stream;
    int m_count = 0;
};

// The command-line tool's side of a run: its fields are the arguments, its
// clock is the time since the run started, and Ctrl-C is its Stop button.
class CliHost : public engine::ComputeHost {
public:
    CliHost(const CliOptions& options, engine::OutputText& output, std::FILE* messages);

    // The run the arguments ask for: START and END cleaned as the window
    // cleans its fields (a number above the largest is refused), then run.
    engine::RunOutcome Run(const numlib::NumKernel& kernel);

    engine::OutputText& Output() override { return m_output; }
    engine::MessageSink& Messages() override { return m_messages; }
    engine::RunFlags& Flags() override { return m_flags; }
    engine::HistogramView* Histograms() override { return m_histogramView; }
    void SetHistogramView(engine::HistogramView* view) { m_histogramView = view; }
    engine::HistogramState& HistogramData() override { return m_histogram; }

    void EnterBusyState(const engine::BusyInfo& run) override;
    void LeaveBusyState(const engine::BusyInfo& run, const engine::Message* closing) override;
    void StartClock() override;
    void StopClock() override { m_clockRunning = false; }
    void ShowProgress(int32_t n) override;
    void ProcessEvents() override;

    // Ctrl-C: the first stops the scan, the second ends the program.
    static void InstallInterruptHandler();
    // Ctrl-C was pressed during the run.
    static bool Interrupted();

private:
    using Clock = util::CoarseClock;
    static constexpr int kClockIntervalMs = 20;

    bool NormalizeNumberFields();
    engine::ComputeRequest ReadRequest() const;

    const CliOptions& m_options;
    engine::OutputText& m_output;
    StreamMessages m_messages;
    engine::RunFlags m_flags;
    engine::HistogramState m_histogram;
    engine::HistogramView* m_histogramView = nullptr;
    engine::NumberFields m_fields;
    std::unique_ptr<ProgressLine> m_progress;
    bool m_clockRunning = false;
    uint32_t m_eventCalls = 0;
    Clock::time_point m_clockStart;
};

}  // namespace cli
