#pragma once

#include <cstdint>

namespace numkern {

// The largest number the program factors.
inline constexpr uint32_t kMaxNumber = 2147483646;

// floor(sqrt(kMaxNumber)): every composite up to kMaxNumber has a prime factor
// at most this, and every such prime fits in 16 bits.
inline constexpr uint32_t kMaxTablePrime = 46340;
static_assert(kMaxTablePrime * kMaxTablePrime <= kMaxNumber);
static_assert(uint64_t{kMaxTablePrime + 1} * (kMaxTablePrime + 1) > kMaxNumber);
static_assert(kMaxTablePrime <= UINT16_MAX);

// Numbers per sieved block. Its records (32 bytes each, 1 MiB in all) stay in
// the L2 cache while the sieve and the caller work through them, and the
// primes above the block size, which hit a block at most once, cost one check
// per block.
inline constexpr uint32_t kBlockSize = 32768;

}  // namespace numkern
