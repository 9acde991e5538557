#pragma once

#include <QObject>

#include <cstdint>

#include "engine/ComputeHost.h"
#include "format/Separator.h"

namespace app {

class CommandPanel;
class GraphScreen;
class MessageService;
class OutputWindow;
class StatusControls;

// The window while a computation runs: the input groups disabled, the
// command buttons hidden, the Stop button, the number reached and the share
// of the range done shown; and the way back when the run ends.
class BusyState final : public QObject {
    Q_OBJECT

public:
    struct Parts {
        StatusControls& status;
        // The groups disabled while busy: the numbers, the separator and the
        // modes (hidden too for a histogram, whose explanation takes its place).
        QWidget& numbers;
        QWidget& separators;
        QWidget& modes;
        CommandPanel& commands;
        OutputWindow& output;
        GraphScreen& screen;
        MessageService& messages;
    };

    explicit BusyState(Parts parts);

    void Enter(const engine::BusyInfo& run);
    // A progress point: the number reached, written with `separator`.
    void ShowProgress(int32_t n, format::Separator separator);
    // `closing` (may be null) is shown before the input groups come back.
    void Leave(const engine::Message* closing);
    // Between Enter and Leave.
    bool Busy() const { return m_busy; }

signals:
    // The run has left: the focus goes where the user types next.
    void focusWanted();

private:
    Parts m_parts;
    engine::BusyInfo m_run;
    bool m_busy = false;
};

}  // namespace app
