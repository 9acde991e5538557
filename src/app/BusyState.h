#pragma once

#include <cstdint>
#include <functional>

#include "engine/ComputeHost.h"
#include "format/Separator.h"

namespace app {

class GraphScreen;
class MessageService;
class OutputWindow;
struct MainWindowControls;

// The window while a computation runs: the input groups disabled, the
// command buttons hidden, the Stop button, the number reached and the share
// of the range done shown; and the way back when the run ends.
class BusyState {
public:
    BusyState(const MainWindowControls& ui, OutputWindow& output, GraphScreen& screen,
              MessageService& messages, std::function<void()> setInputFocus);

    void Enter(const engine::BusyInfo& run);
    // A progress point: the number reached, written with `separator`.
    void ShowProgress(int32_t n, format::Separator separator);
    // `closing` (may be null) is shown before the input groups come back.
    void Leave(const engine::Message* closing);
    // Between Enter and Leave.
    bool Busy() const { return m_busy; }

private:
    const MainWindowControls& m_ui;
    OutputWindow& m_output;
    GraphScreen& m_screen;
    MessageService& m_messages;
    std::function<void()> m_setInputFocus;
    engine::BusyInfo m_run;
    bool m_busy = false;
};

}  // namespace app
