// Counting primes in chunks gives what a count over each number gives.
#include <gtest/gtest.h>

#include <random>

#include "FakeHost.h"
#include "engine/OutputLimit.h"
#include "numlib/NumKernel.h"
#include "support/PrimeSieve.h"
#include "support/ResultLines.h"

namespace enginetest {
namespace {

using engine::ComputeMode;

FakeHost CountHost(int64_t start, int64_t end, engine::ScanStrategy strategy) {
    FakeHost host;
    host.request.mode = ComputeMode::CountPrimesOnly;
    host.request.startText = std::to_string(start);
    host.request.endText = std::to_string(end);
    host.request.strategy = strategy;
    return host;
}

TEST(CountPrimes, OurKernelCountsAtSieveSpeed) {
    EXPECT_TRUE(numlib::NumKernel::Instance().CanCountPrimes());
}

TEST(CountPrimes, ChunksAgreeWithTheWalk) {
    std::mt19937 random(5);
    for (int trial = 0; trial < 30; ++trial) {
        const int64_t span = trial < 10 ? 1000 : 3000000;
        const int64_t start = std::uniform_int_distribution<int64_t>(1, 2147483646 - span)(random);
        const int64_t end = start + std::uniform_int_distribution<int64_t>(1, span)(random);
        const engine::ComputeRequest request =
            CountHost(start, end, engine::ScanStrategy::Fastest).request;
        ASSERT_EQ(RunWith(engine::ScanStrategy::Fastest, request),
                  RunWith(engine::ScanStrategy::EveryNumber, request))
            << start << ".." << end;
    }
}

TEST(CountPrimes, EdgesOfTheDomain) {
    for (auto [start, end] : std::vector<std::pair<int64_t, int64_t>>{
             {1, 2}, {2, 3}, {1, 100}, {2147483000, 2147483646}, {2147483629, 2147483646}}) {
        FakeHost host = CountHost(start, end, engine::ScanStrategy::Fastest);
        host.Run();
        EXPECT_EQ(host.Text(),
                  oracle::SummaryLine(
                      {.count = oracle::CountPrimes(start, end), .start = start, .last = end}));
    }
}

// The second progress point ends a chunk of some hundred million numbers,
// too many for a walk over each: the count to it is the kernel's over two
// parts cut elsewhere than the scan's chunks.
constexpr int32_t kElsewhere = 300000001;

TEST(CountPrimes, StopAtAProgressPointCountsExactlyToIt) {
    FakeHost host = CountHost(1, 1200000000, engine::ScanStrategy::Fastest);
    host.onEvents = [](FakeHost& h) {
        if (h.progressShown.size() == 2) h.flags.stopRequested = true;
    };
    host.Run();
    ASSERT_EQ(host.progressShown.size(), 2u);
    const int32_t reached = host.progressShown.back();
    EXPECT_EQ(reached % 20000, 0);
    ASSERT_GT(reached, kElsewhere);
    ASSERT_LT(reached, 1200000000);
    const numlib::NumKernel& kernel = numlib::NumKernel::Instance();
    const int64_t count =
        kernel.CountPrimes(1, kElsewhere) + kernel.CountPrimes(kElsewhere + 1, reached);
    EXPECT_EQ(host.Text(), oracle::SummaryLine({.count = count, .start = 1, .last = reached}));
}

TEST(CountPrimes, FullOutputStopsBeforeCounting) {
    FakeHost host = CountHost(3, 1000, engine::ScanStrategy::Fastest);
    host.output = TestOutput(std::string(engine::kOutputLimit, 'x'));
    host.Run();  // the separator line takes it past the limit
    const std::string& text = host.Text();
    EXPECT_EQ(text.substr(text.size() - 18), "\r\n\r\nBuffer full.\r\n");
}

FakeHost PairCountHost(int64_t start, int64_t end, engine::ScanStrategy strategy) {
    FakeHost host = CountHost(start, end, strategy);
    host.request.mode = ComputeMode::DisplayPrimePairsOnly;
    host.request.countPairs = true;
    return host;
}

TEST(CountPrimePairs, ChunksAgreeWithTheWalkAcrossChunkEnds) {
    std::mt19937 random(17);
    for (int trial = 0; trial < 24; ++trial) {
        // Long spans cross the ends of several chunks, where a pair may straddle one.
        const int64_t span = trial < 18 ? 3000 : 40000000;
        const int64_t start =
            trial % 6 == 0 ? 1 + trial / 6
                           : std::uniform_int_distribution<int64_t>(1, 2147483646 - span)(random);
        const int64_t end = start + std::uniform_int_distribution<int64_t>(1, span)(random);
        const engine::ComputeRequest request =
            PairCountHost(start, end, engine::ScanStrategy::Fastest).request;
        ASSERT_EQ(RunWith(engine::ScanStrategy::Fastest, request),
                  RunWith(engine::ScanStrategy::EveryNumber, request))
            << start << ".." << end;
    }
}

TEST(CountPrimePairs, StopAtAProgressPointCountsExactlyToIt) {
    FakeHost host = PairCountHost(1, 1200000000, engine::ScanStrategy::Fastest);
    host.onEvents = [](FakeHost& h) {
        if (h.progressShown.size() == 2) h.flags.stopRequested = true;
    };
    host.Run();
    ASSERT_EQ(host.progressShown.size(), 2u);
    const int32_t reached = host.progressShown.back();
    ASSERT_GT(reached, kElsewhere);
    ASSERT_LT(reached, 1200000000);
    // A pair lies wholly below the cut or begins at its number less one, or later.
    const numlib::NumKernel& kernel = numlib::NumKernel::Instance();
    const int64_t count =
        kernel.CountPrimePairs(1, kElsewhere) + kernel.CountPrimePairs(kElsewhere - 1, reached);
    EXPECT_EQ(host.Text(),
              oracle::SummaryLine({.count = count, .pairs = true, .start = 1, .last = reached}));
}

}  // namespace
}  // namespace enginetest
