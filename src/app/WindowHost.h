#pragma once

#include <QObject>
#include <QTimer>

#include <optional>

#include "app/GraphView.h"
#include "engine/ComputeDriver.h"
#include "engine/ComputeHost.h"
#include "engine/HistogramState.h"
#include "util/CoarseClock.h"

namespace app {

class BusyState;
class GraphPicture;
class GraphScreen;
class MessageService;
class ModeOptions;
class ModesPanel;
class NumberEntry;
class NumbersPanel;
class OutputWindow;
class SeparatorPanel;
class StatusControls;

// The main window as a run sees it: the output window, the messages, the
// histogram picture, the busy state, the clock and the event yield at progress
// points; and the window's side of a press of Compute.
class WindowHost final : public QObject, public engine::ComputeHost, private engine::MessageSink {
    Q_OBJECT

public:
    struct Parts {
        const NumbersPanel& numberFields;
        const ModesPanel& modeControls;
        NumberEntry& numbers;
        ModeOptions& modes;
        const SeparatorPanel& separators;
        OutputWindow& output;
        BusyState& busy;
        GraphScreen& screen;
        GraphPicture& picGraph;
        StatusControls& status;
        MessageService& messages;
    };

    explicit WindowHost(Parts parts);

    // One press of Compute: the number fields cleaned, the request read from
    // the controls and run, and the window's own rules applied to what the
    // run left: the focus after a refusal, the "0" read for an empty b, the
    // mode a single number is factored in.
    void Compute();

    engine::OutputText& Output() override;
    engine::MessageSink& Messages() override { return *this; }
    engine::RunFlags& Flags() override { return m_flags; }
    engine::HistogramView* Histograms() override { return &m_graph; }
    engine::HistogramState& HistogramData() override { return m_histogramData; }

    void EnterBusyState(const engine::BusyInfo& run) override;
    void LeaveBusyState(const engine::BusyInfo& run, const engine::Message* closing) override;
    void StartClock() override { m_clock.start(); }
    void StopClock() override { m_clock.stop(); }
    void ShowProgress(int32_t n) override;
    void ProcessEvents() override;

    // The Stop button.
    void RequestStop() { m_flags.stopRequested = true; }
    // The program ends in the middle of a run: the scan stops at the progress
    // point it is in, and nothing more is shown or processed.
    void EndRun();
    // A graph run in progress: its option and bins entry selected again, as
    // its end would, so that what is saved now is the user's choice.
    void GiveBackGraphChoices();

    GraphView& Graph() { return m_graph; }
    const GraphView& Graph() const { return m_graph; }
    const engine::HistogramState& HistogramData() const { return m_histogramData; }

signals:
    // A refused request: the focus goes where the user types next.
    void focusWanted();

private:
    engine::ComputeRequest ReadRequest() const;
    void ShowMessage(const engine::Message& message) override;

    Parts m_parts;
    engine::RunFlags m_flags;
    engine::HistogramState m_histogramData;
    GraphView m_graph;
    QTimer m_clock;
    util::CoarseClock::time_point m_lastYield;  // when events last ran at a progress point
    bool m_yielded = false;                     // events ran at a progress point of this run
    bool m_yieldDue = true;                     // this progress point shows and lets events run
    bool m_ending = false;
    std::optional<engine::BusyInfo> m_run;  // while busy
};

}  // namespace app
