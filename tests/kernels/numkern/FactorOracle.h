#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace numkern_test {

// The largest number the kernel serves.
inline constexpr int32_t kMaxNumber = 2147483646;

// The primes up to 46,341, by a plain sieve of Eratosthenes.
const std::vector<int32_t>& OraclePrimes();

// The prime factorisation of n >= 1: (prime, exponent) pairs, primes
// ascending; empty for 1. Small numbers by a table of smallest prime factors,
// the others by plain trial division.
std::vector<std::pair<int32_t, int>> OracleFactor(int32_t n);

bool OracleIsPrime(int32_t n);

}  // namespace numkern_test
