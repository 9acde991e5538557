#pragma once

#include <cstdint>

#include "FactorRecord.h"

namespace numkern {

// The primes 3, 5 and 7 divide the numbers in a pattern of period
// 3 * 5 * 7 = 105. A block starts from a copy of that pattern instead of
// sieving them; their higher powers are sieved as usual. The pattern's 3,360
// bytes stay in the L1 cache; with 11 in it, the 37 KB of the longer period
// come from L2, which measured no faster than sieving 11.
inline constexpr uint32_t kPatternPeriod = 105;
inline constexpr uint16_t kPatternPrimes[] = {3, 5, 7};
inline constexpr uint16_t kLargestPatternPrime = 7;

// Fills records[0 .. size) with the pattern's records of the numbers
// first .. first + size - 1: each holds the pattern primes that divide the
// number, with exponent 1.
void LaySmallPrimePattern(FactorRecord* records, uint32_t first, uint32_t size);

}  // namespace numkern
