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
// only one. The pattern of 2, 3, 5, 7 and their powers 4, 8, 16, 9 repeats
// every 5,040 numbers and is laid in by copying.
//
// Worked in chunks of 16,384 cells (32 KB), which stay in the L1 cache while
// the prime powers below the chunk walk them; the larger ones hit a chunk at
// most once each and are checked once per chunk.
class CountSieve {
public:
    CountSieve();

    // counts[i] = PackCountByte(...) of first + i for i < count; the numbers
    // are 1 .. 2,147,483,646.
    void Sieve(uint32_t first, uint32_t count, uint8_t* counts);

private:
    static constexpr uint32_t kChunk = 16384;

    struct Step {
        uint32_t power;  // a prime power p^e
        uint32_t next;   // the offset of its next multiple in the chunk being walked
        uint16_t add;    // what it adds to a cell
    };

    void PlaceSteps(uint32_t first);
    void SieveChunk(uint32_t first, uint32_t size, uint8_t* counts);

    std::vector<Step> m_small;  // powers below kChunk, walked through each chunk
    std::vector<Step> m_large;  // powers from kChunk on, at most one hit a chunk
    std::array<uint16_t, kChunk> m_cells{};
};

}  // namespace numkern
