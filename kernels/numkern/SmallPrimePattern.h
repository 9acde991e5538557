#pragma once

#include <cstdint>

#include "FactorRecord.h"

namespace numkern {

// The primes 3, 5, 7 and 11 divide the numbers in a pattern of period
// 3 * 5 * 7 * 11 = 1155. A block starts from a copy of that pattern instead of
// sieving them; their higher powers are sieved as usual.
inline constexpr uint32_t kPatternPeriod = 1155;
inline constexpr uint16_t kPatternPrimes[] = {3, 5, 7, 11};
inline constexpr int kPatternPrimeCount = 4;

// Fills records[0 .. size) with the pattern's records of the numbers
// first .. first + size - 1: each holds the pattern primes that divide the
// number, with exponent 1.
void LaySmallPrimePattern(FactorRecord* records, uint32_t first, uint32_t size);

// The slot of pattern prime p (one of 3, 5, 7, 11) in a record of a number
// that p divides: the count of smaller pattern primes in it.
inline int PatternSlot(const FactorRecord& record, uint16_t p) {
    // Unused slots hold 0, which wraps to 65535 here and so never counts.
    int slot = 0;
    for (int i = 0; i < kPatternPrimeCount - 1; ++i) {
        slot += static_cast<uint16_t>(record.primes[i] - 1) < p - 1 ? 1 : 0;
    }
    return slot;
}

}  // namespace numkern
