#pragma once

#include <cstdint>

namespace numkern {

// The number of primes p with lo <= p <= hi, the range clamped to
// 0 .. kMaxNumber; 0 when it holds no number of that span. Counted by
// primesieve on the calling thread.
int64_t CountPrimes(int32_t lo, int32_t hi);

}  // namespace numkern
