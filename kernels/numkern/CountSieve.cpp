#include "CountSieve.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "Limits.h"
#include "PrimeTable.h"

namespace numkern {
namespace {

// A cell: the logarithm sum in bits 0-6, the primes with multiplicity in
// bits 7-11, the distinct primes in bits 12-15. With logarithms rounded down
// no field runs into the next: at most 4 * 31 = 124, 30 and 9.
constexpr uint16_t kOnePrime = 1u << 12;
constexpr uint16_t kOneFactor = 1u << 7;
constexpr uint16_t kLogMask = 127;

// floor(4 log2 p): a power of p adds this once per factor p.
uint16_t QuarterBits(uint32_t p) {
    return static_cast<uint16_t>(std::floor(4.0 * std::log2(static_cast<double>(p))));
}

// Two patterns are laid in together: that of 2, 4, 8, 16, 3, 9, 5 and 7,
// period 16 * 9 * 5 * 7, and that of 11, 13 and 17, period 2,431. Each is
// kept one chunk longer than its period, so that a chunk reads it from any
// phase in one run.
constexpr uint32_t kFirstPowers[] = {2, 4, 8, 16, 3, 9, 5, 7};
constexpr uint32_t kSecondPowers[] = {11, 13, 17};

struct Pattern {
    uint32_t period;
    std::vector<uint16_t> cells;  // period + chunk cells
};

template <size_t N>
Pattern MakePattern(const uint32_t (&powers)[N], uint32_t chunk) {
    Pattern pattern{1, {}};
    for (const uint32_t q : powers) pattern.period = std::lcm(pattern.period, q);
    pattern.cells.assign(pattern.period + chunk, 0);
    for (const uint32_t q : powers) {
        uint32_t p = 2;
        while (q % p != 0) ++p;
        const auto add =
            static_cast<uint16_t>((q == p ? kOnePrime : 0) + kOneFactor + QuarterBits(p));
        for (size_t i = 0; i < pattern.cells.size(); i += q) pattern.cells[i] += add;
    }
    return pattern;
}

bool InPattern(uint64_t q) {
    const auto in = [q](const auto& powers) {
        return std::find(std::begin(powers), std::end(powers), q) != std::end(powers);
    };
    return in(kFirstPowers) || in(kSecondPowers);
}

}  // namespace

CountSieve::CountSieve() {
    // Every prime up to 46,340 with its powers up to the largest number.
    std::vector<bool> composite(kMaxTablePrime + 1, false);
    for (uint32_t p = 2; p <= kMaxTablePrime; ++p) {
        if (composite[p]) continue;
        for (uint32_t m = p * p; m <= kMaxTablePrime; m += p) composite[m] = true;
        const uint16_t bits = QuarterBits(p);
        for (uint64_t q = p; q <= kMaxNumber; q *= p) {
            if (InPattern(q)) continue;
            const Step step{static_cast<uint32_t>(q), 0,
                            static_cast<uint16_t>((q == p ? kOnePrime : 0) + kOneFactor + bits)};
            (q < kListedFrom ? m_walked : m_listed).push_back(step);
        }
    }
}

void CountSieve::PlaceSteps(uint32_t first) {
    for (std::vector<Step>* steps : {&m_walked, &m_listed}) {
        for (Step& step : *steps) step.next = (step.power - first % step.power) % step.power;
    }
}

void CountSieve::ListHits(uint32_t size) {
    static_assert(uint32_t{kOnePrime + kOneFactor + kLogMask} < 1u << (32 - kChunkBits),
                  "what a hit adds fits above its cell");
    for (std::vector<uint32_t>& hits : m_hits) hits.clear();
    for (Step& step : m_listed) {
        const uint32_t add = uint32_t{step.add} << kChunkBits;
        uint32_t i = step.next;
        for (; i < size; i += step.power) {
            m_hits[i >> kChunkBits].push_back((i & (kChunk - 1)) | add);
        }
        step.next = i - size;
    }
}

void CountSieve::Sieve(uint32_t first, uint32_t count, uint8_t* counts) {
    PlaceSteps(first);
    for (uint32_t stretch = 0; stretch < count; stretch += kStretch) {
        const uint32_t size = std::min(kStretch, count - stretch);
        ListHits(size);
        for (uint32_t done = 0; done < size; done += kChunk) {
            SieveChunk(first + stretch + done, std::min(kChunk, size - done),
                       m_hits[done >> kChunkBits], counts + stretch + done);
        }
    }
}

void CountSieve::SieveChunk(uint32_t first, uint32_t size, const std::vector<uint32_t>& hits,
                            uint8_t* counts) {
    uint16_t* const cells = m_cells.data();
    static const Pattern lowest = MakePattern(kFirstPowers, kChunk);
    static const Pattern next = MakePattern(kSecondPowers, kChunk);
    const uint16_t* const a = lowest.cells.data() + first % lowest.period;
    const uint16_t* const b = next.cells.data() + first % next.period;
    for (uint32_t i = 0; i < size; ++i) cells[i] = static_cast<uint16_t>(a[i] + b[i]);
    for (Step& step : m_walked) {
        // In locals: a cell is a uint16_t like step.add, which the compiler
        // would otherwise read again after every store.
        const uint32_t p = step.power;
        const uint16_t add = step.add;
        uint32_t i = step.next;
        for (; i < size; i += p) cells[i] += add;
        step.next = i - size;
    }
    for (const uint32_t hit : hits) {
        cells[hit & (kChunk - 1)] += static_cast<uint16_t>(hit >> kChunkBits);
    }
    // A number whose logarithm sum falls short has one prime left above
    // 46,340. With b its bit length, 4 log2 n lies in [4b - 4, 4b): a full
    // sum, rounded down in at most 30 terms, is at least 4b - 34; one that
    // lacks a prime above 46,340 (over 62 quarter bits) at most 4b - 62. The
    // cells are read in runs of one bit length, a loop the compiler makes
    // into vector code.
    for (uint32_t i = 0; i < size;) {
        const uint32_t n = first + i;
        const auto bits = static_cast<uint32_t>(32 - __builtin_clz(n));
        const uint64_t nextLength = uint64_t{1} << bits;
        const auto end = static_cast<uint32_t>(std::min<uint64_t>(size, nextLength - first));
        // Below 2^12 no number has a prime factor above 46,340.
        const auto threshold = static_cast<uint16_t>(bits > 12 ? 4 * bits - 48 : 0);
        for (; i < end; ++i) {
            const uint16_t cell = cells[i];
            const auto left = static_cast<uint16_t>((cell & kLogMask) < threshold ? 1 : 0);
            const auto distinct = static_cast<uint16_t>((cell >> 12) + left);
            const auto colour = static_cast<uint16_t>(((cell >> 7) + left) & 7);
            counts[i] = static_cast<uint8_t>(distinct | colour << 4);
        }
    }
}

}  // namespace numkern
