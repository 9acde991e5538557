#include "stats/GraphLayout.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using engine::HistogramKind;
using stats::ComputeGraphLayout;
using stats::GraphLayout;

struct BinsCase {
    int entry;
    int numBins;
    int barWidth;
    int margin;      // round(w / 2), halves to even: 2.5 -> 2, 1.5 -> 2
    int leftOfZero;  // floor(nb / 4) + 1
};

// From the bins list "40" ... "240" with a graph 480 pixels wide.
constexpr BinsCase kBinsCases[] = {
    {0, 40, 12, 6, 11}, {1, 48, 10, 5, 13}, {2, 60, 8, 4, 16},  {3, 80, 6, 3, 21},
    {4, 96, 5, 2, 25},  {5, 120, 4, 2, 31}, {6, 160, 3, 2, 41}, {7, 240, 2, 1, 61},
};

TEST(GraphLayout, EkGeometryForEveryBinsEntry) {
    for (const BinsCase& c : kBinsCases) {
        SCOPED_TRACE(c.numBins);
        const GraphLayout l = ComputeGraphLayout(HistogramKind::EK, c.entry, 400);
        EXPECT_EQ(l.numBins, c.numBins);
        EXPECT_DOUBLE_EQ(l.binSize, 5.0 / c.numBins);
        EXPECT_EQ(l.unit, 96);
        EXPECT_EQ(l.barWidth, c.barWidth);
        EXPECT_EQ(l.margin, c.margin);
        EXPECT_EQ(l.binsLeftOfZero, c.leftOfZero);
        EXPECT_EQ(l.x0, c.margin + c.barWidth * c.leftOfZero);
        EXPECT_EQ(l.xEnd, c.margin + 480);
        EXPECT_EQ(l.yBase, 355);
        EXPECT_EQ(l.yTop, 7);
        EXPECT_EQ(l.axisHeight, 348);
        EXPECT_DOUBLE_EQ(l.BinStart(), -c.leftOfZero * 5.0 / c.numBins);
        // w × nb = 480 for every entry, so x(v) = x0 + u·v.
        for (const double v : {-1.25, 0.0, 1.0 / 6, 2.5}) {
            EXPECT_NEAR(l.XOf(v), l.x0 + 96 * v, 1e-9) << v;
        }
    }
}

TEST(GraphLayout, NpfAndPalmenColoursUseTheTenUnitScaleWithoutBinsLeftOfZero) {
    for (const HistogramKind kind : {HistogramKind::NPF, HistogramKind::PC}) {
        for (const BinsCase& c : kBinsCases) {
            SCOPED_TRACE(c.numBins);
            const GraphLayout l = ComputeGraphLayout(kind, c.entry, 400);
            EXPECT_DOUBLE_EQ(l.binSize, 10.0 / c.numBins);
            EXPECT_EQ(l.unit, 48);
            EXPECT_EQ(l.barWidth, c.barWidth);
            EXPECT_EQ(l.binsLeftOfZero, 0);
            EXPECT_EQ(l.x0, c.margin);
        }
    }
    // The 96-bin entry of these kinds: colour or NPF value v is centred at 2 + 48 v.
    const GraphLayout l = ComputeGraphLayout(HistogramKind::NPF, 4, 400);
    EXPECT_EQ(l.margin, 2);
    EXPECT_DOUBLE_EQ(l.XOf(3), 2 + 48 * 3);
}

TEST(GraphLayout, BaselineFollowsTheSurfaceHeight) {
    EXPECT_EQ(ComputeGraphLayout(HistogramKind::EK, 4, 406).yBase, 361);
    EXPECT_EQ(ComputeGraphLayout(HistogramKind::EK, 4, 406).axisHeight, 354);
    EXPECT_EQ(ComputeGraphLayout(HistogramKind::PC, 4, 100).yBase, 55);
}

TEST(GraphLayout, EntryOutsideTheListIsAnError) {
    EXPECT_THROW(ComputeGraphLayout(HistogramKind::EK, -1, 400), std::out_of_range);
    EXPECT_THROW(ComputeGraphLayout(HistogramKind::EK, 8, 400), std::out_of_range);
}

TEST(GraphLayout, OnlyEkReadsTheSelectedEntry) {
    EXPECT_EQ(stats::RenderedBinsEntry(HistogramKind::EK, 7), 7);
    EXPECT_EQ(stats::RenderedBinsEntry(HistogramKind::NPF, 7), 4);
    EXPECT_EQ(stats::RenderedBinsEntry(HistogramKind::PC, 0), 4);
}

}  // namespace
