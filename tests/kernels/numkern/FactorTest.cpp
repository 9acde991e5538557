#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>

#include "FactorCheck.h"
#include "numkern.h"

namespace numkern_test {
namespace {

class FactorRun : public SieveThreadsTest {};
class FactorRandom : public SieveThreadsTest {};
class FactorRefusal : public SieveThreadsTest {};
class FactorFreshKernel : public SieveThreadsTest {};

TEST_P(FactorRun, EveryNumberFromOneTo100000) {
    calculate_primes(100000);
    EXPECT_TRUE(RangeMatchesOracle(1, 1, 100000));
}

TEST_P(FactorRun, TheLast100000NumbersUpToTheMaximum) {
    constexpr int32_t kFirst = kMaxNumber - 100000 + 1;
    calculate_primes(kMaxNumber);
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst, kMaxNumber));
}

struct LimitedRun {
    int32_t limit;  // passed to calculate_primes
    int32_t first;
    int32_t last;
};

TEST_P(FactorRun, RunsWithTheirLimits) {
    const LimitedRun runs[] = {
        {3, 3, 3},
        {10, 3, 10},
        {2, 3, 40000},  // a limit below 3 leaves the table empty
        {0, 3, 5000},
        {-7, 1, 3000},
        {60000, 50000, 120000},               // numbers beyond the run's limit
        {1000070000, 999999990, 1000070000},  // across block boundaries
        {1 << 30, (1 << 30) - 40000, (1 << 30) + 40000},
    };
    for (const LimitedRun& run : runs) {
        SCOPED_TRACE(testing::Message()
                     << "limit " << run.limit << ", run " << run.first << ".." << run.last);
        calculate_primes(run.limit);
        EXPECT_TRUE(RangeMatchesOracle(run.first, run.first, run.last));
    }
}

// High powers of small primes and squares of large ones, reached both from a
// block started just before them and from a run that comes from far below.
TEST_P(FactorRun, RunsAcrossHighPrimePowers) {
    const int32_t powers[] = {1162261467 /* 3^19 */,
                              1220703125 /* 5^13 */,
                              1977326743 /* 7^11 */,
                              214358881 /* 11^8 */,
                              815730721 /* 13^8 */,
                              2147117569 /* 46337^2 */,
                              1073741824 /* 2^30 */};
    for (int32_t power : powers) {
        SCOPED_TRACE(power);
        calculate_primes(power + 100);
        EXPECT_TRUE(RangeMatchesOracle(power - 100, power - 100, power + 100));
        EXPECT_TRUE(RangeMatchesOracle(power - 70000, power - 70000, power - 60000));
        EXPECT_TRUE(FactorMatchesOracle(power - 70000, power - 59999));
        EXPECT_TRUE(RangeMatchesOracle(power - 70000, power - 59999, power + 10));
    }
}

TEST_P(FactorRandom, NumbersOutOfOrder) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int32_t> anyNumber(1, kMaxNumber);
    std::uniform_int_distribution<int32_t> smallNumber(1, 5000);
    calculate_primes(kMaxNumber);
    for (int i = 0; i < 20000; ++i) {
        const int32_t n = i % 4 == 0 ? smallNumber(random) : anyNumber(random);
        ASSERT_TRUE(FactorMatchesOracle(3, n));
    }
}

TEST_P(FactorRandom, RunsFromRandomStarts) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int32_t> start(3, kMaxNumber - 1999);
    for (int run = 0; run < 20; ++run) {
        const int32_t first = start(random);
        calculate_primes(first + 1999);
        ASSERT_TRUE(RangeMatchesOracle(first, first, first + 1999));
    }
}

TEST_P(FactorRandom, OtherNumbersBetweenTheCallsOfARun) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int32_t> anyNumber(1, kMaxNumber);
    constexpr int32_t kFirst = 1000000;
    calculate_primes(1100000);
    for (int32_t n = kFirst; n <= 1100000; ++n) {
        ASSERT_TRUE(FactorMatchesOracle(kFirst, n));
        if (n % 997 == 0) {
            ASSERT_TRUE(FactorMatchesOracle(kFirst, anyNumber(random)));
            ASSERT_TRUE(FactorMatchesOracle(kFirst, n - 50000));
        }
    }
}

TEST_P(FactorRefusal, NumbersOutsideTheRange) {
    calculate_primes(1000);
    for (int32_t n : {0, -1, -1000, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(n);
        FactorCall call(3, n);
        EXPECT_EQ(call.k, 0);
        EXPECT_EQ(call.primes[0], -1);
        for (int i = 1; i < 16; ++i) EXPECT_EQ(call.primes[i], FactorCall::kCanary) << i;
        for (int i = 1; i <= 9; ++i) EXPECT_EQ(call.exponents[i], 0) << i;
        EXPECT_TRUE(call.CanariesIntact());
    }
}

// The kernel is static data, so a kernel that has never seen calculate_primes
// needs a process of its own: the death-test machinery starts one.
TEST_P(FactorFreshKernel, AnswersWithoutCalculatePrimes) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto check = [] {
        std::mt19937 random(99);
        std::uniform_int_distribution<int32_t> anyNumber(1, kMaxNumber);
        int failures = 0;
        auto expect = [&](testing::AssertionResult result) {
            if (!result) {
                std::cerr << result.message() << "\n";
                ++failures;
            }
        };
        expect(RangeMatchesOracle(3, 3, 50000));
        for (int i = 0; i < 200; ++i) expect(FactorMatchesOracle(3, anyNumber(random)));
        expect(RangeMatchesOracle(kMaxNumber - 5000, kMaxNumber - 5000, kMaxNumber));
        std::exit(failures == 0 ? 0 : 1);
    };
    EXPECT_EXIT(check(), testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(SieveThreads, FactorRun, testing::Values(1, 2), SieveThreadsName);
INSTANTIATE_TEST_SUITE_P(SieveThreads, FactorRandom, testing::Values(1, 2), SieveThreadsName);
INSTANTIATE_TEST_SUITE_P(SieveThreads, FactorRefusal, testing::Values(1, 2), SieveThreadsName);
INSTANTIATE_TEST_SUITE_P(SieveThreads, FactorFreshKernel, testing::Values(1, 2), SieveThreadsName);

}  // namespace
}  // namespace numkern_test
