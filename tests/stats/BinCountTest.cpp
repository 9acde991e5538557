// The bins the engine counts into are the ones the renderer reads back.

#include <gtest/gtest.h>

#include <cmath>

#include "StatsTestSupport.h"
#include "engine/HistogramRun.h"
#include "format/ResultLine.h"
#include "stats/GraphLayout.h"
#include "stats/HistogramRenderer.h"
#include "stats/TextSheet.h"

namespace {

using engine::ComputeMode;
using engine::HistogramState;

numlib::LineFit NoFit(const numlib::LineFitPoints&) {
    ADD_FAILURE() << "no fit expected";
    return {};
}

TEST(BinCount, PalmenColourFourIsCountedInBin47AndReadBackAsBlue) {
    HistogramState state;
    engine::HistogramRun run(ComputeMode::DoPCGraph, state, nullptr, std::nullopt, "");
    run.SetUp(3);
    run.SetValue(3, 1, 4);
    run.Record(3, 1);
    EXPECT_EQ(state.binCounts[47][4], 1);
    EXPECT_EQ(state.binCounts[48][4], 0);

    stats::TextSheet sheet(stats::kSurfaceWidth, stats::kSurfaceHeight);
    stats_test::RecordedMessages messages;
    stats::RenderHistogram(state, {true, 5, format::Separator::Comma}, sheet, messages, NoFit);
    // Then the pair sum "black + white" on the same row.
    const auto row = sheet.RowItems(3);
    ASSERT_EQ(row.size(), 5u);
    EXPECT_EQ(row[0], (stats::TextSheet::Item{250, "4 U blue"}));
    EXPECT_EQ(row[1], (stats::TextSheet::Item{414, "1"}));
    EXPECT_EQ(row[2], (stats::TextSheet::Item{435, "100.00"}));
}

TEST(BinCount, EveryPalmenColourLandsInItsBin) {
    constexpr int kBins[] = {9, 19, 28, 38, 47, 57, 67, 76};
    HistogramState state;
    engine::HistogramRun run(ComputeMode::DoPCGraph, state, nullptr, std::nullopt, "");
    run.SetUp(3);
    for (int color = 0; color < 8; ++color) {
        run.SetValue(3 + color, 1, color);
        run.Record(3 + color, color + 1);
    }
    int total = 0;
    for (int i = 0; i < engine::kBinRows; ++i) total += state.binCounts[static_cast<size_t>(i)][4];
    EXPECT_EQ(total, 8);
    for (const int bin : kBins) EXPECT_EQ(state.binCounts[static_cast<size_t>(bin)][4], 1) << bin;
}

TEST(BinCount, NpfValuesLandInTheirBins) {
    constexpr int kBins[] = {9, 19, 28, 38, 47, 57, 67, 76, 86};
    HistogramState state;
    engine::HistogramRun run(ComputeMode::DoNPFGraph, state, nullptr, std::nullopt, "");
    run.SetUp(3);
    for (int npf = 1; npf <= 9; ++npf) {
        run.SetValue(2 + npf, npf, 0);
        run.Record(2 + npf, npf);
    }
    for (const int bin : kBins) EXPECT_EQ(state.binCounts[static_cast<size_t>(bin)][4], 1) << bin;
}

TEST(BinCount, EkValueZeroWith96BinsIsInBin25) {
    HistogramState state;
    engine::HistogramRun run(ComputeMode::DoEKGraph, state, nullptr, std::nullopt, "");
    run.SetUp(1000000);
    state.value = 0.0;
    run.Record(1000000, 1);
    // 96 bins of 5/96 with 25 bins left of zero: 0 is the lower edge of bin 25.
    EXPECT_EQ(state.binCounts[25][4], 1);
    EXPECT_EQ(state.binCounts[24][4], 0);
    EXPECT_NEAR(state.binLowerEdges[4], -25 * 5.0 / 96, 1e-15);
}

TEST(BinCount, EngineAndRendererAgreeOnTheLowerEdgeOfEveryEkSetting) {
    HistogramState state;
    engine::HistogramRun run(ComputeMode::DoEKGraph, state, nullptr, std::nullopt, "");
    run.SetUp(1000000);
    state.value = 0.31;
    run.Record(1000000, 1);
    for (int entry = 0; entry < 8; ++entry) {
        const stats::GraphLayout layout =
            stats::ComputeGraphLayout(engine::HistogramKind::EK, entry, 400);
        EXPECT_EQ(state.binLowerEdges[static_cast<size_t>(entry)], layout.BinStart()) << entry;
        // 0.31 lies well inside a bin in every setting, so plain arithmetic finds it.
        const int bin = static_cast<int>(std::floor((0.31 - layout.BinStart()) / layout.binSize));
        EXPECT_EQ(state.binCounts[static_cast<size_t>(bin)][static_cast<size_t>(entry)], 1)
            << entry;
    }
}

TEST(BinCount, EkValueJustBelowZeroIsInTheBinLeftOfZero) {
    HistogramState state;
    engine::HistogramRun run(ComputeMode::DoEKGraph, state, nullptr, std::nullopt, "");
    run.SetUp(1000000);
    state.value = -1e-9;
    run.Record(1000000, 1);
    EXPECT_EQ(state.binCounts[24][4], 1);
}

}  // namespace
