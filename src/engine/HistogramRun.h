#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/ComputeMode.h"
#include "engine/HistogramState.h"
#include "engine/HistogramView.h"
#include "engine/Message.h"

namespace engine {

// One histogram run: set-up, the value of each number, its counting into the
// bins with the redraw cadence, and the end of the run.
class HistogramRun {
public:
    // `filterOperator` is '*', '/' or '^' when a filter is active, else 0.
    HistogramRun(ComputeMode graphMode, HistogramState& state, HistogramView* view,
                 char filterOperator, std::string filterDescription);

    // Clears the counts and statistics, fixes the bins setting and shows the empty picture.
    void SetUp(int32_t startNumber);

    HistogramKind Kind() const { return m_state.kind; }

    // The value of the number 1, of the number 2, and of any n >= 3 from its
    // distinct prime count and Palmen colour.
    void SetValueOfOne();
    void SetValueOfTwo();
    void SetValue(int32_t n, int npf, int color);

    // Counts the current value and redraws at the cadence of the filter.
    void Record(int32_t n, int32_t gatheredCount);
    bool OverlapFound() const { return m_state.binOverlapFound; }

    // The final picture, the mode and bins selection put back; the closing message.
    Message Finish(int32_t lastNumber, int32_t gatheredCount);
    // The graph option the run gives back to the window.
    ComputeMode GraphMode() const { return m_graphMode; }

    // The mean and standard deviation of the values so far, from their sums.
    void UpdateStatistics();

    // The explanation shown beside the picture.
    static std::string ExplanationText(HistogramKind kind, int numBins, bool filterActive,
                                       const std::string& filterDescription);

private:
    void AddToStatistics(double x);
    bool RedrawDue(int32_t gatheredCount) const;

    ComputeMode m_graphMode;
    HistogramState& m_state;
    HistogramView* m_view;
    int m_rememberedBinsEntry = 0;
    std::array<int, 10> m_wholeValueBins{};
};

}  // namespace engine
