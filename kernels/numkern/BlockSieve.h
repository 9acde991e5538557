#pragma once

#include <array>
#include <cstdint>

#include "FactorBlock.h"
#include "PrimeTable.h"
#include "SmallPrimePattern.h"

namespace numkern {

// The number of prime powers the sieve walks with a full table: every odd
// prime from 13 to kMaxTablePrime with its powers up to kMaxNumber, and the
// powers from the square up of the pattern primes 3, 5, 7 and 11.
constexpr uint32_t CountSieveSteps() {
    uint32_t count = 0;
    for (uint32_t p = 3; p <= kMaxTablePrime; p += 2) {
        if (!IsPrimeByTrialDivision(p)) continue;
        uint64_t power = p < 13 ? uint64_t{p} * p : p;
        for (; power <= kMaxNumber; power *= p) ++count;
    }
    return count;
}

// A segmented factorisation sieve: it fills a FactorBlock with the records of
// a run of consecutive numbers, walking each prime power through the block by
// addition. Blocks that follow each other go on from where the last one
// stopped; any other start costs one division per prime power.
//
// The sieve keeps no pointer into the block it fills, so a second sieve could
// fill the next block on another thread while the caller reads this one.
class BlockSieve {
public:
    // Fills `block` with first .. end - 1 (at most kBlockSize numbers, end - 1
    // covered by `table`).
    void Sieve(const PrimeTable& table, uint32_t first, uint32_t end, FactorBlock& block);

private:
    enum class StepKind : uint8_t {
        AddPrime,         // a prime from 13 up: appended to the record
        RaiseLast,        // a higher power of the prime appended last
        RaisePattern,     // a higher power of 3, 5, 7 or 11
    };
    struct Step {
        uint32_t power;   // p^e
        uint32_t inverse; // p^-1 (mod 2^32): each step takes one more p out
        uint32_t next;    // offset of its next multiple from the block's first
        uint16_t prime;
        StepKind kind;
    };

    // The steps of `table`, each prime followed by its powers up to the
    // table's covered limit, so that a RaiseLast finds its prime last.
    void BuildSteps(const PrimeTable& table);
    // Sets each step's next multiple at or after `first`.
    void PlaceSteps(uint32_t first);

    std::array<Step, CountSieveSteps()> m_steps{};
    uint32_t m_stepCount = 0;
    uint32_t m_stepsBound = 0;  // the table bound the steps were built from
    uint32_t m_placedAt = 0;    // the number the steps' offsets count from; 0: not placed
};

}  // namespace numkern
