#pragma once

#include <cstdint>

namespace numkern {

// The most odd primes up to kMaxTablePrime that divide one number up to
// kMaxNumber: 3 * 5 * ... * 23 is below it, 3 * 5 * ... * 29 above.
inline constexpr int kMaxRecordPrimes = 8;

// What the block sieve learns about one number: its odd prime factors up to
// the table's bound. The factor 2 comes from the number's trailing zero bits
// and the one prime factor above the bound, if any, from `inverse`:
// (n without its factors 2) * inverse (mod 2^32) is that prime, or 1.
struct alignas(32) FactorRecord {
    uint16_t primes[kMaxRecordPrimes];     // ascending; unused slots 0
    uint8_t exponents[kMaxRecordPrimes];   // unused slots 0
    uint32_t inverse;                      // product of p^-e (mod 2^32) over the primes
    uint8_t count;                         // slots in use
};
static_assert(sizeof(FactorRecord) == 32);

}  // namespace numkern
