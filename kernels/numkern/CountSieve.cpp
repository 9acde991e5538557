#include "CountSieve.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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

// The pattern of 2, 4, 8, 16, 3, 9, 5 and 7: period 16 * 9 * 5 * 7.
constexpr uint32_t kPeriod = 5040;
constexpr uint32_t kPatternPowers[] = {2, 4, 8, 16, 3, 9, 5, 7};

const std::array<uint16_t, kPeriod>& Pattern() {
    static const std::array<uint16_t, kPeriod> pattern = [] {
        std::array<uint16_t, kPeriod> cells{};
        for (const uint32_t q : kPatternPowers) {
            const uint32_t p = q % 2 == 0 ? 2 : (q % 3 == 0 ? 3 : q);
            const uint16_t add =
                static_cast<uint16_t>((q == p ? kOnePrime : 0) + kOneFactor + QuarterBits(p));
            for (uint32_t i = 0; i < kPeriod; i += q) cells[i] += add;
        }
        return cells;
    }();
    return pattern;
}

bool InPattern(uint64_t q) {
    return std::find(std::begin(kPatternPowers), std::end(kPatternPowers), q) !=
           std::end(kPatternPowers);
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
            (q < kChunk ? m_small : m_large).push_back(step);
        }
    }
}

void CountSieve::PlaceSteps(uint32_t first) {
    for (std::vector<Step>* steps : {&m_small, &m_large}) {
        for (Step& step : *steps) step.next = (step.power - first % step.power) % step.power;
    }
}

void CountSieve::Sieve(uint32_t first, uint32_t count, uint8_t* counts) {
    PlaceSteps(first);
    for (uint32_t done = 0; done < count; done += kChunk) {
        SieveChunk(first + done, std::min(kChunk, count - done), counts + done);
    }
}

void CountSieve::SieveChunk(uint32_t first, uint32_t size, uint8_t* counts) {
    uint16_t* const cells = m_cells.data();
    const std::array<uint16_t, kPeriod>& pattern = Pattern();
    for (uint32_t done = 0, phase = first % kPeriod; done < size; phase = 0) {
        const uint32_t run = std::min(kPeriod - phase, size - done);
        std::memcpy(cells + done, pattern.data() + phase, run * sizeof(uint16_t));
        done += run;
    }
    for (Step& step : m_small) {
        uint32_t i = step.next;
        for (; i < size; i += step.power) cells[i] += step.add;
        step.next = i - size;
    }
    for (Step& step : m_large) {
        if (step.next < size) {
            cells[step.next] += step.add;
            step.next += step.power;
        }
        step.next -= size;
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
