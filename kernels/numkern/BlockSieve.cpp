#include "BlockSieve.h"

#include <algorithm>

namespace numkern {

void BlockSieve::BuildSteps(const PrimeTable& table) {
    m_stepCount = 0;
    const uint64_t limit = std::min(table.CoveredLimit(), kMaxNumber);
    auto addSteps = [&](bool chunkPart) {
        for (const TablePrime& entry : table) {
            const uint64_t p = entry.prime;
            const bool inPattern = p <= kLargestPatternPrime;
            for (uint64_t power = inPattern ? p * p : p; power <= limit; power *= p) {
                if ((power < kChunkPowerBound) != chunkPart) continue;
                const StepKind kind = power == p ? StepKind::AddPrime : StepKind::Raise;
                m_steps[m_stepCount++] = {static_cast<uint32_t>(power), entry.inverse, 0,
                                          static_cast<uint16_t>(p), kind};
            }
        }
    };
    addSteps(true);
    m_chunkStepCount = m_stepCount;
    addSteps(false);
    m_stepsBound = table.Bound();
    m_placedAt = 0;
}

void BlockSieve::PlaceSteps(uint32_t first) {
    for (uint32_t i = 0; i < m_stepCount; ++i) {
        const uint32_t remainder = first % m_steps[i].power;
        m_steps[i].next = remainder == 0 ? 0 : m_steps[i].power - remainder;
    }
    m_placedAt = first;
}

void BlockSieve::WalkSteps(Step* begin, Step* end, FactorRecord* records, uint32_t size) {
    // The walk steps an address held as an integer, which may run past the
    // records without forming an invalid pointer.
    const uintptr_t base = reinterpret_cast<uintptr_t>(records);
    const uintptr_t stop = base + uintptr_t{size} * sizeof(FactorRecord);
    for (Step* step = begin; step != end; ++step) {
        // Locals, so that the loops keep them in registers: the records'
        // stores could alias the step as far as the compiler knows.
        const uintptr_t stride = uintptr_t{step->power} * sizeof(FactorRecord);
        const uint32_t inverse = step->inverse;
        const uint16_t prime = step->prime;
        uintptr_t at = base + uintptr_t{step->next} * sizeof(FactorRecord);
        if (step->kind == StepKind::AddPrime) {
            for (; at < stop; at += stride) {
                AppendPrime(*reinterpret_cast<FactorRecord*>(at), prime, inverse);
            }
        } else {
            const __m128i wanted = _mm_set1_epi16(static_cast<int16_t>(prime));
            for (; at < stop; at += stride) {
                RaisePrime(*reinterpret_cast<FactorRecord*>(at), wanted, inverse);
            }
        }
        step->next = static_cast<uint32_t>((at - stop) / sizeof(FactorRecord));
    }
}

void BlockSieve::Sieve(const PrimeTable& table, uint32_t first, uint32_t end, FactorBlock& block) {
    if (table.Bound() != m_stepsBound) BuildSteps(table);
    if (first != m_placedAt) PlaceSteps(first);

    const uint32_t size = end - first;
    FactorRecord* records = block.Reset(first, size);
    Step* const chunkSteps = m_steps.data();
    Step* const blockSteps = chunkSteps + m_chunkStepCount;
    for (uint32_t done = 0; done < size; done += kChunkSize) {
        const uint32_t chunk = std::min(kChunkSize, size - done);
        LaySmallPrimePattern(records + done, first + done, chunk);
        WalkSteps(chunkSteps, blockSteps, records + done, chunk);
    }
    WalkSteps(blockSteps, m_steps.data() + m_stepCount, records, size);
    m_placedAt = end;
}

}  // namespace numkern
