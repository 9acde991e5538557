// Progress points, the clock's step and Stop.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "engine/RunFlags.h"
#include "support/ResultLines.h"

namespace enginetest {
namespace {

using engine::ComputeMode;

TEST(ClockProgressStep, ThreeDisplaysASecond) {
    struct Case {
        int32_t done;
        ComputeMode mode;
        int32_t step;
    };
    const Case cases[] = {
        {270000, ComputeMode::CountPrimesOnly, 30000},  // 90,000 a second
        {600, ComputeMode::DisplayPrimesOnly, 60},      // 200 a second: 66 rounded down
        {600, ComputeMode::DisplayPrimePairsOnly, 60}, {0, ComputeMode::CountPrimesOnly, 1000},
        {0, ComputeMode::DisplayPrimesOnly, 100},      {0, ComputeMode::DisplayPrimePairsOnly, 100},
        {0, ComputeMode::DisplayAllNumbers, 10},       {0, ComputeMode::DisplayAllFactors, 10},
        {8, ComputeMode::DisplayAllNumbers, 10},   // 2 a second / 3 = 0
        {900, ComputeMode::CountPrimesOnly, 100},  // 100 rounded to at least 100
        {950, ComputeMode::DisplayAllNumbers, 105},    {120, ComputeMode::DisplayPrimesOnly, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(engine::ClockProgressStep(1000 + c.done, 1000, 3000, c.mode), c.step)
            << c.done << " in mode " << static_cast<int>(c.mode);
    }
    // Shorter intervals, as the command line's: the same rate.
    EXPECT_EQ(engine::ClockProgressStep(1000 + 60000, 1000, 200, ComputeMode::DisplayAllNumbers),
              100000);
    EXPECT_EQ(engine::ClockProgressStep(1000 + 6000, 1000, 20, ComputeMode::DisplayAllNumbers),
              100000);
    EXPECT_EQ(engine::ClockProgressStep(1000 + 6900, 1000, 23, ComputeMode::DisplayAllNumbers),
              100000);
    // A whole range in the first interval does not overflow.
    EXPECT_EQ(engine::ClockProgressStep(2147483646, 1, 3000, ComputeMode::DoNPFGraph), 238609293);
}

TEST(ClockProgressStep, TickMarksFlags) {
    engine::RunFlags flags;
    flags.scanStart = 1;
    flags.currentNumber = 270001;
    flags.scanMode = ComputeMode::CountPrimesOnly;
    engine::OnClockTick(flags);
    EXPECT_EQ(flags.progressStep, 30000);
    EXPECT_TRUE(flags.clockTicked);
}

TEST(Progress, InitialStepsByMode) {
    EXPECT_EQ(engine::InitialProgressStep(ComputeMode::DisplayAllFactors), 10);
    EXPECT_EQ(engine::InitialProgressStep(ComputeMode::DisplayAllNumbers), 20);
    EXPECT_EQ(engine::InitialProgressStep(ComputeMode::DisplayPrimesOnly), 200);
    EXPECT_EQ(engine::InitialProgressStep(ComputeMode::DisplayPrimePairsOnly), 2000);
    EXPECT_EQ(engine::InitialProgressStep(ComputeMode::CountPrimesOnly), 20000);
}

TEST(Progress, PointsAreMultiplesOfTheStep) {
    FakeHost host;
    host.request.startText = "7";
    host.request.endText = "101";
    host.Run();
    EXPECT_EQ(host.progressShown, (std::vector<int32_t>{20, 40, 60, 80, 100}));
}

TEST(Progress, StopBetweenPointsTakesEffectAtTheNext) {
    // A Stop pressed while the scan runs 21..39 is seen at the point 40.
    FakeHost factoring;
    factoring.request.startText = "1";
    factoring.request.endText = "1000";
    factoring.onEvents = [](FakeHost& h) {
        if (h.progressShown.back() == 40) h.flags.stopRequested = true;
    };
    factoring.Run();
    std::string expected = Lines({" 1", " 2 is prime"});
    for (int n = 3; n <= 40; ++n) expected += oracle::FactorLine(n) + "\r\n";
    expected += " 12 primes found in range 1 through 40.\r\n";
    EXPECT_EQ(factoring.Text(), expected);
    EXPECT_EQ(factoring.busyLeft, 1);
}

TEST(Progress, RecalibratedStepIsUsedAndClockStopped) {
    FakeHost host;
    host.request.startText = "3";
    host.request.endText = "200";
    host.onEvents = [](FakeHost& h) {
        if (h.progressShown.size() == 1) {
            h.flags.progressStep = 45;
            h.flags.clockTicked = true;
        }
    };
    host.Run();
    EXPECT_EQ(host.progressShown, (std::vector<int32_t>{20, 45, 90, 135, 180}));
    EXPECT_FALSE(host.clockRunning);
}

TEST(Progress, BusyStateIsEnteredOnceAndLeftAfterStop) {
    FakeHost host;
    host.request.startText = "1";
    host.request.endText = "100000";
    host.onEvents = [](FakeHost& h) {
        EXPECT_EQ(h.busyEntered, 1);
        EXPECT_EQ(h.busyLeft, 0);
        h.flags.stopRequested = true;
    };
    host.Run();
    EXPECT_EQ(host.busyLeft, 1);
    EXPECT_EQ(host.busy.start, 1);
    EXPECT_EQ(host.busy.end, 100000);
    EXPECT_NE(host.Text().find(" through 20.\r\n"), std::string::npos);
}

}  // namespace
}  // namespace enginetest
