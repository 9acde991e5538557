#include "BlockSieve.h"

namespace numkern {

void BlockSieve::BuildSteps(const PrimeTable& table) {
    m_stepCount = 0;
    const uint64_t limit = table.CoveredLimit() < kMaxNumber ? table.CoveredLimit() : kMaxNumber;
    auto addPowers = [&](const TablePrime& entry, uint64_t power, StepKind kind) {
        for (; power <= limit; power *= entry.prime) {
            m_steps[m_stepCount++] = {static_cast<uint32_t>(power), entry.inverse, 0,
                                      static_cast<uint16_t>(entry.prime), kind};
        }
    };
    for (const TablePrime& entry : table) {
        const uint64_t p = entry.prime;
        if (p <= kPatternPrimes[kPatternPrimeCount - 1]) {
            addPowers(entry, p * p, StepKind::RaisePattern);
        } else {
            m_steps[m_stepCount++] = {entry.prime, entry.inverse, 0,
                                      static_cast<uint16_t>(entry.prime), StepKind::AddPrime};
            addPowers(entry, p * p, StepKind::RaiseLast);
        }
    }
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

void BlockSieve::Sieve(const PrimeTable& table, uint32_t first, uint32_t end,
                       FactorBlock& block) {
    if (table.Bound() != m_stepsBound) BuildSteps(table);
    if (first != m_placedAt) PlaceSteps(first);

    const uint32_t size = end - first;
    FactorRecord* records = block.Reset(first, size);
    LaySmallPrimePattern(records, first, size);

    for (uint32_t s = 0; s < m_stepCount; ++s) {
        Step& step = m_steps[s];
        // Locals, so that the loops keep them in registers: the records'
        // stores could alias the step as far as the compiler knows.
        const uint32_t power = step.power;
        const uint32_t inverse = step.inverse;
        const uint16_t prime = step.prime;
        uint32_t i = step.next;
        switch (step.kind) {
            case StepKind::AddPrime:
                for (; i < size; i += power) {
                    FactorRecord& record = records[i];
                    const uint8_t count = record.count;
                    record.primes[count] = prime;
                    record.exponents[count] = 1;
                    record.count = static_cast<uint8_t>(count + 1);
                    record.inverse *= inverse;
                }
                break;
            case StepKind::RaiseLast:
                for (; i < size; i += power) {
                    FactorRecord& record = records[i];
                    ++record.exponents[record.count - 1];
                    record.inverse *= inverse;
                }
                break;
            case StepKind::RaisePattern:
                for (; i < size; i += power) {
                    FactorRecord& record = records[i];
                    ++record.exponents[PatternSlot(record, prime)];
                    record.inverse *= inverse;
                }
                break;
        }
        step.next = i - size;
    }
    m_placedAt = end;
}

}  // namespace numkern
