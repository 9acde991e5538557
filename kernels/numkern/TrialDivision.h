#pragma once

#include <cstdint>

#include "PrimeTable.h"

namespace numkern {

// Factors one number 1 <= n <= table.CoveredLimit() by the table's primes
// into the caller's arrays, in the same form as FactorBlock::Emit, and
// returns k. It serves the numbers that come out of run order; each
// divisibility test is a multiplication. Cost: up to one test per table prime.
int32_t TrialDivide(const PrimeTable& table, uint32_t n, int32_t* primes, int16_t* exponents);

}  // namespace numkern
