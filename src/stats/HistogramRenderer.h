#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/HistogramState.h"
#include "engine/Message.h"
#include "format/Separator.h"
#include "numlib/LsqKernel.h"
#include "stats/DrawingSurface.h"

namespace stats {

// The straight-line fit of the Palmen colour percentages.
using LineFitter = std::function<numlib::LineFit(const numlib::LineFitPoints&)>;

// The fit of the program's line-fit library, loaded on the first fit; a
// library that cannot be loaded throws numlib::KernelLoadError then.
LineFitter KernelLineFitter();

// What a rendering depends on beyond the gathered data.
struct RenderRequest {
    bool final = false;         // the run's last rendering
    int selectedBinsEntry = 5;  // the bins list entry selected now (read by EK)
    format::Separator separator = format::Separator::Comma;
};

// The message of a final rendering whose standard deviation is 0.
std::string StdDevZeroText(int32_t gatheredCount);

// Draws the whole histogram of `state` anew on `surface`: statistics, table,
// bars, markers, curves, axes and the filter note. For EK and NPF with a
// standard deviation of 0 nothing is drawn, and a final rendering shows
// StdDevZeroText through `messages`. An EK rendering merges the first pair of
// adjacent filled bins into the higher one in `state` and sets
// binOverlapFound. The Palmen colours call `fit` once when no filter is
// active and more than 100 numbers were gathered.
void RenderHistogram(engine::HistogramState& state, const RenderRequest& request,
                     DrawingSurface& surface, engine::MessageSink& messages, const LineFitter& fit);

// What RenderHistogram does to `state` beyond drawing, at a fraction of its
// cost: binOverlapFound cleared and the EK overlap rule applied to the bins
// (the first pair of adjacent filled bins merged), under the same conditions.
// A run whose picture waits for its next repaint calls this in place of a
// rendering, so that the overlap stops the scan where a rendering would.
void ApplyRenderingToData(engine::HistogramState& state, int selectedBinsEntry);

// True when a rendering of `state` would find two adjacent filled EK bins
// (and merge them, and stop the scan). `state` is left unchanged.
bool RenderingFindsOverlap(const engine::HistogramState& state, int selectedBinsEntry);

// The text form of the picture a final rendering of `state` would show: its
// rows on the 7-pixel grid (see TextSheet::Lines), or the one line of
// StdDevZeroText when nothing would be drawn. `state` is left unchanged.
std::vector<std::string> HistogramTable(const engine::HistogramState& state, int selectedBinsEntry,
                                        format::Separator separator, const LineFitter& fit);
// The same with the program's line-fit library.
std::vector<std::string> HistogramTable(const engine::HistogramState& state, int selectedBinsEntry,
                                        format::Separator separator);

}  // namespace stats
