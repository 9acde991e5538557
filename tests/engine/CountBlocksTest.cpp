// The NPF and Palmen colour histograms from the kernel's counts of whole
// blocks give what the walk over every number gives: the counts and sums, what
// each rendering saw, the progress shown, the messages and where a run ends.
#include <gtest/gtest.h>

#include <random>

#include "FakeHost.h"
#include "engine/HistogramView.h"
#include "engine/OutputLimit.h"

namespace enginetest {
namespace {

using engine::ComputeMode;
using engine::ScanStrategy;

// What each rendering saw.
class SeenView : public engine::HistogramView {
public:
    int SelectedBinsEntry() const override { return 5; }
    void SelectBinsEntry(int) override {}
    void BeginGraph(const engine::HistogramState&, const std::string&) override {}
    void Render(const engine::HistogramState& state, bool final) override {
        seen.push_back({state.gatheredCount, state.lastNumber, state.valueSum, state.valueCount,
                        final, state.binCounts});
    }
    void HideGraph() override {}

    struct Seen {
        int32_t gathered, last;
        double sum;
        int32_t count;
        bool final;
        std::array<std::array<int32_t, engine::kBinSettings>, engine::kBinRows> bins;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
};

struct Outcome {
    std::vector<SeenView::Seen> seen;
    std::vector<int32_t> progress;
    std::vector<engine::Message> messages;
    std::string text;
    int32_t reached;
    bool operator==(const Outcome&) const = default;
};

Outcome RunWith(ScanStrategy strategy, ComputeMode mode, int64_t start, int64_t end, int stopAt,
                bool fullOutput) {
    SeenView view;
    FakeHost host;
    host.view = &view;
    host.request.mode = mode;
    host.request.startText = std::to_string(start);
    host.request.endText = std::to_string(end);
    host.request.strategy = strategy;
    if (fullOutput) host.output = TestOutput(std::string(engine::kOutputLimit + 1, 'x'));
    host.onEvents = [&](FakeHost& h) {
        if (static_cast<int>(h.progressShown.size()) == stopAt) h.flags.stopRequested = true;
    };
    host.Run();
    return {view.seen, host.progressShown, host.messages.shown, host.Text(),
            host.flags.currentNumber};
}

TEST(CountBlocks, HistogramsGiveWhatEveryNumberGives) {
    std::mt19937 random(3141);
    for (int trial = 0; trial < 40; ++trial) {
        const ComputeMode mode = trial % 2 == 0 ? ComputeMode::DoNPFGraph : ComputeMode::DoPCGraph;
        // Short runs, runs across blocks of the kernel, at the ends of the range.
        const int64_t span =
            trial % 4 == 3 ? 2500000 : std::uniform_int_distribution<int64_t>(1, 20000)(random);
        const int64_t starts[] = {2 - trial % 2 + trial % 3,
                                  std::uniform_int_distribution<int64_t>(3, 2000000000)(random),
                                  2147483646 - span};
        const int64_t start = starts[trial % 3];
        const int stopAt = trial % 5 == 4 ? 1 + trial % 7 : 0;
        const bool full = trial % 11 == 10;
        const Outcome walked =
            RunWith(ScanStrategy::EveryNumber, mode, start, start + span, stopAt, full);
        const Outcome blocks =
            RunWith(ScanStrategy::Fastest, mode, start, start + span, stopAt, full);
        ASSERT_EQ(blocks.seen.size(), walked.seen.size()) << start << " + " << span;
        EXPECT_TRUE(blocks.seen == walked.seen) << start << " + " << span;
        EXPECT_EQ(blocks.progress, walked.progress) << start << " + " << span;
        EXPECT_EQ(blocks.messages, walked.messages) << start << " + " << span;
        EXPECT_EQ(blocks.text, walked.text) << start << " + " << span;
        EXPECT_EQ(blocks.reached, walked.reached) << start << " + " << span;
    }
}

}  // namespace
}  // namespace enginetest
