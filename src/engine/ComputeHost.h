#pragma once

#include <cstdint>

#include "engine/ComputeMode.h"
#include "engine/Message.h"
#include "engine/OutputText.h"
#include "engine/RunFlags.h"

namespace engine {

class HistogramView;
struct HistogramState;

// What the busy state needs to know of a run.
struct BusyInfo {
    bool graphRun = false;
    // A graph run scans as "factor all numbers"; at its end the window shows
    // its graph option again and, when the run changed it, the bins entry the
    // user had chosen (-1: left as it is).
    ComputeMode graphMode = ComputeMode::DisplayAllNumbers;
    int binsEntry = -1;
    bool filterActive = false;
    // A text run whose lines are few and far apart (a power form): each line
    // is shown as it is written.
    bool showEachLine = false;
    int32_t start = 0;  // the range, for a share-done display
    int32_t end = 0;
};

// What a run talks to: its output, its messages, its progress points with
// their event yield, the Stop flag and the clock, and the histogram picture.
// The window, the command-line tool and the tests each implement it; the run
// knows nothing else of them.
class ComputeHost {
public:
    virtual ~ComputeHost() = default;

    virtual OutputText& Output() = 0;
    virtual MessageSink& Messages() = 0;
    virtual RunFlags& Flags() = 0;
    // The histogram drawing, or nullptr where there is none.
    virtual HistogramView* Histograms() = 0;
    // The data of the current or last histogram run (it outlives the run).
    virtual HistogramState& HistogramData() = 0;

    virtual void EnterBusyState(const BusyInfo& run) = 0;
    // Hides the busy labels; `closing` (may be empty) is the histogram's closing
    // message, shown before the input groups come back.
    virtual void LeaveBusyState(const BusyInfo& run, const Message* closing) = 0;
    virtual void StartClock() = 0;
    virtual void StopClock() = 0;
    // A progress point: shows the number reached, then lets pending events run.
    virtual void ShowProgress(int32_t n) = 0;
    virtual void ProcessEvents() = 0;
};

}  // namespace engine
