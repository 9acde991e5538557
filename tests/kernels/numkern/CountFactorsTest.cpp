#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

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

class FactorCountsOfBlocks : public SieveThreadsTest {};

// factor_counts of blocks against count_factors (the factorisation sieve)
// number by number, and against the oracle for a sample: blocks short and long
// (cut between two threads, and across the sieve's chunks), from 1, in the
// middle and at the top of the range.
TEST_P(FactorCountsOfBlocks, AgainstTheFactorisationAndTrialDivision) {
    std::mt19937 random(909);
    std::vector<uint8_t> counts(400000);
    for (int trial = 0; trial < 24; ++trial) {
        const int32_t count = trial % 3 == 0
                                  ? std::uniform_int_distribution<int32_t>(1, 50)(random)
                                  : std::uniform_int_distribution<int32_t>(100000, 400000)(random);
        const int32_t firsts[] = {1 + trial % 7,
                                  std::uniform_int_distribution<int32_t>(2, 2000000000)(random),
                                  kMaxNumber - count + 1};
        const int32_t first = firsts[trial % 3];
        ASSERT_EQ(factor_counts(first, count, counts.data()), count);
        calculate_primes(first + count - 1);
        for (int32_t i = 0; i < count; ++i) {
            const int32_t n = first + i;
            const int32_t packed = count_factors(first, n);
            ASSERT_EQ(counts[static_cast<size_t>(i)], (packed & 0xF) | ((packed >> 8) & 7) << 4)
                << "n = " << n;
            if (i % 97 == 0) {
                ASSERT_EQ(counts[static_cast<size_t>(i)],
                          oracle::CountDistinctPrimes(n) | oracle::PalmenColor(n) << 4)
                    << "n = " << n;
            }
        }
        finish_run();
    }
}

// A block longer than the pieces the two threads share and than the
// sieve's stretch of listed hits: the numbers at each chunk's edges and a
// sample between them.
TEST_P(FactorCountsOfBlocks, LongBlocksAcrossPiecesAndStretches) {
    const int32_t count = (1 << 23) + (1 << 20) + 12345;
    std::vector<uint8_t> counts(static_cast<size_t>(count));
    for (const int32_t first : {2, 1234567891, kMaxNumber - count + 1}) {
        ASSERT_EQ(factor_counts(first, count, counts.data()), count);
        calculate_primes(first + count - 1);
        for (int32_t i = 0; i < count; ++i) {
            const int32_t edge = i % 65536;
            if (edge > 2 && edge < 65533 && i % 1009 != 0) continue;
            const int32_t packed = count_factors(first, first + i);
            ASSERT_EQ(counts[static_cast<size_t>(i)], (packed & 0xF) | ((packed >> 8) & 7) << 4)
                << "n = " << first + i;
        }
        finish_run();
    }
}

TEST_P(FactorCountsOfBlocks, RefusesWhatLiesOutsideTheRange) {
    std::vector<uint8_t> counts(10, 0xEE);
    EXPECT_EQ(factor_counts(0, 5, counts.data()), 0);
    EXPECT_EQ(factor_counts(kMaxNumber - 3, 5, counts.data()), 0);
    EXPECT_EQ(factor_counts(5, 0, counts.data()), 0);
    EXPECT_EQ(factor_counts(5, 5, nullptr), 0);
    EXPECT_EQ(counts, std::vector<uint8_t>(10, 0xEE));
    EXPECT_EQ(factor_counts(kMaxNumber - 4, 5, counts.data()), 5);
}

INSTANTIATE_TEST_SUITE_P(SieveThreads, CountFactors, testing::Values(1, 2), SieveThreadsName);
INSTANTIATE_TEST_SUITE_P(SieveThreads, FactorCountsOfBlocks, testing::Values(1, 2),
                         SieveThreadsName);

}  // namespace
}  // namespace numkern_test
