#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

namespace numkern_test {

// The largest number the kernel serves.
inline constexpr int32_t kMaxNumber = 2147483646;

// One call of factor() as the program makes it (exponents 1..9 cleared
// first), with arrays larger than the kernel may touch: elements 10 and up
// carry a canary.
struct FactorCall {
    static constexpr int32_t kCanary = 0x5A5A5A5A;
    static constexpr int16_t kShortCanary = 0x5A5A;

    int32_t k = 0;
    std::array<int32_t, 16> primes{};
    std::array<int16_t, 16> exponents{};

    FactorCall(int32_t first, int32_t n);
    bool CanariesIntact() const;
};

// Whether factor(first, n) matches trial division: k, the primes ascending
// with their exponents, the colour Omega(n) mod 8, exponents above k still 0
// and nothing written past element 9.
testing::AssertionResult FactorMatchesOracle(int32_t first, int32_t n);

// FactorMatchesOracle for n = from .. to with the run's first number `first`;
// reports the first few mismatches.
testing::AssertionResult RangeMatchesOracle(int32_t first, int32_t from, int32_t to);

// A test run once with each sieve-thread count: 1, every block sieved in the
// test's thread, and 2, with the helper thread that sieves ahead. Each test
// ends with finish_run(), so no helper outlives it.
class SieveThreadsTest : public testing::TestWithParam<int32_t> {
protected:
    void SetUp() override;
    void TearDown() override;
};

// "OneThread" or "TwoThreads", for the names of the instantiated tests.
std::string SieveThreadsName(const testing::TestParamInfo<int32_t>& info);

}  // namespace numkern_test
