// The table and bars of the Palmen colour frequencies: one row per colour with
// its share in percent, the sums of the complementary pairs, and the straight
// line fitted to the eight percentages.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "format/ResultLine.h"
#include "stats/Colors.h"
#include "stats/DecimalText.h"
#include "stats/RenderSteps.h"

namespace stats::detail {

namespace {

// The bins that the colours 0..7 (values 1..8) fall into with 96 bins of 10/96.
constexpr std::array<int, 8> kColorBins = {9, 19, 28, 38, 47, 57, 67, 76};

// `text` with one leading blank when it is shorter than `width`.
std::string Aligned(std::string text, size_t width) {
    return text.size() < width ? " " + text : text;
}

void PrintPairSums(const RenderContext& c, const std::array<double, 9>& percent) {
    struct Pair {
        const char* text;
        int first;
        int second;
    };
    static constexpr std::array<Pair, 4> kPairs = {{{"black + white", 0, 7},
                                                    {"red + cyan", 1, 6},
                                                    {"green + magenta", 2, 5},
                                                    {"yellow + blue", 3, 4}}};
    for (size_t i = 0; i < kPairs.size(); ++i) {
        const Pair& pair = kPairs[i];
        const int row = 3 + static_cast<int>(i);
        const double sum =
            percent[static_cast<size_t>(pair.first)] + percent[static_cast<size_t>(pair.second)];
        c.surface.PrintAt(pair.text, row, 35);
        c.surface.PrintAt(FormatDecimals(sum, 3) + "%", row, 149);
    }
}

// The formula on row 26 and the red line, scaled so that the tallest bar,
// maxCount, is half the axis height.
void DrawFittedLine(const RenderContext& c, const numlib::LineFit& line) {
    const GraphLayout& l = c.layout;
    DrawingSurface& surface = c.surface;
    const double a = line.intercept;
    const double b = line.slope;
    const std::string lead = "Formula for linear fit: ";
    // Percent = A + B*C, written with the sign of the slope and its size.
    const std::string intercept = "Percent = " + FormatDecimals(a, 3) + (b > 0 ? " + " : " - ");
    surface.PrintAt(lead, 26, 7);
    surface.PrintAt(intercept, 26, kCharWidth * static_cast<int>(lead.size()) + 7);
    surface.PrintAt(FormatDecimals(std::abs(b), 3) + "*C", 26,
                    kCharWidth * static_cast<int>(lead.size() + intercept.size()) + 7);

    const double scale = (l.axisHeight / 2.0) / (c.maxCount * 100.0 / c.state.gatheredCount);
    // From just left of colour 0 to just right of colour 7.
    const int first = std::max(l.margin, l.unit - 1);
    const int last = std::min(l.xEnd, 8 * l.unit + 6);
    for (int x = first; x <= last; ++x) {
        const int y = Round(l.yBase - (a + b * (x / static_cast<double>(l.unit) - 1)) * scale);
        if (x == first) {
            surface.SetPoint(x, y, kRed);
        } else {
            surface.LineTo(x, y, kRed);
        }
    }
    // The fitted value where the y axis stands, at C = -1.
    const double atAxis = a - b;
    const double y = l.yBase - atAxis * scale;
    surface.Line(l.margin - 2, Round(y), l.margin + 3, Round(y), kRed);
    surface.PrintLabel(FormatDecimals(atAxis, 0) + "%", 7, RowTop(Round(y / kRowHeight) - 1));
}

}  // namespace

void DrawPaletteRows(RenderContext& c, const LineFitter& fit) {
    const GraphLayout& l = c.layout;
    const engine::HistogramState& s = c.state;
    DrawingSurface& surface = c.surface;
    surface.PrintAt("    Palmen         Count   Per", 1, 251);
    surface.PrintAt("C   color                  cent", 2, 251);
    const int half = l.barWidth / 2;
    // Colours without numbers keep 0 in all three arrays; the weights stay 0.
    numlib::LineFitPoints points;
    points.count = 8;
    int row = 3;
    int64_t total = 0;
    double sum = 0;
    for (int color = 0; color < static_cast<int>(kColorBins.size()); ++color) {
        const int32_t count = c.Count(kColorBins[static_cast<size_t>(color)]);
        if (count <= 0) continue;
        const size_t index = static_cast<size_t>(color);
        const int xc = l.margin + l.unit * (color + 1);
        const int height =
            Round(Round(static_cast<double>(count) / c.maxCount * l.axisHeight) / 2.0);
        surface.OutlinedBox(xc - half, l.yBase, xc + half, l.yBase - height, kBlack,
                            kPalmenFills[index]);
        surface.Line(xc - half, l.yBase, xc + half, l.yBase, kAxisBlue);
        surface.PrintLabel(std::to_string(color), xc - half + (l.barWidth - 7) / 2, l.yBase);

        const double percent = static_cast<double>(count) * 100 / s.gatheredCount;
        surface.PrintAt(std::string(format::PalmenColorNames()[index]), row, 250);
        c.PrintRightAligned(c.Fmt(count), row, 421);
        surface.PrintAt(Aligned(FormatDecimals(percent, 2), 5), row, 435);
        points.x[index] = color;
        points.y[index] = percent;
        sum += percent;
        total += count;
        ++row;
    }
    const std::string totalText = c.Fmt(total);
    c.PrintTotal(totalText, row, 421 - kCharWidth * static_cast<int>(totalText.size()));
    c.PrintTotal(Aligned(FormatDecimals(sum, 2), 6), row, 428);
    PrintPairSums(c, points.y);

    if (!s.filterActive && s.gatheredCount > 100) DrawFittedLine(c, fit(points));
}

}  // namespace stats::detail
