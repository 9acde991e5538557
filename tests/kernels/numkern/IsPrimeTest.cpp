#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "FactorCheck.h"
#include "numkern.h"
#include "support/Factoring.h"
#include "support/PrimeSieve.h"

namespace numkern_test {
namespace {

bool KernelIsPrime(int32_t n) { return is_prime(n, n) == 1; }

TEST(IsPrime, EveryNumberUpToOneMillionAgainstASieve) {
    constexpr int32_t kBound = 1000000;
    const std::vector<char> prime = oracle::PrimeFlags(0, kBound);
    int mismatches = 0;
    for (int32_t n = 0; n <= kBound; ++n) {
        if (KernelIsPrime(n) == (prime[n] != 0)) continue;
        ADD_FAILURE() << "is_prime(" << n << ")";
        if (++mismatches == 5) break;
    }
}

TEST(IsPrime, TheNumbersBelowTheMaximum) {
    EXPECT_TRUE(KernelIsPrime(2147483629));
    EXPECT_FALSE(KernelIsPrime(kMaxNumber));
    for (int32_t n = kMaxNumber - 2000; n <= kMaxNumber; ++n) {
        ASSERT_EQ(KernelIsPrime(n), oracle::IsPrime(n)) << n;
    }
}

TEST(IsPrime, HardComposites) {
    // Strong pseudoprimes to some of the bases and semiprimes of two large primes.
    std::vector<int32_t> numbers = {2047, 1373653, 25326001, 1194649 /* 1093^2 */,
                                    12327121 /* 3511^2 */};
    const std::vector<int32_t>& primes = oracle::SmallPrimes();
    for (size_t i = primes.size() - 40; i < primes.size(); ++i) {
        for (size_t j = primes.size() - 40; j <= i; ++j) {
            const int64_t product = int64_t{primes[i]} * primes[j];
            if (product <= kMaxNumber) numbers.push_back(static_cast<int32_t>(product));
        }
    }
    for (int32_t n : numbers) EXPECT_EQ(KernelIsPrime(n), oracle::IsPrime(n)) << n;
}

TEST(IsPrime, RandomNumbersAcrossTheRange) {
    std::mt19937 random(31337);
    std::uniform_int_distribution<int32_t> anyNumber(0, kMaxNumber);
    for (int i = 0; i < 20000; ++i) {
        const int32_t n = anyNumber(random);
        ASSERT_EQ(KernelIsPrime(n), oracle::IsPrime(n)) << n;
    }
}

TEST(IsPrime, NumbersOutsideTheRangeAreNotPrime) {
    for (int32_t n : {-1, -2, -7, INT32_MIN, INT32_MAX}) EXPECT_EQ(is_prime(n, n), 0) << n;
}

}  // namespace
}  // namespace numkern_test
