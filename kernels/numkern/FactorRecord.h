#pragma once

#include <cstdint>

#include <emmintrin.h>

namespace numkern {

// The most odd primes up to kMaxTablePrime that divide one number up to
// kMaxNumber: 3 * 5 * ... * 23 is below it, 3 * 5 * ... * 29 above.
inline constexpr int kMaxRecordPrimes = 8;

// What the block sieve learns about one number: its odd prime factors up to
// the table's bound. The factor 2 comes from the number's trailing zero bits
// and the one prime factor above the bound, if any, from `inverse`:
// (n without its factors 2) * inverse (mod 2^32) is that prime, or 1.
struct alignas(32) FactorRecord {
    uint16_t primes[kMaxRecordPrimes];    // ascending; unused slots 0
    uint8_t exponents[kMaxRecordPrimes];  // unused slots 0
    uint32_t inverse;                     // product of p^-e (mod 2^32) over the primes
    uint8_t count;                        // slots in use
};
static_assert(sizeof(FactorRecord) == 32);

// Appends a prime p (above the record's primes) with exponent 1; `inverse`
// is p^-1 (mod 2^32).
inline void AppendPrime(FactorRecord& record, uint16_t prime, uint32_t inverse) {
    record.primes[record.count] = prime;
    record.exponents[record.count] = 1;
    ++record.count;
    record.inverse *= inverse;
}

// Raises the exponent of a prime the record holds by one; `wanted` has the
// prime in each 16-bit lane, so that one comparison of all eight slots finds
// it.
inline void RaisePrime(FactorRecord& record, __m128i wanted, uint32_t inverse) {
    const __m128i primes = _mm_load_si128(reinterpret_cast<const __m128i*>(record.primes));
    const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(primes, wanted));
    ++record.exponents[__builtin_ctz(static_cast<unsigned>(mask)) / 2];
    record.inverse *= inverse;
}

}  // namespace numkern
