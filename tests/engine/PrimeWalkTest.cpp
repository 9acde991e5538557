// The prime listings and the counted pairs from the kernel's list of primes
// (and the pairs counted in chunks) give what the walk over every number gives:
// the text, the messages, the outcome and the number reached, also when the
// output fills or Stop is pressed.
#include <gtest/gtest.h>

#include <random>

#include "FakeHost.h"

namespace enginetest {
namespace {

using engine::ComputeMode;
using engine::ScanStrategy;

TEST(PrimeWalk, ListingsAndCountedPairsGiveWhatEveryNumberGives) {
    std::mt19937 random(4111);
    const char* captions[] = {"* N   +", "* N   -", "* N   +|-"};
    for (int trial = 0; trial < 240; ++trial) {
        engine::ComputeRequest request;
        request.mode =
            trial % 2 == 0 ? ComputeMode::DisplayPrimesOnly : ComputeMode::DisplayPrimePairsOnly;
        request.countPairs = request.mode == ComputeMode::DisplayPrimePairsOnly && trial % 4 == 1;
        if (trial % 3 == 0) {
            request.filterForm = engine::ParseFilterCaption(captions[trial % 3 + trial / 3 % 3]);
            request.filterAText =
                std::to_string(std::uniform_int_distribution<int32_t>(2, 30)(random));
            request.filterBText =
                std::to_string(std::uniform_int_distribution<int32_t>(0, 40)(random));
        }
        // From the first numbers, the middle and the top of the range.
        const int64_t starts[] = {
            std::uniform_int_distribution<int64_t>(1, 6)(random),
            std::uniform_int_distribution<int64_t>(7, 2000000000)(random),
            2147483646 - std::uniform_int_distribution<int64_t>(0, 90000)(random)};
        const int64_t start = starts[trial % 3];
        // Short ranges end; long ones fill the output (listings) or meet Stop.
        const int64_t span =
            std::uniform_int_distribution<int64_t>(0, trial % 5 == 0 ? 3000000 : 40000)(random);
        request.startText = std::to_string(start);
        request.endText = std::to_string(std::min<int64_t>(start + span, 2147483646));
        request.showPalmenColor = trial % 7 == 0;
        request.showFactorCount = trial % 5 == 2;
        request.separator = static_cast<format::Separator>(trial % 4);
        // Counting in chunks meets Stop only where a chunk ends: its own stops
        // are checked by the count tests.
        const bool chunks = request.countPairs && request.filterAText.empty();
        const int stopAt = trial % 6 == 5 && !chunks ? 1 + trial % 4 : 0;
        const StrategyOutcome walked = RunWith(ScanStrategy::EveryNumber, request, stopAt);
        const StrategyOutcome listed = RunWith(ScanStrategy::Fastest, request, stopAt);
        ASSERT_EQ(listed.text, walked.text)
            << request.startText << ".." << request.endText << " mode "
            << static_cast<int>(request.mode) << " counted " << request.countPairs << " filter "
            << request.filterAText << engine::FilterCaption(request.filterForm)
            << request.filterBText << " stop " << stopAt;
        EXPECT_EQ(listed.messages, walked.messages) << request.startText;
        EXPECT_EQ(listed.result, walked.result) << request.startText;
        EXPECT_EQ(listed.reached, walked.reached) << request.startText << " stop " << stopAt;
    }
}

}  // namespace
}  // namespace enginetest
