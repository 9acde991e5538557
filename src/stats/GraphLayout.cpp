#include "stats/GraphLayout.h"

#include <cmath>
#include <stdexcept>

#include "stats/Colors.h"

namespace stats {

namespace {

// std::lrint rounds halves to even in the default rounding mode.
int RoundHalfEven(double value) { return static_cast<int>(std::lrint(value)); }

}  // namespace

GraphLayout ComputeGraphLayout(engine::HistogramKind kind, int binsEntry, int surfaceHeight) {
    if (binsEntry < 0 || binsEntry >= static_cast<int>(engine::kBinsList.size())) {
        throw std::out_of_range("Subscript out of range");
    }
    GraphLayout layout;
    layout.numBins = engine::kBinsList[static_cast<size_t>(binsEntry)];
    const bool ek = kind == engine::HistogramKind::EK;
    const double scale = ek ? 5 : 10;
    layout.binSize = scale / layout.numBins;
    layout.unit = RoundHalfEven(kGraphWidth / scale);
    layout.barWidth = RoundHalfEven(static_cast<double>(kGraphWidth) / layout.numBins);
    layout.binsLeftOfZero = ek ? layout.numBins / 4 + 1 : 0;
    layout.margin = RoundHalfEven(layout.barWidth / 2.0);
    layout.xEnd = layout.margin + kGraphWidth;
    layout.yBase = surfaceHeight - 45;
    layout.axisHeight = layout.yBase - layout.yTop;
    layout.x0 = layout.margin + layout.barWidth * layout.binsLeftOfZero;
    return layout;
}

int RenderedBinsEntry(engine::HistogramKind kind, int selectedBinsEntry) {
    return kind == engine::HistogramKind::EK ? selectedBinsEntry : engine::kFixedBinSetting;
}

void DrawAxes(DrawingSurface& surface, const GraphLayout& layout) {
    surface.Line(layout.margin, layout.yBase, layout.xEnd, layout.yBase, kAxisBlue);
    surface.Line(layout.x0, layout.yBase, layout.x0, layout.yTop, kAxisBlue);
}

}  // namespace stats
