#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "FactorCheck.h"
#include "numkern.h"
#include "support/Factoring.h"
#include "support/PrimeSieve.h"

namespace numkern_test {
namespace {

TEST(CountPrimes, RandomRangesUpToOneMillionAgainstASieve) {
    constexpr int32_t kBound = 1000000;
    // primesUpTo[n]: the primes up to n, for n >= 0.
    const std::vector<char> prime = oracle::PrimeFlags(0, kBound);
    std::vector<int64_t> primesUpTo(kBound + 1, 0);
    for (int32_t n = 1; n <= kBound; ++n) primesUpTo[n] = primesUpTo[n - 1] + (prime[n] ? 1 : 0);
    std::mt19937 random(2718);
    std::uniform_int_distribution<int32_t> anyNumber(0, kBound);
    for (int i = 0; i < 2000; ++i) {
        int32_t lo = anyNumber(random);
        int32_t hi = anyNumber(random);
        if (hi < lo) std::swap(lo, hi);
        const int64_t expected = primesUpTo[hi] - (lo == 0 ? 0 : primesUpTo[lo - 1]);
        ASSERT_EQ(count_primes(lo, hi), expected) << lo << ".." << hi;
    }
}

struct Range {
    int32_t lo;
    int32_t hi;
};

TEST(CountPrimes, RangesAcrossTheScaleAgainstASegmentedSieve) {
    const Range ranges[] = {
        {1000000000, 1010000000},
        {kMaxNumber - 10000000, kMaxNumber},
        {(1 << 30) - 5000000, (1 << 30) + 5000000},
        {16777216, 33554431},      // one chunk of 2^24 as the program counts it
        {2147483629, 2147483629},  // the largest prime of the span
        {kMaxNumber, kMaxNumber},
    };
    for (const Range& range : ranges) {
        EXPECT_EQ(count_primes(range.lo, range.hi), oracle::CountPrimes(range.lo, range.hi))
            << range.lo << ".." << range.hi;
    }
}

TEST(CountPrimes, TheEdgesOfTheSpan) {
    EXPECT_EQ(count_primes(0, 0), 0);
    EXPECT_EQ(count_primes(0, 1), 0);
    EXPECT_EQ(count_primes(1, 1), 0);
    EXPECT_EQ(count_primes(0, 2), 1);
    EXPECT_EQ(count_primes(2, 2), 1);
    EXPECT_EQ(count_primes(2, 3), 2);
    EXPECT_EQ(count_primes(4, 4), 0);
    EXPECT_EQ(count_primes(1, 10), 4);
}

TEST(CountPrimes, RangesOutsideTheSpanAreClamped) {
    EXPECT_EQ(count_primes(-5, 10), 4);
    EXPECT_EQ(count_primes(INT32_MIN, 100), 25);
    EXPECT_EQ(count_primes(kMaxNumber - 1000, INT32_MAX),
              oracle::CountPrimes(kMaxNumber - 1000, kMaxNumber));
    EXPECT_EQ(count_primes(INT32_MAX, INT32_MAX), 0);  // 2^31 - 1 is prime, but beyond the span
    EXPECT_EQ(count_primes(-10, -1), 0);
    EXPECT_EQ(count_primes(INT32_MIN, INT32_MIN), 0);
}

TEST(CountPrimes, AnEndBelowTheStartCountsNothing) {
    const Range ranges[] = {
        {10, 5}, {3, 2}, {kMaxNumber, 0}, {1000000, -1000000}, {INT32_MAX, INT32_MIN}};
    for (const Range& range : ranges) {
        EXPECT_EQ(count_primes(range.lo, range.hi), 0) << range.lo << ".." << range.hi;
    }
}

// pi(2^31) = 105,097,565 counts 2^31 - 1 too, which lies beyond the span.
TEST(CountPrimes, TheWholeSpanInOneCallAndInChunks) {
    constexpr int64_t kPrimesInTheSpan = 105097564;
    EXPECT_EQ(count_primes(1, kMaxNumber), kPrimesInTheSpan);
    EXPECT_EQ(count_primes(INT32_MIN, INT32_MAX), kPrimesInTheSpan);
    constexpr int64_t kChunk = int64_t{1} << 24;
    int64_t chunked = 0;
    for (int64_t lo = 1; lo <= kMaxNumber; lo += kChunk) {
        const int64_t hi = std::min<int64_t>(lo + kChunk - 1, kMaxNumber);
        chunked += count_primes(static_cast<int32_t>(lo), static_cast<int32_t>(hi));
    }
    EXPECT_EQ(chunked, kPrimesInTheSpan);
}

// The primes of lo .. hi with p mod m equal to r1 or r2, by trial division of
// each member of the two progressions.
int64_t OracleCountInClasses(int64_t lo, int64_t hi, int64_t m, int64_t r1, int64_t r2) {
    int64_t count = 0;
    const int64_t residues[] = {r1, r2 == r1 ? -1 : r2};
    for (int64_t r : residues) {
        if (r < 0 || r >= m) continue;
        for (int64_t n = lo + ((r - lo) % m + m) % m; n <= hi; n += m) {
            count += oracle::IsPrime(n) ? 1 : 0;
        }
    }
    return count;
}

TEST(CountPrimesModulo, ProgressionsAgainstTrialDivision) {
    struct Case {
        int32_t lo, hi, modulus, residue1, residue2;
    };
    const Case cases[] = {
        {1, 100000, 10, 1, -1},             // 10*N + 1
        {1, 100000, 10, 1, 9},              // 10*N +|- 1
        {1, 100000, 2, 1, -1},              // the odd primes
        {1, 100000, 2, 0, -1},              // 2 alone
        {1, 100000, 1, 0, -1},              // every prime
        {1, 100000, 1, 5, -1},              // a residue beyond the modulus matches nothing
        {1, 100000, 7, 3, 3},               // the same class twice counts once
        {2147000000, kMaxNumber, 6, 1, 5},  // the top of the span
        {1000000000, 1000200000, 65537, 3, 65534},
        {1000000, 2000000, 1000003, 17, -1},  // a modulus above the range's length
        {-50, 1000, 4, 3, -1},                // clamped below
    };
    for (const Case& c : cases) {
        const int64_t lo = std::max(c.lo, 1);
        EXPECT_EQ(count_primes_mod(c.lo, c.hi, c.modulus, c.residue1, c.residue2),
                  OracleCountInClasses(lo, c.hi, c.modulus, c.residue1, c.residue2))
            << c.lo << ".." << c.hi << " mod " << c.modulus << " = " << c.residue1 << ", "
            << c.residue2;
    }
}

TEST(CountPrimesModulo, RefusedArgumentsCountNothing) {
    EXPECT_EQ(count_primes_mod(1, 1000, 0, 0, -1), 0);
    EXPECT_EQ(count_primes_mod(1, 1000, -3, 1, -1), 0);
    EXPECT_EQ(count_primes_mod(1000, 10, 3, 1, 2), 0);
    EXPECT_EQ(count_primes_mod(1, 1000, 3, -1, -1), 0);
    EXPECT_EQ(count_primes_mod(INT32_MAX, INT32_MAX, 2, 1, -1), 0);
}

// Every residue class of a modulus together holds every prime.
TEST(CountPrimesModulo, TheClassesOfAModulusAddUpToTheCount) {
    for (int32_t modulus : {3, 10, 30, 97, 2310}) {
        int64_t total = 0;
        for (int32_t r = 0; r < modulus; r += 2) {
            total += count_primes_mod(1000000000, 1001000000, modulus, r, r + 1);
        }
        EXPECT_EQ(total, count_primes(1000000000, 1001000000)) << modulus;
    }
}

// The primes of lo .. hi (hi - lo small) by the oracle's sieve, ascending.
std::vector<int32_t> OraclePrimesOf(int64_t lo, int64_t hi) {
    lo = std::max<int64_t>(lo, 0);
    const std::vector<char> flags = oracle::PrimeFlags(lo, hi);
    std::vector<int32_t> primes;
    for (size_t i = 0; i < flags.size(); ++i) {
        if (flags[i] != 0) primes.push_back(static_cast<int32_t>(lo + static_cast<int64_t>(i)));
    }
    return primes;
}

TEST(CountPrimePairs, RangesAgainstTheSieve) {
    std::mt19937 random(1618);
    for (int i = 0; i < 300; ++i) {
        const int64_t lo = i < 100 ? std::uniform_int_distribution<int64_t>(-5, 200)(random)
                                   : std::uniform_int_distribution<int64_t>(0, kMaxNumber)(random);
        const int64_t hi =
            std::min<int64_t>(lo + std::uniform_int_distribution<int64_t>(-3, 20000)(random),
                              kMaxNumber + int64_t{i % 2});
        const std::vector<int32_t> primes = OraclePrimesOf(lo, std::min<int64_t>(hi, kMaxNumber));
        int64_t pairs = 0;
        for (size_t k = 1; k < primes.size(); ++k) pairs += primes[k] - primes[k - 1] == 2 ? 1 : 0;
        ASSERT_EQ(count_prime_pairs(static_cast<int32_t>(lo), static_cast<int32_t>(hi)), pairs)
            << lo << ".." << hi;
    }
    EXPECT_EQ(count_prime_pairs(1, 100), 8);
    EXPECT_EQ(count_prime_pairs(3, 5), 1);
    EXPECT_EQ(count_prime_pairs(3, 4), 0);
}

TEST(NextPrimes, ListsInCallsThatGoOnOrStartAnew) {
    std::mt19937 random(1414);
    std::vector<int32_t> buffer(97);
    for (int i = 0; i < 200; ++i) {
        const int64_t lo = i % 4 == 0
                               ? std::uniform_int_distribution<int64_t>(-3, 30)(random)
                               : std::uniform_int_distribution<int64_t>(0, kMaxNumber)(random);
        const int64_t hi = std::min<int64_t>(
            lo + std::uniform_int_distribution<int64_t>(0, 30000)(random), kMaxNumber);
        // Calls of a few primes each, going on where the last one stopped; now
        // and then one whose hi cuts the range short, the next going on from it.
        std::vector<int32_t> listed;
        int64_t from = lo;
        while (from <= hi) {
            const int64_t to = i % 3 == 0 ? std::min<int64_t>(hi, from + 500) : hi;
            const int32_t capacity = 1 + static_cast<int32_t>(random() % buffer.size());
            const int32_t count = next_primes(static_cast<int32_t>(from), static_cast<int32_t>(to),
                                              buffer.data(), capacity);
            ASSERT_GE(count, 0);
            ASSERT_LE(count, capacity);
            listed.insert(listed.end(), buffer.begin(), buffer.begin() + count);
            from = count == capacity ? int64_t{buffer[static_cast<size_t>(count - 1)]} + 1 : to + 1;
        }
        ASSERT_EQ(listed, OraclePrimesOf(lo, hi)) << lo << ".." << hi;
    }
    EXPECT_EQ(next_primes(10, 5, buffer.data(), 10), 0);
    EXPECT_EQ(next_primes(1, 10, nullptr, 10), 0);
    EXPECT_EQ(next_primes(1, 10, buffer.data(), 0), 0);
}

}  // namespace
}  // namespace numkern_test
