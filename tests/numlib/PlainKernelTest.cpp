// A kernel with the four functions only still serves every mode: the counts
// of a factorisation come from factor(), counting factors each number, and
// the runs give what they give with the program's own kernel.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/ComputeDriver.h"
#include "engine/FakeHost.h"
#include "numlib/NumKernel.h"
#include "support/Factoring.h"
#include "util/ProgramFolder.h"

namespace {

using engine::ComputeMode;

const numlib::NumKernel& PlainKernel() {
    static const numlib::NumKernel kernel =
        numlib::NumKernel::Load(util::ProgramFolder() + "plain-kernel");
    return kernel;
}

TEST(PlainKernel, HasNoneOfTheExtraFunctions) {
    EXPECT_FALSE(PlainKernel().CanCountPrimes());
    EXPECT_FALSE(PlainKernel().CanCountPrimesModulo());
}

TEST(PlainKernel, CountsOfAFactorisationComeFromFactor) {
    const numlib::NumKernel& plain = PlainKernel();
    const numlib::NumKernel& own = numlib::NumKernel::Instance();
    for (const int32_t from : {1, 1000000000, 2147473647}) {
        plain.CalculatePrimes(from + 9999);
        own.CalculatePrimes(from + 9999);
        for (int32_t n = from; n <= from + 9999; ++n) {
            const numlib::FactorCounts wanted = oracle::FactorCountsOf(n);
            for (const numlib::NumKernel* kernel : {&plain, &own}) {
                const numlib::FactorCounts counts = kernel->CountFactors(from, n);
                ASSERT_EQ(counts.count, wanted.count) << n;
                ASSERT_EQ(counts.color, wanted.color) << n;
                ASSERT_EQ(counts.isPrime, wanted.isPrime) << n;
            }
        }
        own.FinishRun();
    }
    const numlib::FactorCounts outside = PlainKernel().CountFactors(3, 0);
    EXPECT_EQ(outside.count, 0);
    EXPECT_LT(outside.color, 0);
}

struct Outcome {
    std::string text;
    std::vector<engine::Message> messages;
    engine::HistogramState histogram;
};

Outcome RunWith(const numlib::NumKernel& kernel, ComputeMode mode, const char* start,
                const char* end) {
    enginetest::FakeHost host;
    host.request.mode = mode;
    host.request.startText = start;
    host.request.endText = end;
    host.request.showFactorCount = true;
    host.Run(kernel);
    return {host.Text(), host.messages.shown, host.histogram};
}

TEST(PlainKernel, RunsGiveWhatTheProgramsKernelGives) {
    struct Case {
        ComputeMode mode;
        const char* start;
        const char* end;
    };
    const Case cases[] = {
        {ComputeMode::CountPrimesOnly, "1", "200000"},
        {ComputeMode::DisplayPrimesOnly, "1000000000", "1000020000"},
        {ComputeMode::DisplayAllNumbers, "2147483000", "2147483646"},
        {ComputeMode::DoNPFGraph, "2", "100000"},
        {ComputeMode::DoPCGraph, "1", "100000"},
        {ComputeMode::DoEKGraph, "1000000", "1050000"},
    };
    for (const Case& c : cases) {
        const Outcome plain = RunWith(PlainKernel(), c.mode, c.start, c.end);
        const Outcome own = RunWith(numlib::NumKernel::Instance(), c.mode, c.start, c.end);
        const std::string what = std::string(c.start) + ".." + c.end;
        EXPECT_FALSE(plain.messages.empty() && plain.text.empty()) << what;
        EXPECT_EQ(plain.text, own.text) << what;
        EXPECT_EQ(plain.messages, own.messages) << what;
        EXPECT_EQ(plain.histogram.binCounts, own.histogram.binCounts) << what;
        EXPECT_EQ(plain.histogram.valueSum, own.histogram.valueSum) << what;
        EXPECT_EQ(plain.histogram.gatheredCount, own.histogram.gatheredCount) << what;
    }
}

// A fast path whose kernel call fails ends the run as failed, with the
// error's message and note, never with a count or histogram taken from it.
TEST(FailingKernel, AFailedCallEndsTheRunWithItsError) {
    static const numlib::NumKernel failing =
        numlib::NumKernel::Load(util::ProgramFolder() + "failing-kernel");
    struct Case {
        ComputeMode mode;
        bool countPairs;
        const char* error;
    };
    const Case cases[] = {
        {ComputeMode::CountPrimesOnly, false, "The number kernel could not count the primes."},
        {ComputeMode::DisplayPrimePairsOnly, true,
         "The number kernel could not count the prime pairs."},
        {ComputeMode::DisplayPrimesOnly, false, "The number kernel could not list the primes."},
        {ComputeMode::DoNPFGraph, false, "The number kernel could not count the prime factors."},
    };
    for (const Case& c : cases) {
        enginetest::FakeHost host;
        host.request.mode = c.mode;
        host.request.countPairs = c.countPairs;
        host.request.startText = "2";
        host.request.endText = "100000";
        EXPECT_EQ(host.Run(failing), engine::RunOutcome::Failed) << c.error;
        ASSERT_FALSE(host.messages.shown.empty()) << c.error;
        EXPECT_EQ(host.messages.shown.front().text, c.error);
        EXPECT_NE(host.Text().find(std::string("Error: ") + c.error), std::string::npos)
            << host.Text();
    }
}

}  // namespace
