#pragma once

#include "engine/HistogramState.h"
#include "stats/DrawingSurface.h"

namespace stats {

// The width of the graph in pixels: every bins setting's bars add up to it.
inline constexpr int kGraphWidth = 480;

// The inside of the picture box (7265 x 6100 twips, about 484 x 406 pixels,
// less its border): 480 x 400. Each rendering erases x 0 .. 479 above the
// axis, so nothing drawn right of the graph is left behind; the axis lies at
// y 355, where the band cleared for the marker values of row 24 begins, so
// the bars above it stay whole; and the text of row 26 ends on the last row.
inline constexpr int kSurfaceWidth = 480;
inline constexpr int kSurfaceHeight = 400;

// The geometry of a histogram picture, in pixels of the drawing surface.
struct GraphLayout {
    int numBins = 0;
    double binSize = 0;      // b: 5 / nb for EK, 10 / nb for NPF and Palmen colours
    int unit = 0;            // u: pixels per unit of the value
    int barWidth = 0;        // w
    int binsLeftOfZero = 0;  // k: EK only
    int margin = 0;          // m
    int xEnd = 0;            // right end of the x axis
    int yBase = 0;           // yB, the x axis
    int yTop = 7;            // top of the y axis
    int axisHeight = 0;      // H
    int x0 = 0;              // the y axis, at the value 0

    // The value at the lower edge of bin 0.
    double BinStart() const { return -binsLeftOfZero * binSize; }
    // The x of the value v, as a double.
    double XOf(double v) const { return (v / binSize + binsLeftOfZero) * barWidth + margin; }
};

// The geometry for the histogram `kind` with the bins list entry `binsEntry`
// (0..7) on a surface `surfaceHeight` pixels high. NPF and Palmen colours use
// the 10-unit scale, EK the 5-unit scale with the bins left of zero; halves
// round to even. An entry outside the list throws std::out_of_range.
GraphLayout ComputeGraphLayout(engine::HistogramKind kind, int binsEntry, int surfaceHeight);

// The bins list entry a rendering reads: the selected one for EK, the fixed
// 96-bin entry for the other kinds.
int RenderedBinsEntry(engine::HistogramKind kind, int selectedBinsEntry);

// The blue axes: x from (m, yB) to (xEnd, yB), y from (x0, yB) up to (x0, yTop).
void DrawAxes(DrawingSurface& surface, const GraphLayout& layout);

}  // namespace stats
