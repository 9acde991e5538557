#include "stats/HistogramRenderer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "format/NumberText.h"
#include "stats/Colors.h"
#include "stats/DecimalText.h"
#include "stats/GraphLayout.h"
#include "stats/RenderSteps.h"
#include "stats/TextSheet.h"

namespace stats {

namespace detail {

int Round(double value) { return static_cast<int>(std::lrint(value)); }

int BarTop(const GraphLayout& layout, int height) { return std::max(layout.yBase - height, 0); }

void PrintSpikeLabel(DrawingSurface& surface, const std::string& text, int x, int top, int right) {
    constexpr int kAbove = 14;
    if (top - kAbove >= 0) {
        surface.PrintLabel(text, x, top - kAbove);
    } else {
        surface.PrintLabel(text, right + 2, 0);
    }
}

int32_t RenderContext::Count(int bin) const {
    return state.binCounts[static_cast<size_t>(bin)][static_cast<size_t>(setting)];
}

std::string RenderContext::Fmt(int64_t n) const { return format::FormatNumber(n, separator); }

void RenderContext::PrintRightAligned(const std::string& text, int row, int endX) const {
    surface.PrintAt(text, row, endX - kCharWidth * static_cast<int>(text.size()));
}

void RenderContext::PrintTotal(const std::string& text, int row, int x) const {
    surface.PrintAt(std::string(text.size(), '-'), row, x);
    surface.PrintAt(text, row + 1, x);
}

}  // namespace detail

namespace {

using detail::RenderContext;
using detail::Round;
using engine::HistogramKind;

// Rows 25 and 26: bins, range, mean and deviation.
void PrintStatistics(const RenderContext& c) {
    const engine::HistogramState& s = c.state;
    const bool ek = s.kind == HistogramKind::EK;
    c.surface.ClearRow(25);
    if (ek) {
        c.surface.PrintAt(std::to_string(c.layout.numBins) +
                              " bins, bin size = " + FormatDecimals(c.layout.binSize, 3),
                          25, 7);
    }
    c.surface.PrintAt("Range: " + c.Fmt(s.startNumber) + " to " + c.Fmt(s.lastNumber), 25,
                      ek ? 207 : 7);
    c.surface.ClearRow(26);
    if (s.kind == HistogramKind::PC) return;
    std::string mean = "Mean = " + FormatDecimals(s.valueMean, 5);
    if (ek) mean += " = 1/" + FormatDecimals(1 / s.valueMean, 4);
    c.surface.PrintAt(mean, 26, 7);
    if (ek) {
        c.surface.PrintAt("Std. dev. = " + FormatDecimals(s.valueStdDev, 5) + " = 2/" +
                              FormatDecimals(2 / s.valueStdDev, 3),
                          26, 207);
    } else {
        c.surface.PrintAt("Standard deviation = " + FormatDecimals(s.valueStdDev, 5), 26, 112);
    }
}

void FindTallestBin(RenderContext& c) {
    for (int i = 0; i < c.layout.numBins; ++i) {
        if (c.Count(i) > c.maxCount) {
            c.maxCount = c.Count(i);
            c.maxIndex = i;
        }
    }
}

// The Gaussian factor of the tallest bin, and above the y axis the count
// that the full axis height stands for, underlined in red.
void PrintFullScale(RenderContext& c) {
    const GraphLayout& l = c.layout;
    const double centre = c.maxIndex * l.binSize + l.BinStart() + l.binSize / 2;
    const double z = (centre - c.state.valueMean) / c.state.valueStdDev;
    c.gaussFactor = std::exp(-z * z / 2);
    // A bin far out in the tail makes g tiny; the count is capped to stay an integer.
    const double fullScale = std::min(std::floor(c.maxCount / c.gaussFactor), 1e18);
    const std::string text = c.Fmt(static_cast<int64_t>(fullScale));
    c.surface.PrintLabel(text, 7, RowTop(1));
    c.surface.Line(7, 7, 7 + kCharWidth * static_cast<int>(text.size()), 7, kRed);
}

struct MarkerLabel {
    std::string text;
    int x;
};

// Moves the labels of row 24, in the order of their values, apart by a
// character's width at least and into the picture; the labels of the far
// tail are left out while there is no room for them all.
void SpreadLabels(std::vector<MarkerLabel>& labels, int width) {
    const auto widthOf = [](const MarkerLabel& label) {
        return kCharWidth * static_cast<int>(label.text.size());
    };
    for (;;) {
        std::vector<MarkerLabel> placed = labels;
        for (size_t i = 0; i < placed.size(); ++i) {
            const int after = i == 0 ? 0 : placed[i - 1].x + widthOf(placed[i - 1]) + kCharWidth;
            placed[i].x = std::max(placed[i].x, after);
        }
        for (size_t i = placed.size(); i-- > 0;) {
            const int before = i + 1 == placed.size() ? width : placed[i + 1].x - kCharWidth;
            placed[i].x = std::min(placed[i].x, before - widthOf(placed[i]));
        }
        if (placed.empty() || placed.front().x >= 0) {
            labels = std::move(placed);
            return;
        }
        labels.pop_back();
    }
}

// The red mean line and the lines at the standard deviations, with their
// values on row 24 when they are far enough apart to be read.
void DrawMarkers(const RenderContext& c, double meanX) {
    const GraphLayout& l = c.layout;
    const double mean = c.state.valueMean;
    const double sd = c.state.valueStdDev;
    const bool ek = c.state.kind == HistogramKind::EK;
    DrawingSurface& surface = c.surface;
    surface.ClearRow(24);
    surface.SetDrawColor(kRed);
    surface.Line(Round(meanX), l.yBase, Round(meanX), l.yTop, kRed);
    std::vector<MarkerLabel> labels;  // in the order of their values
    for (const int k : {-2, -1, 0, 1, 2, 3, 4, 5}) {
        const double v = mean + k * sd;
        const double xv = meanX + (v - mean) * l.unit;
        const int x = Round(xv);
        if (k != 0 && std::abs(k) <= 3) {
            surface.Line(x, l.yBase, x, Round(l.yBase - l.axisHeight * std::exp(-k * k / 2.0)),
                         kRed);
        } else if (k != 0) {
            surface.Line(x, l.yBase + 3, x, l.yBase, kRed);
        }
        // The values of lines outside the picture are not written.
        if (x < 0 || x >= surface.Width()) continue;
        if (k == 0 || l.unit * sd > 37) {
            // Room for the minus sign of the values left of the mean.
            const bool shift = ek && (k == -1 || k == -2);
            labels.push_back({FormatDecimals(v, 3), Round(xv - (shift ? 16 : 9))});
        }
    }
    SpreadLabels(labels, surface.Width());
    for (const MarkerLabel& label : labels) surface.PrintLabel(label.text, label.x, RowTop(24));
    surface.SetDrawColor(kBlack);
}

void TraceGaussian(DrawingSurface& surface, const GraphLayout& l, double centre, double deviation,
                   Rgb color) {
    for (int x = l.margin; x <= l.xEnd; ++x) {
        const double z = (x - centre) / deviation;
        const int y = Round(l.yBase - l.axisHeight * std::exp(-z * z / 2));
        if (x == l.margin) {
            surface.SetPoint(x, y, color);
        } else {
            surface.LineTo(x, y, color);
        }
    }
}

void PrintFilterNote(const RenderContext& c) {
    const std::string& description = c.state.filterDescription;
    const int row = c.state.kind == HistogramKind::PC ? 25 : 20;
    const int x = c.layout.xEnd - kCharWidth * static_cast<int>(description.size()) - kCharWidth;
    c.surface.PrintAt("Filter:", row, x);
    c.surface.PrintAt(description, row + 1, x);
}

// Keeps the message of a rendering for the text form.
class MessageKeeper : public engine::MessageSink {
public:
    void ShowMessage(const engine::Message& message) override { m_texts.push_back(message.text); }
    const std::vector<std::string>& Texts() const { return m_texts; }

private:
    std::vector<std::string> m_texts;
};

}  // namespace

LineFitter KernelLineFitter() {
    return [](const numlib::LineFitPoints& points) {
        return numlib::LsqKernel::Instance().Fit(points);
    };
}

std::string StdDevZeroText(int32_t gatheredCount) {
    if (gatheredCount == 0) return "No numbers in range.";
    if (gatheredCount == 1) return "Only one number in range.";
    return "Standard deviation is zero.";
}

void RenderHistogram(const engine::HistogramState& state, const RenderRequest& request,
                     DrawingSurface& surface, engine::MessageSink& messages,
                     const LineFitter& fit) {
    const HistogramKind kind = state.kind;
    const int setting = RenderedBinsEntry(kind, request.selectedBinsEntry);
    const GraphLayout layout = ComputeGraphLayout(kind, setting, surface.Height());
    if (state.valueStdDev == 0 && kind != HistogramKind::PC) {
        if (request.final) messages.ShowMessage({StdDevZeroText(state.gatheredCount)});
        return;
    }
    RenderContext c{state, layout, surface, request.separator, setting};
    PrintStatistics(c);
    surface.FilledBox(0, layout.yBase, kGraphWidth - 1, 0, kBackground);
    surface.SetDrawColor(kBlack);
    FindTallestBin(c);
    if (kind != HistogramKind::PC) PrintFullScale(c);

    switch (kind) {
        case HistogramKind::EK:
            detail::DrawEkRows(c);
            break;
        case HistogramKind::NPF:
            detail::DrawNpfRows(c);
            break;
        case HistogramKind::PC:
            detail::DrawPaletteRows(c, fit);
            break;
    }

    if (kind != HistogramKind::PC) {
        const double meanX = layout.XOf(state.valueMean);
        DrawMarkers(c, meanX);
        if (kind == HistogramKind::EK) {
            TraceGaussian(surface, layout, layout.XOf(1.0 / 6), layout.unit * 2.0 / 3, kMagenta);
        }
        TraceGaussian(surface, layout, meanX, layout.unit * state.valueStdDev, kRed);
    }
    DrawAxes(surface, layout);
    if (state.filterActive) PrintFilterNote(c);
}

std::vector<std::string> HistogramTable(const engine::HistogramState& state, int selectedBinsEntry,
                                        format::Separator separator, const LineFitter& fit) {
    TextSheet sheet(kSurfaceWidth, kSurfaceHeight);
    MessageKeeper messages;
    RenderHistogram(state, {true, selectedBinsEntry, separator}, sheet, messages, fit);
    if (!messages.Texts().empty()) return messages.Texts();
    return sheet.Lines();
}

std::vector<std::string> HistogramTable(const engine::HistogramState& state, int selectedBinsEntry,
                                        format::Separator separator) {
    return HistogramTable(state, selectedBinsEntry, separator, KernelLineFitter());
}

}  // namespace stats
