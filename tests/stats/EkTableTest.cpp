// The EK table: headers, bin rows, the overlap merge and the spike labels.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StatsTestSupport.h"
#include "stats/GraphLayout.h"
#include "stats/HistogramRenderer.h"
#include "stats/TextSheet.h"

namespace {

using Item = stats::TextSheet::Item;

numlib::LineFit NoFit(const numlib::LineFitPoints&) {
    ADD_FAILURE() << "EK draws no fitted line";
    return {};
}

stats::TextSheet Render(const engine::HistogramState& state, int binsEntry = 4) {
    stats::TextSheet sheet(stats::kSurfaceWidth, stats::kSurfaceHeight);
    stats_test::RecordedMessages messages;
    stats::RenderHistogram(state, {true, binsEntry, format::Separator::Comma}, sheet, messages,
                           NoFit);
    EXPECT_TRUE(messages.messages.empty());
    return sheet;
}

// The spike labels of the table rows 3, 4, ... as far as they go.
std::vector<std::string> Labels(const stats::TextSheet& sheet) {
    std::vector<std::string> labels;
    for (int row = 3;; ++row) {
        const auto items = sheet.RowItems(row);
        if (items.size() != 3 || items[0].x != 245) break;
        labels.push_back(items[0].text);
    }
    return labels;
}

TEST(EkTable, HeadersFor40And48BinsBeginOnRow0) {
    for (const int entry : {0, 1}) {
        engine::HistogramState state = stats_test::EkState({{5, 3}}, 0.2, 0.6, 3);
        const stats::TextSheet sheet = Render(state, entry);
        EXPECT_EQ(sheet.RowItems(0),
                  (std::vector<Item>{{188, "No. of pr.  Bin      Bin           Count"}}));
        const auto row1 = sheet.RowItems(1);
        ASSERT_FALSE(row1.empty());
        EXPECT_EQ(row1.back(), (Item{209, "factors  no.     range"}));
        EXPECT_TRUE(sheet.RowItems(2).empty());
    }
}

TEST(EkTable, HeadersFrom60BinsOnBeginOnRow1) {
    for (const int entry : {2, 4, 7}) {
        engine::HistogramState state = stats_test::EkState({{5, 3}}, 0.2, 0.6, 3);
        const stats::TextSheet sheet = Render(state, entry);
        EXPECT_TRUE(sheet.RowItems(0).empty());
        EXPECT_EQ(sheet.RowItems(1),
                  (std::vector<Item>{{174, "No. of prime  Bin      Bin           Count"}}));
        EXPECT_EQ(sheet.RowItems(2), (std::vector<Item>{{209, "factors  no.     range"}}));
    }
}

TEST(EkTable, BinRangesLineUpWithAndWithoutMinusSign) {
    // 96 bins of 5/96 from -25·5/96: bin index 24 is [-0.052, 0.000), 25 is [0.000, 0.052).
    engine::HistogramState state =
        stats_test::EkState({{10, 4}, {24, 1234}, {34, 7}}, 0.1, 0.5, 1245);
    const stats::TextSheet sheet = Render(state);
    EXPECT_EQ(sheet.RowItems(3),
              (std::vector<Item>{{245, "1"}, {267, " 11 [-0.781,-0.729)"}, {463, "4"}}));
    EXPECT_EQ(sheet.RowItems(4),
              (std::vector<Item>{{245, "2"}, {267, " 25 [-0.052,0.000) "}, {435, "1,234"}}));
    EXPECT_EQ(sheet.RowItems(5),
              (std::vector<Item>{{245, "3"}, {267, " 35  [0.469,0.521) "}, {463, "7"}}));
    // The total right-aligned to 470 under a row of "-" as long as it.
    EXPECT_EQ(sheet.RowItems(6), (std::vector<Item>{{435, "-----"}}));
    EXPECT_EQ(sheet.RowItems(7), (std::vector<Item>{{435, "1,245"}}));
    EXPECT_FALSE(state.binOverlapFound);
}

TEST(EkTable, AMergedTableIsDrawnAsItStands) {
    // Bins 24 and 25 merged by the run; 40 and 41 still adjacent: the lower of
    // them keeps the label before it.
    const engine::HistogramState state =
        stats_test::EkState({{10, 5}, {25, 7}, {40, 2}, {41, 1}}, 0.2, 0.6, 15);
    const engine::HistogramState before = state;
    const stats::TextSheet sheet = Render(state);
    EXPECT_EQ(state.binCounts, before.binCounts);
    EXPECT_EQ(sheet.RowItems(3),
              (std::vector<Item>{{245, "1"}, {267, " 11 [-0.781,-0.729)"}, {463, "5"}}));
    EXPECT_EQ(sheet.RowItems(4),
              (std::vector<Item>{{245, "2"}, {267, " 26  [0.000,0.052) "}, {463, "7"}}));
    EXPECT_EQ(sheet.RowItems(5),
              (std::vector<Item>{{245, "2"}, {267, " 41  [0.781,0.833) "}, {463, "2"}}));
    EXPECT_EQ(sheet.RowItems(6),
              (std::vector<Item>{{245, "3"}, {267, " 42  [0.833,0.885) "}, {463, "1"}}));
    EXPECT_EQ(sheet.RowItems(8), (std::vector<Item>{{456, "15"}}));
}

TEST(EkTable, AWideGapSkipsOneLabel) {
    struct Case {
        std::map<int, int32_t> counts;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        // Gaps 10, 10, 20: the last is more than 1.5 times the one before.
        {{{10, 1}, {20, 1}, {30, 1}, {50, 1}}, {"1", "2", "3", "5"}},
        // Gaps 10, 15: exactly 1.5 times is not more.
        {{{10, 1}, {20, 1}, {35, 1}}, {"1", "2", "3"}},
        // Gaps 10, 16, 16: one skip, then the wider gap is the measure.
        {{{10, 1}, {20, 1}, {36, 1}, {52, 1}}, {"1", "2", "4", "5"}},
        // The gap to the first spike is never judged.
        {{{2, 1}, {90, 1}}, {"1", "2"}},
    };
    for (const Case& c : cases) {
        engine::HistogramState state = stats_test::EkState(c.counts, 0.2, 0.6, 4);
        EXPECT_EQ(Labels(Render(state)), c.labels);
    }
}

TEST(EkTable, StatisticsRows) {
    engine::HistogramState state = stats_test::EkState({{30, 2}}, 0.18669, 0.62719, 2);
    state.startNumber = 1000000;
    state.lastNumber = 1111999;
    const stats::TextSheet sheet = Render(state);
    EXPECT_EQ(sheet.RowItems(25), (std::vector<Item>{{7, "96 bins, bin size = 0.052"},
                                                     {207, "Range: 1,000,000 to 1,111,999"}}));
    EXPECT_EQ(sheet.RowItems(26), (std::vector<Item>{{7, "Mean = 0.18669 = 1/5.3565"},
                                                     {207, "Std. dev. = 0.62719 = 2/3.189"}}));
}

TEST(EkTable, FilterNoteIsRightAlignedToTheAxisEnd) {
    engine::HistogramState state = stats_test::EkState({{30, 2}}, 0.2, 0.6, 2);
    state.filterActive = true;
    state.filterDescription = "2^N + 1";
    const stats::TextSheet sheet = Render(state);
    // xEnd 482 less the description's 7 characters, less one more.
    EXPECT_EQ(sheet.RowItems(20), (std::vector<Item>{{426, "Filter:"}}));
    EXPECT_EQ(sheet.RowItems(21), (std::vector<Item>{{426, "2^N + 1"}}));
}

}  // namespace
