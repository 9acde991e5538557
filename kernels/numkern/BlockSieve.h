#pragma once

#include <array>
#include <cstdint>

#include "FactorBlock.h"
#include "PrimeTable.h"
#include "SmallPrimePattern.h"

namespace numkern {

// The number of prime powers the sieve walks with a full table: every odd
// prime up to kMaxTablePrime with its powers up to kMaxNumber, from the
// square up for the pattern primes.
constexpr uint32_t CountSieveSteps() {
    uint32_t count = 0;
    for (uint32_t p = 3; p <= kMaxTablePrime; p += 2) {
        if (!IsPrimeByTrialDivision(p)) continue;
        uint64_t power = p <= kLargestPatternPrime ? uint64_t{p} * p : p;
        for (; power <= kMaxNumber; power *= p) ++count;
    }
    return count;
}

// A segmented factorisation sieve: it fills a FactorBlock with the records of
// a run of consecutive numbers, walking each prime power through the block by
// addition. A prime appends itself to the records of its multiples with
// exponent 1; each higher power raises that exponent by one. The primes of a
// record come out ascending.
//
// The block is worked in two passes. Chunks small enough for the L1 cache get
// the pattern of 3, 5 and 7 and then the powers below kChunkPowerBound, which
// hit often; then the larger powers, which hit rarely, walk the whole block.
//
// Blocks that follow each other go on from where the last one stopped; any
// other start costs one division per prime power. The sieve keeps no pointer
// into the block it fills, so a second sieve could fill the next block on
// another thread while the caller reads this one.
class BlockSieve {
public:
    // Fills `block` with first .. end - 1 (at most kBlockSize numbers, end - 1
    // covered by `table`).
    void Sieve(const PrimeTable& table, uint32_t first, uint32_t end, FactorBlock& block);

private:
    // 1024 records of 32 bytes: two thirds of the L1 data cache.
    static constexpr uint32_t kChunkSize = 1024;
    static constexpr uint32_t kChunkPowerBound = 256;

    enum class StepKind : uint8_t {
        AddPrime,  // a prime from 11 up
        Raise,     // a higher power
    };
    struct Step {
        uint32_t power;    // p^e
        uint32_t inverse;  // p^-1 (mod 2^32): each step takes one more p out
        uint32_t next;     // offset of its next multiple from the start of the range walked
        uint16_t prime;
        StepKind kind;
    };

    // The steps of `table` up to its covered limit: first those below
    // kChunkPowerBound, then the others, each part ascending by prime, so
    // that a prime always comes before its powers.
    void BuildSteps(const PrimeTable& table);
    // Sets each step's next multiple at or after `first`.
    void PlaceSteps(uint32_t first);
    // Walks steps [begin, end) through records[0 .. size), leaving each step's
    // offset counted from records + size.
    static void WalkSteps(Step* begin, Step* end, FactorRecord* records, uint32_t size);

    std::array<Step, CountSieveSteps()> m_steps{};
    uint32_t m_chunkStepCount = 0;
    uint32_t m_stepCount = 0;
    uint32_t m_stepsBound = 0;  // the table bound the steps were built from
    uint32_t m_placedAt = 0;    // the number the steps' offsets count from; 0: not placed
};

}  // namespace numkern
