#pragma once

#include <cstdint>

namespace numkern {

// The number of primes p with lo <= p <= hi, the range clamped to
// 0 .. kMaxNumber; 0 when it holds no number of that span. Counted by
// primesieve with `threads` threads; -1 when primesieve fails (memory it
// cannot get), as for the two below.
int64_t CountPrimes(int32_t lo, int32_t hi, int threads = 1);

// The prime pairs (p, p + 2) with lo <= p and p + 2 <= hi, clamped likewise;
// counted by primesieve with `threads` threads.
int64_t CountPrimePairs(int32_t lo, int32_t hi, int threads);

// The primes of lo .. hi (clamped likewise) that leave the remainder
// residue1 or residue2 on division by modulus; 0 for a modulus below 1.
int64_t CountPrimesModulo(int32_t lo, int32_t hi, int32_t modulus, int32_t residue1,
                          int32_t residue2);

}  // namespace numkern
