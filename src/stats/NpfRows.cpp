// The table and bars of the NPF histogram: one row per number of distinct
// prime factors, and the shares below, at and above three.

#include <array>
#include <string>

#include "stats/Colors.h"
#include "stats/DecimalText.h"
#include "stats/RenderSteps.h"

namespace stats::detail {

namespace {

// The bins that NPF 1..9 fall into with 96 bins of 10/96: the extended
// precision quotient puts 5 into bin 47, just below 48.
constexpr std::array<int, 9> kNpfBins = {9, 19, 28, 38, 47, 57, 67, 76, 86};

std::string Percent(int64_t part, int64_t total) {
    return FormatDecimals(static_cast<double>(part) * 100 / static_cast<double>(total), 2) + "%";
}

}  // namespace

void DrawNpfRows(RenderContext& c) {
    const GraphLayout& l = c.layout;
    DrawingSurface& surface = c.surface;
    surface.PrintAt("  Number of        Count", 1, 300);
    surface.PrintAt("prime factors", 2, 300);
    const int half = l.barWidth / 2;
    int row = 3;
    int64_t total = 0;
    int64_t belowThree = 0;
    int64_t aboveThree = 0;
    for (int v = 1; v <= static_cast<int>(kNpfBins.size()); ++v) {
        const int32_t count = c.Count(kNpfBins[static_cast<size_t>(v - 1)]);
        if (count <= 0) continue;
        const int xc = l.margin + l.unit * v;
        const int height =
            Round(Round(static_cast<double>(count) / c.maxCount * l.axisHeight) * c.gaussFactor);
        surface.FilledBox(xc - half + 1, BarTop(l, height), xc + half - 1, l.yBase, kBarGreen);
        surface.Line(xc - half + 1, l.yBase, xc + half - 1, l.yBase, kAxisBlue);
        PrintSpikeLabel(surface, std::to_string(v), xc - half + (l.barWidth - 7) / 2,
                        BarTop(l, height), xc + half - 1);
        if (v < 3) belowThree += count;
        if (v > 3) aboveThree += count;
        total += count;

        surface.PrintAt(std::to_string(v), row, 341);
        c.PrintRightAligned(c.Fmt(count), row, 470);
        ++row;
    }
    const std::string totalText = c.Fmt(total);
    c.PrintTotal(totalText, row, 470 - kCharWidth * static_cast<int>(totalText.size()));

    surface.PrintAt("<3", row + 3, 334);
    surface.PrintAt(Percent(belowThree, total), row + 3, 427);
    surface.PrintAt("=3", row + 4, 334);
    surface.PrintAt(Percent(total - belowThree - aboveThree, total), row + 4, 427);
    surface.PrintAt(">3", row + 5, 334);
    surface.PrintAt(Percent(aboveThree, total), row + 5, 427);
}

}  // namespace stats::detail
