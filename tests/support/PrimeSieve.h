#pragma once

// Primes by the sieve of Eratosthenes.

#include <cstdint>
#include <vector>

namespace oracle {

// The primes up to 46,341, ascending: every number up to 2^31 - 1 that has a
// prime factor has one of these or is a prime itself.
const std::vector<int32_t>& SmallPrimes();

// Whether each number of first .. last is prime (1) or not (0), element
// n - first for n (0 <= first, last <= 2^31 - 1); empty when last < first.
// Bytes rather than bits: the sieve marks them quicker.
std::vector<char> PrimeFlags(int64_t first, int64_t last);

// The number of primes of first .. last (0 <= first, last <= 2^31 - 1); 0
// when last < first.
int64_t CountPrimes(int64_t first, int64_t last);

}  // namespace oracle
