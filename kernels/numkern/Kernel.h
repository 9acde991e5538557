#pragma once

#include <cstdint>

#include "BlockSieve.h"
#include "FactorBlock.h"
#include "PrimeTable.h"
#include "SieveAhead.h"

namespace numkern {

// The state behind the exports: the prime table of the current run, the
// sieve and the block it fills, and the helper thread that sieves ahead.
// Used from one thread at a time. Everything is fixed-size and
// zero-initialised, so a Kernel can be static data that needs no constructor
// to run.
//
// factor() is served from the current block while the numbers come in run
// order (first, first + 1, ...): the run's first number makes the caller's
// sieve fill a block, and the number after a block takes the next one from
// the helper's ring, or, with one sieve thread, from the caller's sieve
// again. A number out of that order is factored by trial division with the
// table, and the number after it starts a block again, which aims the ring
// there too. The table grows to kMaxTablePrime when a number lies beyond
// what it covers, so every n in 1 .. kMaxNumber is answered correctly with or
// without calculate_primes.
class Kernel {
public:
    // Builds the table for a run up to `limit` and, with two sieve threads,
    // starts the helper; a helper still running from the last run stops
    // first. The current block stays: its records are right whatever the
    // table.
    void CalculatePrimes(int32_t limit);
    // The run has ended: the helper stops and is joined.
    void FinishRun() { m_ahead.Stop(); }
    // 1: every block is sieved in the calling thread; 2 (above 1): a helper
    // sieves ahead from the next calculate_primes on; 0 (below 1): the
    // default, a helper when two processors are there. Going to 1 stops the helper.
    void SetSieveThreads(int32_t count);
    // The threads a run sieves with now: 1 or 2, the default resolved.
    int SieveThreads() const;

    int32_t Factor(int32_t first, int32_t n, int32_t* primes, int16_t* exponents) {
        const uint32_t number = static_cast<uint32_t>(n);
        if (m_current->Contains(number)) return m_current->Emit(number, primes, exponents);
        return FactorOutsideBlock(first, n, primes, exponents);
    }

    // k, the Palmen colour and whether n is prime, packed as count_factors
    // returns them; served as Factor is, without writing the primes.
    int32_t CountFactors(int32_t first, int32_t n) {
        const uint32_t number = static_cast<uint32_t>(n);
        if (m_current->Contains(number)) return m_current->EmitCounts(number);
        return CountFactorsOutsideBlock(first, n);
    }

private:
    // Out of line, so that the calls served from the current block save no
    // registers for them.
    int32_t FactorOutsideBlock(int32_t first, int32_t n, int32_t* primes, int16_t* exponents);
    int32_t CountFactorsOutsideBlock(int32_t first, int32_t n);
    // The block that holds n when n is not in the current one and comes in
    // run order (it becomes the current block); null for a number out of
    // order or out of range, which FactorWithoutBlock answers.
    const FactorBlock* BlockOutsideCurrent(int32_t first, int32_t n);
    // Trial division for a number out of run order; 0 and primes[0] = -1
    // for a number out of range.
    int32_t FactorWithoutBlock(int32_t n, int32_t* primes, int16_t* exponents);

    PrimeTable m_table;
    BlockSieve m_sieve;
    FactorBlock m_block;
    SieveAhead m_ahead;  // reads m_table while it runs: the table changes only when it is stopped
    // The block factor() serves from: m_block, or the ring's block Take gave
    // last, which stays the caller's until the next Take or Restart.
    const FactorBlock* m_current = &m_block;
    uint32_t m_afterTrialDivision = 0;  // the number after the last one trial-divided
    int32_t m_sieveThreads = 0;         // the last count chosen; 0: the default
};

}  // namespace numkern
