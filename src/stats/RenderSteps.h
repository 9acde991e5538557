#pragma once

// The parts of a rendering that differ by histogram kind; the common steps
// are in HistogramRenderer.cpp.

#include <cstdint>
#include <string>

#include "engine/HistogramState.h"
#include "format/Separator.h"
#include "stats/DrawingSurface.h"
#include "stats/GraphLayout.h"
#include "stats/HistogramRenderer.h"

namespace stats::detail {

struct RenderContext {
    const engine::HistogramState& state;
    const GraphLayout& layout;
    DrawingSurface& surface;
    format::Separator separator;
    int setting;           // the column of binCounts read
    int32_t maxCount = 0;  // the tallest bin, the first of equal ones
    int maxIndex = 0;
    double gaussFactor = 1;  // g: the tallest bar meets the fitted Gaussian

    int32_t Count(int bin) const;
    std::string Fmt(int64_t n) const;
    void PrintRightAligned(const std::string& text, int row, int endX) const;
    // `text` at x on row + 1 under a row of "-" as long as it.
    void PrintTotal(const std::string& text, int row, int x) const;
};

// Headers, rows, bars and totals.
void DrawEkRows(RenderContext& context);
void DrawNpfRows(RenderContext& context);
// Also the colour pair sums and, when due, the fitted line and its formula.
void DrawPaletteRows(RenderContext& context, const LineFitter& fit);

// Halves round to even, as the surface places fractional positions.
int Round(double value);

// A bar `height` pixels high, kept inside the surface: a bin that took in its
// neighbour's count in the final merge may be taller than the axis.
int BarTop(const GraphLayout& layout, int height);
// The spike label of a bar whose top is `top`: at x above it, or where the
// surface ends above the tallest spike, at its top just right of the bar's
// last column `right`.
void PrintSpikeLabel(DrawingSurface& surface, const std::string& text, int x, int top, int right);

}  // namespace stats::detail
