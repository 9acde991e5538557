#pragma once

#include <string>

#include "engine/HistogramState.h"

namespace engine {

// The window's histogram picture as a run sees it.
class HistogramView {
public:
    virtual ~HistogramView() = default;

    virtual int SelectedBinsEntry() const = 0;
    // Selecting an entry updates the number of bins and the geometry, as a user's choice would.
    virtual void SelectBinsEntry(int index) = 0;
    // Clears and shows the picture with its explanation beside it and the empty frame.
    virtual void BeginGraph(const HistogramState& state, const std::string& explanation) = 0;
    // A rendering point of the run: the picture may be drawn anew from
    // `state`, which the run has brought up to date (the overlap rule
    // applied). A picture that waits for its next repaint may skip all but
    // the final one and one that found an overlap (binOverlapFound).
    virtual void Render(const HistogramState& state, bool final) = 0;
    // A text run: the picture is hidden.
    virtual void HideGraph() = 0;
};

}  // namespace engine
