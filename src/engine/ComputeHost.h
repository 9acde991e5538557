#pragma once

#include <cstdint>
#include <string>

#include "engine/ComputeMode.h"
#include "engine/ComputeRequest.h"
#include "engine/Message.h"
#include "engine/OutputText.h"
#include "engine/RunFlags.h"

namespace engine {

class HistogramView;
struct HistogramState;

// What the busy state needs to know of a run.
struct BusyInfo {
    bool graphRun = false;
    // What a graph run selects again at its end: its option and, when the run
    // changed it, the bins entry the user had chosen (-1: left as it is).
    ComputeMode graphMode = ComputeMode::DisplayAllNumbers;
    int binsEntry = -1;
    bool filterActive = false;
    int32_t start = 0;  // the range, for a share-done display
    int32_t end = 0;
};

// The window's side of a run, as the compute driver sees it. The window, the
// command-line tool and the tests each implement it.
class ComputeHost {
public:
    virtual ~ComputeHost() = default;

    // Cleans the four number fields; false when a start or end number was
    // too large (the host has already warned).
    virtual bool NormalizeNumberFields() = 0;
    // The request as the window holds it now.
    virtual ComputeRequest ReadRequest() = 0;

    virtual OutputText& Output() = 0;
    virtual MessageSink& Messages() = 0;
    virtual RunFlags& Flags() = 0;
    // The histogram drawing, or nullptr where there is none.
    virtual HistogramView* Histograms() = 0;
    // The data of the current or last histogram run (it outlives the run).
    virtual HistogramState& HistogramData() = 0;

    // "Nothing to do!": the caret goes to the end of the start field, which gets the focus.
    virtual void FocusStartField() = 0;
    virtual void SetInputFocus() = 0;
    // The filter's second value is empty: the run writes "0" into its field.
    virtual void SetFilterBText(const std::string& text) = 0;
    // The run changes the window's mode selection (single number, graph runs).
    virtual void SelectMode(ComputeMode mode) = 0;

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
