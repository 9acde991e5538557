#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "FactorCheck.h"
#include "numkern.h"
#include "support/Factoring.h"

namespace numkern_test {
namespace {

// count_factors(first, n) against trial division: k, the colour Omega(n) mod
// 8 and the prime bit, in the bits the header names.
testing::AssertionResult CountsMatchOracle(int32_t first, int32_t n) {
    const int32_t packed = count_factors(first, n);
    const numlib::FactorCounts counts = oracle::FactorCountsOf(n);
    const int32_t wanted = counts.count | counts.color << 8 | (counts.isPrime ? 1 : 0) << 16;
    if (packed == wanted) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "count_factors(" << first << ", " << n << ") = " << packed << ", expected " << wanted;
}

testing::AssertionResult CountsOfRangeMatchOracle(int32_t first, int32_t from, int32_t to) {
    for (int64_t n = from; n <= to; ++n) {
        testing::AssertionResult one = CountsMatchOracle(first, static_cast<int32_t>(n));
        if (!one) return one;
    }
    return testing::AssertionSuccess();
}

class CountFactors : public SieveThreadsTest {};

TEST_P(CountFactors, RunsOverBlocksSmallAndLarge) {
    struct Run {
        int32_t first;
        int32_t last;
    };
    const Run runs[] = {
        {1, 100000},
        {1000000000 - 40000, 1000000000 + 40000},
        {kMaxNumber - 70000, kMaxNumber},
        {1162261467 - 5, 1162261467 + 5},  // 3^19
        {2147117569 - 5, 2147117569 + 5},  // 46337^2
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(testing::Message() << "run " << run.first << ".." << run.last);
        calculate_primes(run.last);
        EXPECT_TRUE(CountsOfRangeMatchOracle(run.first, run.first, run.last));
    }
}

// A run may ask for the whole factorisation of some numbers and only the
// counts of others; numbers out of order go by trial division in both.
TEST_P(CountFactors, MixedWithFactorAndOutOfOrder) {
    std::mt19937 random(31);
    std::uniform_int_distribution<int32_t> anyNumber(1, kMaxNumber);
    constexpr int32_t kFirst = 500000000;
    calculate_primes(kFirst + 100000);
    for (int32_t n = kFirst; n <= kFirst + 100000; ++n) {
        if (n % 3 == 0) {
            ASSERT_TRUE(FactorMatchesOracle(kFirst, n));
        } else {
            ASSERT_TRUE(CountsMatchOracle(kFirst, n));
        }
        if (n % 1009 == 0) {
            ASSERT_TRUE(CountsMatchOracle(kFirst, anyNumber(random)));
            ASSERT_TRUE(CountsMatchOracle(kFirst, n - 40000));
        }
    }
}

TEST_P(CountFactors, NumbersOutsideTheRangeGiveMinusOne) {
    calculate_primes(1000);
    for (int32_t n : {0, -1, -1000, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(count_factors(3, n), -1) << n;
    }
    // The run goes on after them.
    EXPECT_TRUE(CountsOfRangeMatchOracle(3, 3, 1000));
}

INSTANTIATE_TEST_SUITE_P(SieveThreads, CountFactors, testing::Values(1, 2), SieveThreadsName);

}  // namespace
}  // namespace numkern_test
