#pragma once

#include <cstdint>

#include "BlockSieve.h"
#include "FactorBlock.h"
#include "PrimeTable.h"

namespace numkern {

// The state behind the exports: the prime table of the current run, the
// sieve and the block it fills. Used from one thread at a time. Everything is
// fixed-size and zero-initialised, so a Kernel can be static data that needs
// no constructor to run.
//
// factor() is served from the block while the numbers come in run order
// (first, first + 1, ...): the number after the block, or the run's first
// number, makes the sieve fill the next block. A number out of that order is
// factored by trial division with the table, and the number after it starts
// a block again. The table grows to kMaxTablePrime when a number lies beyond
// what it covers, so every n in 1 .. kMaxNumber is answered correctly with or
// without calculate_primes.
//
// The block is the unit a later export could share: counting the primes of a
// range is counting, block by block, the records with no sieved prime and a
// cofactor equal to the number (or the one prime itself).
class Kernel {
public:
    // Builds the table for a run up to `limit`. The block stays: its records
    // are right whatever the table.
    void CalculatePrimes(int32_t limit);

    int32_t Factor(int32_t first, int32_t n, int32_t* primes, int16_t* exponents) {
        const uint32_t number = static_cast<uint32_t>(n);
        if (m_block.Contains(number)) return m_block.Emit(number, primes, exponents);
        return FactorOutsideBlock(first, n, primes, exponents);
    }

private:
    int32_t FactorOutsideBlock(int32_t first, int32_t n, int32_t* primes, int16_t* exponents);

    PrimeTable m_table;
    BlockSieve m_sieve;
    FactorBlock m_block;
    uint32_t m_afterTrialDivision = 0;  // the number after the last one trial-divided
};

}  // namespace numkern
