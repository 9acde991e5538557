#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#include <emmintrin.h>

#include "FactorRecord.h"
#include "Limits.h"

namespace numkern {

// count_factors' result: k in bits 0-7, the Palmen colour in bits 8-15, 1 in
// bit 16 for a prime.
inline int32_t PackCounts(uint32_t k, uint32_t colour, uint32_t prime) {
    return static_cast<int32_t>(k | colour << 8 | prime << 16);
}

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
        const FactorRecord* const record = m_records.data() + (n - m_first);
        // Records a helper thread sieved sit in the other core's cache;
        // asking for them this far ahead hides that core's latency (with one
        // thread they are in this core's L2 and the request costs next to
        // nothing). Near the block's end it asks for memory that stays unread.
        __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(record) +
                                                         kPrefetchDistance * sizeof(FactorRecord)));
        const uint32_t twos = static_cast<uint32_t>(__builtin_ctz(n));  // n >= 1
        const uint32_t hasTwo = ZeroOrOne(twos);
        const uint32_t cofactor = (n >> twos) * record->inverse;
        const uint32_t hasCofactor = ZeroOrOne(cofactor - 1);
        const uint32_t last = hasTwo + record->count;

        primes[1] = 2;
        exponents[1] = static_cast<int16_t>(twos);
        // All eight slots are copied, the unused ones as zeros, in three
        // stores: cheaper than a loop that ends at a different place for every
        // number. Slot 1 + hasTwo + 7 <= 9 stays inside the caller's arrays.
        const __m128i zero = _mm_setzero_si128();
        const __m128i recordPrimes =
            _mm_load_si128(reinterpret_cast<const __m128i*>(record->primes));
        const __m128i recordExponents =
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(record->exponents));
        int32_t* const oddPrimes = primes + 1 + hasTwo;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(oddPrimes),
                         _mm_unpacklo_epi16(recordPrimes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(oddPrimes + 4),
                         _mm_unpackhi_epi16(recordPrimes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(exponents + 1 + hasTwo),
                         _mm_unpacklo_epi8(recordExponents, zero));
        // Omega of the odd sieved part: the sum of the exponent bytes.
        const uint32_t recordOmega =
            static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_sad_epu8(recordExponents, zero)));

        // A cofactor above 1 is the largest prime. It is written whatever it
        // is, as an unconditional store costs less than a mispredicted branch:
        // a cofactor 1 goes to the slot after the last prime with exponent 0,
        // or, when k = 9 fills the arrays, to slot 0, which the colour
        // overwrites.
        const uint32_t slot = last < 9 ? last + 1 : 0;
        primes[slot] = static_cast<int32_t>(cofactor);
        exponents[slot] = static_cast<int16_t>(hasCofactor);

        primes[0] = static_cast<int32_t>((twos + recordOmega + hasCofactor) & 7u);
        return static_cast<int32_t>(last + hasCofactor);
    }

    // What count_factors returns for n (Contains(n)): the counts of Emit's
    // factorisation, with nothing written.
    int32_t EmitCounts(uint32_t n) const {
        const FactorRecord* const record = m_records.data() + (n - m_first);
        __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(record) +
                                                         kPrefetchDistance * sizeof(FactorRecord)));
        const uint32_t twos = static_cast<uint32_t>(__builtin_ctz(n));
        const uint32_t hasCofactor = ZeroOrOne((n >> twos) * record->inverse - 1);
        const __m128i recordExponents =
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(record->exponents));
        const uint32_t omega = twos + hasCofactor +
                               static_cast<uint32_t>(_mm_cvtsi128_si32(
                                   _mm_sad_epu8(recordExponents, _mm_setzero_si128())));
        // A prime has Omega 1: one prime with exponent 1.
        const uint32_t prime = 1 - ZeroOrOne(omega ^ 1u);
        return PackCounts(ZeroOrOne(twos) + record->count + hasCofactor, omega & 7u, prime);
    }

private:
    // 1 when x (below 2^31) is not 0, else 0. Written as arithmetic: the
    // compiler's set-on-condition writes only a register's low byte, which
    // makes each number wait for the register's value from the number before.
    static uint32_t ZeroOrOne(uint32_t x) { return (0u - x) >> 31; }

    // In records: 2 KiB ahead; 32 to 192 measured the same.
    static constexpr uintptr_t kPrefetchDistance = 64;

    uint32_t m_first = 0;
    uint32_t m_size = 0;
    std::array<FactorRecord, kBlockSize> m_records{};
};

}  // namespace numkern
