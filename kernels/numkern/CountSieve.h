#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace numkern {

// What factor_counts gives of a number: k, its count of distinct primes, in
// bits 0-3 and its Palmen colour (primes counted with multiplicity, mod 8) in
// bits 4-6.
inline uint8_t PackCountByte(uint32_t distinct, uint32_t withMultiplicity) {
    return static_cast<uint8_t>(distinct | ((withMultiplicity & 7u) << 4));
}

// A sieve of the counts of prime factors, for runs that need only those (the
// histograms): per number one 16-bit cell holds the distinct primes, the
// primes with multiplicity, and the sum of their logarithms in quarter bits,
// rounded down. Every prime power up to 46,340 adds its share to the cells
// of its multiples; a number whose sum falls short of its own logarithm by
// more than rounding can explain has one prime factor above 46,340 left, and
// only one. The cells start from two repeating patterns, of 2, 3, 5, 7 and
// their powers 4, 8, 16, 9 (period 5,040) and of 11, 13 and 17 (period 2,431).
//
// Worked in chunks of 131,072 cells (256 KB), which stay in the L2 cache of
// the processors measured (1 MB) while the primes walk them: a long chunk
// spreads the cost of each prime's loop over many hits (with two threads,
// chunks half as long took 10 % more time). The powers from 131,072 on hit
// a chunk at most once, mostly not at all: once for a stretch of up to 64
// chunks (a call's numbers, or a piece of them when two threads share it),
// they lay their hits into one list per chunk, which the chunk then adds in.
class CountSieve {
public:
    CountSieve();

    // counts[i] = PackCountByte(...) of first + i for i < count; the numbers
    // are 1 .. 2,147,483,646.
    void Sieve(uint32_t first, uint32_t count, uint8_t* counts);

private:
    static constexpr uint32_t kChunkBits = 17;
    static constexpr uint32_t kChunk = 1u << kChunkBits;
    static constexpr uint32_t kListedFrom = kChunk;  // the smallest power that lists its hits
    static constexpr uint32_t kStretchChunks = 64;
    static constexpr uint32_t kStretch = kChunk * kStretchChunks;

    struct Step {
        uint32_t power;  // a prime power p^e
        uint32_t next;   // the offset of its next multiple in the chunk or stretch being walked
        uint16_t add;    // what it adds to a cell
    };

    void PlaceSteps(uint32_t first);
    void ListHits(uint32_t size);
    void SieveChunk(uint32_t first, uint32_t size, const std::vector<uint32_t>& hits,
                    uint8_t* counts);

    std::vector<Step> m_walked;  // powers below kListedFrom, walked through each chunk
    std::vector<Step> m_listed;  // the others, listed once a stretch
    // A hit: the cell in its chunk in the low kChunkBits bits, what it adds above.
    std::array<std::vector<uint32_t>, kStretchChunks> m_hits;
    std::array<uint16_t, kChunk> m_cells{};
};

}  // namespace numkern
