#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "FactorRecord.h"
#include "Limits.h"

namespace numkern {

// The factor records of a run of consecutive numbers, as the block sieve left
// them, and the one step that turns a record into the caller's arrays.
class FactorBlock {
public:
    uint32_t First() const { return m_first; }
    // One past the last number held; 0 while the block is empty.
    uint32_t End() const { return m_first + m_size; }
    bool Contains(uint32_t n) const { return n - m_first < m_size; }

    // Room for the records of first .. first + size - 1 (size <= kBlockSize),
    // which the sieve fills.
    FactorRecord* Reset(uint32_t first, uint32_t size) {
        m_first = first;
        m_size = size;
        return m_records.data();
    }

    // Writes the factorisation of n (Contains(n)) and returns k. Inline and
    // free of branches that depend on n: this is the per-number cost of a run.
    int32_t Emit(uint32_t n, int32_t* primes, int16_t* exponents) const {
        const FactorRecord& record = m_records[n - m_first];
        const int twos = std::countr_zero(n);
        const uint32_t cofactor = (n >> twos) * record.inverse;

        primes[1] = 2;
        exponents[1] = static_cast<int16_t>(twos);
        int at = twos != 0 ? 2 : 1;
        // All eight slots are copied, the unused ones as zeros: a fixed-size
        // copy is cheaper than a loop that ends at a different place for every
        // number. at + 7 <= 9 stays inside the caller's arrays.
        for (int i = 0; i < kMaxRecordPrimes; ++i) {
            primes[at + i] = record.primes[i];
            exponents[at + i] = record.exponents[i];
        }
        at += record.count;

        // A cofactor above 1 is the largest prime. When it is 1, at may be 10
        // (k = 9 without it), so the write goes to slot at most 9 and keeps
        // what is there.
        const bool hasCofactor = cofactor > 1;
        const int slot = at < 10 ? at : 9;
        primes[slot] = hasCofactor ? static_cast<int32_t>(cofactor) : primes[slot];
        exponents[slot] = hasCofactor ? int16_t{1} : exponents[slot];

        // Omega: the record's exponents summed bytewise (each sum < 256).
        uint64_t packed;
        std::memcpy(&packed, record.exponents, sizeof packed);
        const uint32_t recordOmega = static_cast<uint32_t>((packed * 0x0101010101010101u) >> 56);
        primes[0] = static_cast<int32_t>((twos + recordOmega + (hasCofactor ? 1u : 0u)) & 7u);
        return at - 1 + (hasCofactor ? 1 : 0);
    }

private:
    uint32_t m_first = 0;
    uint32_t m_size = 0;
    std::array<FactorRecord, kBlockSize> m_records{};
};

}  // namespace numkern
