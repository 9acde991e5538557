// A standard deviation of 0: nothing is drawn, and the final rendering says why.

#include <gtest/gtest.h>

#include "StatsTestSupport.h"
#include "stats/HistogramPicture.h"
#include "stats/HistogramRenderer.h"

namespace {

using engine::ComputeMode;
using engine::HistogramKind;

numlib::LineFit NoFit(const numlib::LineFitPoints&) { return {}; }

engine::HistogramState ZeroDeviation(HistogramKind kind, int32_t gathered) {
    engine::HistogramState state;
    state.kind = kind;
    state.gatheredCount = gathered;
    state.valueMean = gathered > 0 ? 1 : 0;
    state.binCounts[9][4] = gathered;
    for (size_t s = 0; s < 8; ++s) state.binCounts[30][s] = gathered;
    return state;
}

TEST(RenderMessages, FinalRenderingNamesTheCase) {
    struct Case {
        int32_t gathered;
        const char* text;
    };
    const Case cases[] = {{0, "No numbers in range."},
                          {1, "Only one number in range."},
                          {2, "Standard deviation is zero."},
                          {5000, "Standard deviation is zero."}};
    for (const HistogramKind kind : {HistogramKind::EK, HistogramKind::NPF}) {
        for (const Case& c : cases) {
            stats_test::RecordedMessages messages;
            stats::HistogramPicture picture(messages, NoFit);
            picture.BeginGraph(kind, 4);
            const QImage frame = picture.Image();
            engine::HistogramState state = ZeroDeviation(kind, c.gathered);
            picture.Render(state, true, 4, format::Separator::Comma);
            ASSERT_EQ(messages.messages.size(), 1u);
            EXPECT_EQ(messages.messages[0],
                      (engine::Message{c.text, "Primorator", engine::MessageIcon::None}));
            EXPECT_TRUE(picture.Image() == frame) << "nothing is drawn";
        }
    }
}

TEST(RenderMessages, RenderingsDuringTheRunSayNothing) {
    stats_test::RecordedMessages messages;
    stats::HistogramPicture picture(messages, NoFit);
    picture.BeginGraph(HistogramKind::NPF, 4);
    const QImage frame = picture.Image();
    engine::HistogramState state = ZeroDeviation(HistogramKind::NPF, 1);
    picture.Render(state, false, 4, format::Separator::Comma);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(picture.Image() == frame);
}

TEST(RenderMessages, PalmenColoursAreDrawnWhateverTheDeviation) {
    stats_test::RecordedMessages messages;
    stats::HistogramPicture picture(messages, NoFit);
    picture.BeginGraph(HistogramKind::PC, 4);
    const QImage frame = picture.Image();
    engine::HistogramState state = ZeroDeviation(HistogramKind::PC, 1);
    picture.Render(state, true, 4, format::Separator::Comma);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(picture.Image() == frame);
}

TEST(RenderMessages, RunsWithoutSpread) {
    // Two primes: the same NPF twice; a single number: one value.
    EXPECT_EQ(stats::HistogramTable(stats_test::Gather(ComputeMode::DoNPFGraph, 2, 3), 4,
                                    format::Separator::Comma, NoFit),
              std::vector<std::string>{"Standard deviation is zero."});
    EXPECT_EQ(stats::HistogramTable(stats_test::Gather(ComputeMode::DoNPFGraph, 2, 2), 4,
                                    format::Separator::Comma, NoFit),
              std::vector<std::string>{"Only one number in range."});
    EXPECT_EQ(stats::HistogramTable(stats_test::Gather(ComputeMode::DoEKGraph, 1000003, 1000003), 4,
                                    format::Separator::Comma, NoFit),
              std::vector<std::string>{"Only one number in range."});
}

}  // namespace
