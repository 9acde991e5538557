#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/ComputeMode.h"
#include "engine/EkBins.h"
#include "engine/EkValue.h"
#include "engine/FilterForm.h"
#include "engine/HistogramState.h"
#include "engine/HistogramView.h"
#include "engine/Message.h"

namespace engine {

// One histogram run: set-up, the value of each number, its counting into the
// bins, the rendering points with the bin-overlap rule, and the end of the
// run. The run owns its data: every rule that changes counts is applied here,
// at each rendering point, whether or not a picture draws it, and the picture
// only reads the data.
class HistogramRun {
public:
    // `filterOperator` is the filter's when one is active. `binsEntry` is the
    // EK bins setting of a run without a view; a view's selection rules else.
    HistogramRun(ComputeMode graphMode, HistogramState& state, HistogramView* view,
                 std::optional<FilterOperator> filterOperator, std::string filterDescription,
                 int binsEntry = kDefaultBinsEntry);

    // Clears the counts and statistics, fixes the bins setting and shows the empty picture.
    void SetUp(int32_t startNumber);

    HistogramKind Kind() const { return m_state.kind; }

    // The value of the number 1, of the number 2, and of any n >= 3 from its
    // distinct prime count and Palmen colour.
    void SetValueOfOne();
    void SetValueOfTwo();
    void SetValue(int32_t n, int npf, int color);

    // Counts the current value; a rendering point comes at the cadence of the
    // filter. True when the rendering point found a bin overlap, which ends an EK scan.
    bool Record(int32_t n, int32_t gatheredCount);

    // SetValue and Record for a number n >= 3 in one step; true when the
    // rendering point found a bin overlap, which ends an EK scan. The whole
    // values of the NPF and Palmen colour kinds are tallied and reach the bins
    // and sums at the next rendering point, so a number costs an increment: the
    // bins hold whole counts and the sums whole numbers, which come out the
    // same in any order. Inline: the scan calls it for every number.
    bool Count(int32_t n, int npf, int color, int32_t gatheredCount) {
        const int whole = m_tallyNpf ? npf : color + 1;
        if (!m_tallyWhole || static_cast<unsigned>(whole) >= m_tally.size()) [[unlikely]] {
            if (m_state.kind == HistogramKind::EK) {
                return CountEk(n, m_ekBins.PointOf(EkValue(n, npf)), gatheredCount);
            }
            SetValue(n, npf, color);
            return Record(n, gatheredCount);
        }
        ++m_tally[static_cast<size_t>(whole)];
        if (gatheredCount >= m_nextRendering) [[unlikely]]
            return RenderingPointIfDue(n, gatheredCount);
        return false;
    }
    bool OverlapFound() const { return m_state.binOverlapFound; }

    // The NPF and Palmen colour kinds take whole blocks of numbers (CountBlock).
    bool TalliesBlocks() const { return m_tallyWhole; }
    // The gathered count at which the next rendering point comes.
    int32_t NextRenderingPoint() const { return m_nextRendering; }
    // Counts `count` numbers that all passed the filter, the last of them n
    // with the gathered count after it `gatheredCount`, by their bytes as the
    // kernel's factor_counts gives them (k in bits 0-3, the colour in bits
    // 4-6). A rendering point may come only at n: the caller cuts its blocks
    // there. For the kinds that TalliesBlocks(); the result as for Count.
    bool CountBlock(int32_t n, const uint8_t* bytes, int32_t count, int32_t gatheredCount);

    // Count for the EK kind with the number's point (EkBins::PointOf of its
    // value) worked out, which depends on nothing counted before.
    bool CountEk(int32_t n, const EkPoint& point, int32_t gatheredCount);

    // The final rendering point and picture. A picture that fails (the
    // line-fit library cannot be loaded) throws; the run is closed all the same.
    void FinalRendering(int32_t lastNumber, int32_t gatheredCount);
    // The bins selection put back; the closing message.
    Message Close();
    // The graph option the run gives back to the window.
    ComputeMode GraphMode() const { return m_graphMode; }
    // The bins entry the run gives back at its end; -1 when it leaves the entry as it is.
    int BinsEntryToRestore() const {
        return m_state.kind == HistogramKind::EK ? -1 : m_rememberedBinsEntry;
    }

    // The mean and standard deviation of the values so far, from their sums.
    void UpdateStatistics();

    // The explanation shown beside the picture.
    static std::string ExplanationText(HistogramKind kind, int numBins, bool filterActive,
                                       const std::string& filterDescription);

private:
    void AddToStatistics(double x);
    void CountEkBins(const EkPoint& point);
    // Every how many gathered numbers a rendering point comes.
    int32_t RenderingCadence() const;
    // Sets the last number and gathered count, and makes a rendering point
    // when the cadence says so; true when it found a bin overlap.
    bool RenderingPointIfDue(int32_t n, int32_t gatheredCount);
    // What each rendering does to the data before the picture (if any) is
    // drawn from it: the tallies brought in, the mean and deviation worked
    // out, and the overlap rule: binOverlapFound cleared, and the first two
    // adjacent filled EK bins of the selected setting merged into the higher
    // one, which sets it again. Nothing changes where nothing would be drawn
    // (a deviation of 0 outside the Palmen colours).
    void RenderingPoint(bool final);
    // Brings the tallied values into the bins and sums. Between two rendering
    // points the data is behind by less than one cadence.
    void Flush();
    // The EK bins setting the picture shows now.
    int SelectedBinsEntry() const;

    ComputeMode m_graphMode;
    HistogramState& m_state;
    HistogramView* m_view;
    int m_binsEntry;  // the EK setting of a run without a view
    int m_rememberedBinsEntry = 0;
    std::array<int, 10> m_wholeValueBins{};
    EkBins m_ekBins;

    // Numbers tallied by their whole value since the last Flush.
    std::array<int32_t, 10> m_tally{};
    bool m_tallyWhole = false;  // the kind has whole values: NPF or Palmen colours
    bool m_tallyNpf = false;
    int32_t m_nextRendering = 0;  // the gathered count of the next rendering point
};

}  // namespace engine
