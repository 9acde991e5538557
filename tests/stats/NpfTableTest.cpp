// The NPF table, and its text form, of small runs gathered through the engine.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StatsTestSupport.h"
#include "stats/GraphLayout.h"
#include "stats/HistogramRenderer.h"
#include "stats/TextSheet.h"

namespace {

using engine::ComputeMode;
using Item = stats::TextSheet::Item;

numlib::LineFit NoFit(const numlib::LineFitPoints&) {
    ADD_FAILURE() << "NPF draws no fitted line";
    return {};
}

std::string Blanks(int count) { return std::string(static_cast<size_t>(count), ' '); }

// 2 .. 30 by hand: NPF 1 for the ten primes and 4, 8, 9, 16, 25, 27 (16);
// NPF 2 for 6, 10, 12, 14, 15, 18, 20, 21, 22, 24, 26, 28 (12); NPF 3 for 30.
// Mean 43/29 = 1.482759; variance 73/29 - (43/29)^2 = 0.318668, sd 0.564507.
TEST(NpfTable, TextFormOfARunOver2To30) {
    const engine::HistogramState state = stats_test::Gather(ComputeMode::DoNPFGraph, 2, 30);
    const std::vector<std::string> expected = {
        Blanks(42) + "  Number of        Count",
        Blanks(42) + "prime factors",
        Blanks(48) + "1" + Blanks(15) + "16",
        Blanks(48) + "2" + Blanks(15) + "12",
        Blanks(48) + "3" + Blanks(16) + "1",
        Blanks(64) + "--",
        Blanks(64) + "29",
        "",
        Blanks(47) + "<3" + Blanks(11) + "96.55%",
        Blanks(47) + "=3" + Blanks(11) + "3.45%",
        Blanks(47) + ">3" + Blanks(11) + "0.00%",
        "",
        "Range: 2 to 30",
        "Mean = 1.48276 Standard deviation = 0.56451",
    };
    EXPECT_EQ(stats::HistogramTable(state, 5, format::Separator::Comma, NoFit), expected);
}

TEST(NpfTable, RowsSitWhereThePictureHasThem) {
    engine::HistogramState state = stats_test::Gather(ComputeMode::DoNPFGraph, 2, 30);
    stats::TextSheet sheet(stats::kSurfaceWidth, stats::kSurfaceHeight);
    stats_test::RecordedMessages messages;
    stats::RenderHistogram(state, {true, 0, format::Separator::Comma}, sheet, messages, NoFit);
    EXPECT_EQ(sheet.RowItems(1), (std::vector<Item>{{300, "  Number of        Count"}}));
    EXPECT_EQ(sheet.RowItems(2), (std::vector<Item>{{300, "prime factors"}}));
    EXPECT_EQ(sheet.RowItems(3), (std::vector<Item>{{341, "1"}, {456, "16"}}));
    EXPECT_EQ(sheet.RowItems(5), (std::vector<Item>{{341, "3"}, {463, "1"}}));
    EXPECT_EQ(sheet.RowItems(9), (std::vector<Item>{{334, "<3"}, {427, "96.55%"}}));
    EXPECT_EQ(sheet.RowItems(26),
              (std::vector<Item>{{7, "Mean = 1.48276"}, {112, "Standard deviation = 0.56451"}}));
}

TEST(NpfTable, NoNumberWithThreePrimeFactorsGivesZeroPercent) {
    // 2 .. 29 stops just before 30 = 2·3·5.
    const engine::HistogramState state = stats_test::Gather(ComputeMode::DoNPFGraph, 2, 29);
    const std::vector<std::string> lines =
        stats::HistogramTable(state, 4, format::Separator::Comma, NoFit);
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[4], Blanks(64) + "--");
    EXPECT_EQ(lines[7], Blanks(47) + "<3" + Blanks(11) + "100.00%");
    EXPECT_EQ(lines[8], Blanks(47) + "=3" + Blanks(11) + "0.00%");
}

TEST(NpfTable, NumbersUseTheSelectedSeparator) {
    const engine::HistogramState state =
        stats_test::Gather(ComputeMode::DoNPFGraph, 999990, 1000010);
    const std::vector<std::string> lines =
        stats::HistogramTable(state, 4, format::Separator::Apostrophe, NoFit);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[lines.size() - 2], "Range: 999'990 to 1'000'010");
}

TEST(NpfTable, TheTableLeavesTheStateAlone) {
    const engine::HistogramState state = stats_test::Gather(ComputeMode::DoNPFGraph, 2, 30);
    engine::HistogramState copy = state;
    copy.binOverlapFound = true;
    stats::HistogramTable(copy, 4, format::Separator::Comma, NoFit);
    EXPECT_TRUE(copy.binOverlapFound);
    EXPECT_EQ(copy.binCounts, state.binCounts);
}

}  // namespace
