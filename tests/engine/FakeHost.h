#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/ComputeDriver.h"
#include "engine/ComputeHost.h"
#include "engine/HistogramState.h"
#include "engine/NumberFields.h"
#include "engine/OutputBuffer.h"

namespace enginetest {

// Messages kept in order, each answered at once.
class RecordingMessages : public engine::MessageSink {
public:
    void ShowMessage(const engine::Message& message) override { shown.push_back(message); }
    std::vector<engine::Message> shown;
};

// The output in memory; `limited` false is the command line's --no-limit.
class TestOutput : public engine::OutputBuffer {
public:
    TestOutput() = default;
    explicit TestOutput(std::string text) : OutputBuffer(std::move(text)) {}
    bool Limited() const override { return limited; }
    bool limited = true;
};

// A window stand-in: fields and options as plain values, the output in memory,
// and hooks to act at a progress point as the Stop button or a user would. A
// press of Compute cleans the fields, runs the request and applies what the
// run leaves to the window as the window does.
class FakeHost : public engine::ComputeHost {
public:
    FakeHost() = default;

    bool NormalizeNumberFields() {
        engine::NumberFields fields{request.startText, request.endText, request.filterAText,
                                    request.filterBText};
        engine::NormalizeOutcome outcome = engine::NormalizeNumberFields(fields, request.separator);
        request.startText = fields.start;
        request.endText = fields.end;
        request.filterAText = fields.filterA;
        request.filterBText = fields.filterB;
        if (outcome.startTooLarge) messages.ShowMessage({engine::kStartTooLarge, "Error"});
        if (outcome.endTooLarge) messages.ShowMessage({engine::kEndTooLarge, "Error"});
        return outcome.Ok();
    }
    engine::OutputText& Output() override { return output; }
    engine::MessageSink& Messages() override { return messages; }
    engine::RunFlags& Flags() override { return flags; }
    engine::HistogramView* Histograms() override { return view; }
    engine::HistogramState& HistogramData() override { return histogram; }
    void SelectMode(engine::ComputeMode mode) {
        request.mode = mode;
        selectedModes.push_back(mode);
    }
    void EnterBusyState(const engine::BusyInfo& run) override {
        ++busyEntered;
        busy = run;
        if (run.graphRun) SelectMode(engine::ComputeMode::DisplayAllNumbers);
    }
    void LeaveBusyState(const engine::BusyInfo& run, const engine::Message* closing) override {
        ++busyLeft;
        if (run.graphRun) SelectMode(run.graphMode);
        if (closing != nullptr) messages.ShowMessage(*closing);
    }
    void StartClock() override { clockRunning = true; }
    void StopClock() override { clockRunning = false; }
    void ShowProgress(int32_t n) override { progressShown.push_back(n); }
    void ProcessEvents() override {
        if (onEvents) onEvents(*this);
    }

    // One press of Compute with `kernel`, by default the process's.
    engine::RunOutcome Run(const numlib::NumKernel& kernel = numlib::NumKernel::Instance()) {
        if (!NormalizeNumberFields()) return engine::RunOutcome::Refused;
        const engine::RunResult result = engine::RunCompute(request, *this, kernel);
        if (result.filterBReadAsZero) request.filterBText = "0";
        if (result.mode != request.mode) SelectMode(result.mode);
        refused = result.refused;
        if (result.refused == engine::RefusalSubject::StartField) ++startFieldFocused;
        if (result.refused == engine::RefusalSubject::Range ||
            result.refused == engine::RefusalSubject::Request) {
            ++inputFocusSet;
        }
        return result.outcome;
    }
    const std::string& Text() const { return output.Text(); }

    engine::ComputeRequest request;
    TestOutput output;
    RecordingMessages messages;
    engine::RunFlags flags;
    engine::HistogramState histogram;
    engine::HistogramView* view = nullptr;
    std::function<void(FakeHost&)> onEvents;
    std::vector<engine::ComputeMode> selectedModes;
    std::vector<int32_t> progressShown;
    engine::BusyInfo busy;
    int busyEntered = 0;
    int busyLeft = 0;
    int startFieldFocused = 0;
    int inputFocusSet = 0;
    bool clockRunning = false;
    engine::RefusalSubject refused = engine::RefusalSubject::None;
};

// What a run gave, for comparing one strategy's run with another's.
struct StrategyOutcome {
    std::string text;
    std::vector<engine::Message> messages;
    engine::RunOutcome result;
    int32_t reached;  // the number reached
    bool operator==(const StrategyOutcome&) const = default;
};

// Runs `request` with `strategy`; with stopAt > 0, Stop is pressed at that
// progress point.
inline StrategyOutcome RunWith(engine::ScanStrategy strategy, const engine::ComputeRequest& request,
                               int stopAt = 0) {
    FakeHost host;
    host.request = request;
    host.request.strategy = strategy;
    int points = 0;
    host.onEvents = [&](FakeHost& h) {
        if (++points == stopAt) h.flags.stopRequested = true;
    };
    const engine::RunOutcome result = host.Run();
    return {host.Text(), host.messages.shown, result, host.flags.currentNumber};
}

// Lines joined with CR LF, each line ended by it.
inline std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace enginetest
