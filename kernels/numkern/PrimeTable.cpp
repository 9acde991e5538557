#include "PrimeTable.h"

#include <algorithm>

#include "Inverse.h"

namespace numkern {

void PrimeTable::Build(uint32_t bound) {
    m_bound = std::min(bound, kMaxTablePrime);
    // Sieve of Eratosthenes over the odd numbers: index i stands for 2i + 1.
    std::array<bool, kMaxTablePrime / 2 + 1> composite{};
    const uint32_t last = m_bound < 3 ? 0 : (m_bound - 1) / 2;
    m_count = 0;
    for (uint32_t i = 1; i <= last; ++i) {
        if (composite[i]) continue;
        const uint32_t p = 2 * i + 1;
        for (uint32_t j = (p * p - 1) / 2; j <= last; j += p) composite[j] = true;
        m_primes[m_count++] = {p, InverseModulo2To32(p), UINT32_MAX / p};
    }
    const uint64_t covered = uint64_t{m_bound + 1} * (m_bound + 1) - 1;
    m_coveredLimit = static_cast<uint32_t>(std::min<uint64_t>(covered, UINT32_MAX));
}

}  // namespace numkern
