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
// StdDevZeroText through `messages`. The Palmen colours call `fit` once when
// no filter is active and more than 100 numbers were gathered. `state` is
// only read: the same state always gives the same picture.
void RenderHistogram(const engine::HistogramState& state, const RenderRequest& request,
                     DrawingSurface& surface, engine::MessageSink& messages, const LineFitter& fit);

// The text form of the picture a final rendering of `state` would show: its
// rows on the 7-pixel grid (see TextSheet::Lines), or the one line of
// StdDevZeroText when nothing would be drawn.
std::vector<std::string> HistogramTable(const engine::HistogramState& state, int selectedBinsEntry,
                                        format::Separator separator, const LineFitter& fit);
// The same with the program's line-fit library.
std::vector<std::string> HistogramTable(const engine::HistogramState& state, int selectedBinsEntry,
                                        format::Separator separator);

}  // namespace stats
