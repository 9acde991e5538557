// Counting primes in chunks gives what a count over each number gives.
#include <gtest/gtest.h>

#include <random>

#include "FakeHost.h"
#include "Oracle.h"
#include "engine/OutputLimit.h"

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
        FakeHost chunks = CountHost(start, end, engine::ScanStrategy::Fastest);
        FakeHost walk = CountHost(start, end, engine::ScanStrategy::EveryNumber);
        chunks.Run();
        walk.Run();
        ASSERT_EQ(chunks.Text(), walk.Text()) << start << ".." << end;
    }
}

TEST(CountPrimes, EdgesOfTheDomain) {
    for (auto [start, end] : std::vector<std::pair<int64_t, int64_t>>{
             {1, 2}, {2, 3}, {1, 100}, {2147483000, 2147483646}, {2147483629, 2147483646}}) {
        int64_t primes = 0;
        for (int64_t n = start; n <= end; ++n) primes += TrialIsPrime(n) ? 1 : 0;
        FakeHost host = CountHost(start, end, engine::ScanStrategy::Fastest);
        host.Run();
        const std::string count = primes == 0   ? " No primes"
                                  : primes == 1 ? " 1 prime"
                                                : " " + Comma(primes) + " primes";
        const std::string breakLine = end > 999999999 ? "\r\n" : "";
        EXPECT_EQ(host.Text(), count + " found in range " + Comma(start) + breakLine + " through " +
                                   Comma(end) + ".\r\n");
    }
}

TEST(CountPrimes, StopAtAProgressPointCountsExactlyToIt) {
    FakeHost host = CountHost(1, 200000000, engine::ScanStrategy::Fastest);
    host.onEvents = [](FakeHost& h) {
        if (h.progressShown.size() == 2) h.flags.stopRequested = true;
    };
    host.Run();
    ASSERT_EQ(host.progressShown.size(), 2u);
    const int32_t reached = host.progressShown.back();
    EXPECT_EQ(reached % 20000, 0);
    FakeHost walk = CountHost(1, reached, engine::ScanStrategy::EveryNumber);
    walk.Run();
    EXPECT_EQ(host.Text(), walk.Text());
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
        FakeHost chunks = PairCountHost(start, end, engine::ScanStrategy::Fastest);
        FakeHost walk = PairCountHost(start, end, engine::ScanStrategy::EveryNumber);
        chunks.Run();
        walk.Run();
        ASSERT_EQ(chunks.Text(), walk.Text()) << start << ".." << end;
    }
}

TEST(CountPrimePairs, StopAtAProgressPointCountsExactlyToIt) {
    FakeHost host = PairCountHost(1, 200000000, engine::ScanStrategy::Fastest);
    host.onEvents = [](FakeHost& h) {
        if (h.progressShown.size() == 2) h.flags.stopRequested = true;
    };
    host.Run();
    ASSERT_EQ(host.progressShown.size(), 2u);
    const int32_t reached = host.progressShown.back();
    FakeHost walk = PairCountHost(1, reached, engine::ScanStrategy::EveryNumber);
    walk.Run();
    EXPECT_EQ(host.Text(), walk.Text());
}

}  // namespace
}  // namespace enginetest
