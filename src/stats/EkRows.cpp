// The table and bars of the EK histogram: one row per filled bin, and above
// each separated spike the number of prime factors it belongs to.

#include <string>

#include "stats/Colors.h"
#include "stats/DecimalText.h"
#include "stats/RenderSteps.h"

namespace stats::detail {

namespace {

// "  [0.000,0.052) " or " [-0.052,0.000) ": the brackets move so that the
// digits line up whether or not a minus sign is present.
std::string BinRangeText(int binNumber, double lower, double upper) {
    std::string number = std::to_string(binNumber);
    std::string text = std::string(number.size() < 3 ? 3 - number.size() : 0, ' ') + number;
    const std::string lowerText = FormatDecimals(lower, 3);
    const std::string upperText = FormatDecimals(upper, 3);
    text += lowerText.front() == '-' ? " [" : "  [";
    text += lowerText + "," + upperText;
    text += upperText.front() == '-' ? ")" : ") ";
    return text;
}

void PrintHeaders(const RenderContext& c) {
    if (c.setting <= 1) {
        c.surface.PrintAt("No. of pr.  Bin      Bin           Count", 0, 188);
        c.surface.PrintAt("factors  no.     range", 1, 209);
    } else {
        c.surface.PrintAt("No. of prime  Bin      Bin           Count", 1, 174);
        c.surface.PrintAt("factors  no.     range", 2, 209);
    }
}

}  // namespace

void DrawEkRows(RenderContext& c) {
    const GraphLayout& l = c.layout;
    DrawingSurface& surface = c.surface;
    PrintHeaders(c);
    int row = 3;
    int label = 0;
    int previous = -100;
    int previousGap = -1;
    int64_t total = 0;
    for (int i = 0; i < l.numBins; ++i) {
        const int32_t count = c.Count(i);
        if (count <= 0) continue;
        const bool lastOfSpike = c.Count(i + 1) == 0;
        if (lastOfSpike) {
            ++label;
            // A gap half again as wide as the one before: one number of
            // prime factors has no values, so its label is skipped.
            if (previousGap > 0 && (i - previous) > 1.5 * previousGap) ++label;
            previousGap = i - previous;
        }
        total += count;

        int height = Round(static_cast<double>(count) / c.maxCount * l.axisHeight);
        height = Round(height * c.gaussFactor);
        const int left = l.margin + l.barWidth * i;
        const int right = left + l.barWidth - 1;
        surface.FilledBox(left, BarTop(l, height), right, l.yBase, kBarGreen);
        surface.Line(left, l.yBase, right, l.yBase, kAxisBlue);
        surface.SetDrawColor(kBlack);
        if (lastOfSpike) {
            PrintSpikeLabel(surface, std::to_string(label), left + (l.barWidth - 7) / 2 - 1,
                            BarTop(l, height), right);
        }

        surface.PrintAt(std::to_string(label), row, 245);
        const double lower = i * l.binSize + l.BinStart();
        const double upper = (i + 1) * l.binSize + l.BinStart();
        surface.PrintAt(BinRangeText(i + 1, lower, upper), row, 267);
        c.PrintRightAligned(c.Fmt(count), row, 470);
        ++row;
        previous = i;
    }
    const std::string totalText = c.Fmt(total);
    c.PrintTotal(totalText, row, 470 - kCharWidth * static_cast<int>(totalText.size()));
}

}  // namespace stats::detail
