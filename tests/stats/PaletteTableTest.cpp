// The Palmen colour table: rows, pair sums, and the fitted line's formula.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "FitOracle.h"
#include "StatsTestSupport.h"
#include "format/ResultLine.h"
#include "stats/DecimalText.h"
#include "stats/GraphLayout.h"
#include "stats/HistogramRenderer.h"
#include "stats/TextSheet.h"
#include "support/Factoring.h"

namespace {

using engine::ComputeMode;
using Item = stats::TextSheet::Item;

// Counts the fits asked for, and answers them with the program's library.
struct CountingFitter {
    int calls = 0;
    numlib::LineFitPoints lastPoints;
    stats::LineFitter Fitter() {
        return [this](const numlib::LineFitPoints& points) {
            ++calls;
            lastPoints = points;
            return numlib::LsqKernel::Instance().Fit(points);
        };
    }
};

stats::TextSheet Render(const engine::HistogramState& state, const stats::LineFitter& fit) {
    stats::TextSheet sheet(stats::kSurfaceWidth, stats::kSurfaceHeight);
    stats_test::RecordedMessages messages;
    stats::RenderHistogram(state, {true, 5, format::Separator::Comma}, sheet, messages, fit);
    EXPECT_TRUE(messages.messages.empty());
    return sheet;
}

// The colour counts of 1 .. last by trial division (1 has colour 0).
std::array<int, 8> ColourCounts(int32_t last) {
    std::array<int, 8> counts{};
    for (int32_t n = 1; n <= last; ++n) ++counts[static_cast<size_t>(oracle::PalmenColor(n))];
    return counts;
}

std::string WithBlankBelow(std::string text, size_t width) {
    return text.size() < width ? " " + text : text;
}

TEST(PaletteTable, HundredNumbersGetNoFitAndHundredAndOneDo) {
    for (const int32_t last : {100, 101}) {
        SCOPED_TRACE(last);
        engine::HistogramState state = stats_test::Gather(ComputeMode::DoPCGraph, 1, last);
        CountingFitter fitter;
        const stats::TextSheet sheet = Render(state, fitter.Fitter());
        const bool fitted = last > 100;
        EXPECT_EQ(fitter.calls, fitted ? 1 : 0);
        const auto row26 = sheet.RowItems(26);
        EXPECT_EQ(row26.size(), fitted ? 3u : 0u);
    }
}

TEST(PaletteTable, FormulaIsTheLeastSquaresLineOfTheEightPercentages) {
    engine::HistogramState state = stats_test::Gather(ComputeMode::DoPCGraph, 1, 101);
    const std::array<int, 8> counts = ColourCounts(101);
    // No number up to 101 has seven prime factors (2^7 = 128): colour 7 is
    // missing, and its point stays (0, 0) in the fit.
    ASSERT_EQ(counts[7], 0);
    std::array<double, 8> x{}, y{};
    for (size_t c = 0; c < 8; ++c) {
        if (counts[c] == 0) continue;
        x[c] = static_cast<double>(c);
        y[c] = counts[c] * 100.0 / 101;
    }
    const stats_test::StraightLine line = stats_test::LeastSquaresLine(x, y, 8);

    CountingFitter fitter;
    const stats::TextSheet sheet = Render(state, fitter.Fitter());
    EXPECT_EQ(fitter.lastPoints.count, 8);
    EXPECT_EQ(fitter.lastPoints.x[7], 0);
    EXPECT_EQ(fitter.lastPoints.y[7], 0);
    for (const double w : fitter.lastPoints.weights) EXPECT_EQ(w, 0);

    ASSERT_LT(line.b, 0);  // a falling line
    const std::string intercept = "Percent = " + stats::FormatDecimals(line.a, 3) + " - ";
    const std::string slope = stats::FormatDecimals(std::abs(line.b), 3) + "*C";
    EXPECT_EQ(sheet.RowItems(26),
              (std::vector<Item>{{7, "Formula for linear fit: "},
                                 {175, intercept},
                                 {7 * (24 + static_cast<int>(intercept.size())) + 7, slope}}));
}

TEST(PaletteTable, ARisingLineIsWrittenWithAPlus) {
    // Counts 10, 20, ... 80 of 360 numbers: Y = 2.778 (c + 1), a line of slope +2.778.
    engine::HistogramState state;
    state.kind = engine::HistogramKind::PC;
    constexpr int kBins[] = {9, 19, 28, 38, 47, 57, 67, 76};
    for (int c = 0; c < 8; ++c) state.binCounts[static_cast<size_t>(kBins[c])][4] = 10 * (c + 1);
    state.gatheredCount = 360;
    const stats::TextSheet sheet = Render(state, stats::KernelLineFitter());
    const auto row26 = sheet.RowItems(26);
    ASSERT_EQ(row26.size(), 3u);
    EXPECT_EQ(row26[1].text, "Percent = 2.778 + ");
    EXPECT_EQ(row26[2].text, "2.778*C");
}

TEST(PaletteTable, RowsPairSumsAndTotals) {
    engine::HistogramState state = stats_test::Gather(ComputeMode::DoPCGraph, 1, 101);
    const std::array<int, 8> counts = ColourCounts(101);
    const stats::TextSheet sheet = Render(state, stats::KernelLineFitter());

    EXPECT_EQ(sheet.RowItems(1), (std::vector<Item>{{251, "    Palmen         Count   Per"}}));
    EXPECT_EQ(sheet.RowItems(2), (std::vector<Item>{{251, "C   color                  cent"}}));
    std::array<double, 8> percent{};
    int row = 3;
    double sum = 0;
    for (size_t c = 0; c < 8; ++c) {
        if (counts[c] == 0) continue;
        percent[c] = counts[c] * 100.0 / 101;
        sum += percent[c];
        const std::string count = std::to_string(counts[c]);
        auto items = sheet.RowItems(row);
        ASSERT_GE(items.size(), 3u) << row;
        items.resize(3);
        EXPECT_EQ(items, (std::vector<Item>{
                             {250, std::string(format::PalmenColorNames()[c])},
                             {421 - 7 * static_cast<int>(count.size()), count},
                             {435, WithBlankBelow(stats::FormatDecimals(percent[c], 2), 5)}}));
        ++row;
    }
    // 1 is the only number of colour 0: 0.99 % gets its leading blank.
    EXPECT_EQ(sheet.RowItems(3)[2], (Item{435, " 0.99"}));
    EXPECT_EQ(sheet.RowItems(row), (std::vector<Item>{{400, "---"}, {428, "------"}}));
    EXPECT_EQ(
        sheet.RowItems(row + 1),
        (std::vector<Item>{{400, "101"}, {428, WithBlankBelow(stats::FormatDecimals(sum, 2), 6)}}));

    const char* pairs[] = {"black + white", "red + cyan", "green + magenta", "yellow + blue"};
    for (int i = 0; i < 4; ++i) {
        const double pairSum =
            percent[static_cast<size_t>(i)] + percent[static_cast<size_t>(7 - i)];
        const auto items = sheet.RowItems(3 + i);
        ASSERT_GE(items.size(), 2u);
        EXPECT_EQ(items[items.size() - 2], (Item{35, pairs[i]}));
        EXPECT_EQ(items.back(), (Item{149, stats::FormatDecimals(pairSum, 3) + "%"}));
    }
    EXPECT_EQ(sheet.RowItems(25), (std::vector<Item>{{7, "Range: 1 to 101"}}));
}

TEST(PaletteTable, AFilterStopsTheFitAndItsNoteTakesRows25And26) {
    engine::HistogramState state = stats_test::Gather(ComputeMode::DoPCGraph, 1, 500);
    state.filterActive = true;
    state.filterDescription = "10*N + 3";
    CountingFitter fitter;
    const stats::TextSheet sheet = Render(state, fitter.Fitter());
    EXPECT_EQ(fitter.calls, 0);
    // x = 482 - 7·8 - 7.
    EXPECT_EQ(sheet.RowItems(25), (std::vector<Item>{{7, "Range: 1 to 500"}, {419, "Filter:"}}));
    EXPECT_EQ(sheet.RowItems(26), (std::vector<Item>{{419, "10*N + 3"}}));
}

}  // namespace
