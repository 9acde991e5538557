#pragma once

// A host for whole engine runs in the benchmarks: nothing is kept or shown,
// and the clock recalibrates the progress step three seconds in, as the
// window's does.
#include <chrono>
#include <cstdio>
#include <string>

#include "engine/ComputeDriver.h"
#include "engine/ComputeHost.h"
#include "engine/HistogramState.h"
#include "util/CoarseClock.h"

namespace bench {

// Output that only counts what it is given.
class NullOutput : public engine::OutputText {
public:
    void Append(std::string_view text) override { m_length += text.size(); }
    size_t Length() const override { return m_length; }
    void KeepFirst(size_t) override {}
    bool Limited() const override { return false; }

private:
    size_t m_length = 0;
};

class QuietMessages : public engine::MessageSink {
public:
    void ShowMessage(const engine::Message& message) override {
        std::fprintf(stderr, "message: %s\n", message.text.c_str());
    }
};

class BenchHost : public engine::ComputeHost {
public:
    explicit BenchHost(engine::ComputeRequest request) : m_request(std::move(request)) {}
    engine::OutputText& Output() override { return m_output; }
    engine::MessageSink& Messages() override { return m_messages; }
    engine::RunFlags& Flags() override { return m_flags; }
    engine::HistogramView* Histograms() override { return nullptr; }
    engine::HistogramState& HistogramData() override { return m_histogram; }
    void EnterBusyState(const engine::BusyInfo&) override {}
    void LeaveBusyState(const engine::BusyInfo&, const engine::Message*) override {}
    void StartClock() override { m_clockStart = Clock::now(); }
    void StopClock() override {}
    void ShowProgress(int32_t) override {}
    // The window's clock: the step is recalibrated three seconds into a run.
    void ProcessEvents() override {
        if (!m_flags.clockTicked && Clock::now() - m_clockStart > std::chrono::seconds(3)) {
            engine::OnClockTick(m_flags);
        }
    }
    size_t Written() const { return m_output.Length(); }
    const engine::ComputeRequest& Request() const { return m_request; }

private:
    using Clock = util::CoarseClock;  // as the program's hosts read it at progress points
    engine::ComputeRequest m_request;
    NullOutput m_output;
    QuietMessages m_messages;
    engine::RunFlags m_flags;
    engine::HistogramState m_histogram;
    Clock::time_point m_clockStart;
};

// The seconds of one whole engine run of `request` with a BenchHost;
// `written` (when given) gets how much text the run wrote.
inline double TimedRun(engine::ComputeRequest request, size_t* written = nullptr) {
    BenchHost host(std::move(request));
    const auto begin = std::chrono::steady_clock::now();
    engine::RunCompute(host.Request(), host);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    if (written != nullptr) *written = host.Written();
    return seconds;
}

}  // namespace bench
