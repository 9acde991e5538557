#pragma once

#include <array>
#include <cstdint>

#include "Limits.h"

namespace numkern {

// True when n is prime; plain trial division, for sizes fixed at compile time.
constexpr bool IsPrimeByTrialDivision(uint32_t n) {
    if (n < 2) return false;
    for (uint32_t d = 2; d * d <= n; ++d) {
        if (n % d == 0) return false;
    }
    return true;
}

// The number of odd primes up to `bound`.
constexpr uint32_t CountOddPrimes(uint32_t bound) {
    uint32_t count = 0;
    for (uint32_t n = 3; n <= bound; n += 2) count += IsPrimeByTrialDivision(n) ? 1 : 0;
    return count;
}

// An odd prime with what divisibility tests and exact divisions need:
// p divides m (m < 2^32) exactly when m * inverse <= maxQuotient, and then
// m / p = m * inverse (mod 2^32).
struct TablePrime {
    uint32_t prime;
    uint32_t inverse;
    uint32_t maxQuotient;
};

// The odd primes up to a bound of at most kMaxTablePrime, ascending. It
// covers the numbers whose prime factors up to their square root it holds:
// with bound b, every n < (b + 1)^2.
class PrimeTable {
public:
    static constexpr uint32_t kCapacity = CountOddPrimes(kMaxTablePrime);

    // Holds the odd primes up to min(bound, kMaxTablePrime). Cost O(bound).
    void Build(uint32_t bound);

    uint32_t Bound() const { return m_bound; }
    // The largest number the table covers; 0 before the first Build.
    uint32_t CoveredLimit() const { return m_coveredLimit; }
    bool Covers(uint32_t n) const { return n <= m_coveredLimit; }

    const TablePrime* begin() const { return m_primes.data(); }
    const TablePrime* end() const { return m_primes.data() + m_count; }

private:
    std::array<TablePrime, kCapacity> m_primes{};
    uint32_t m_count = 0;
    uint32_t m_bound = 0;
    uint32_t m_coveredLimit = 0;
};

}  // namespace numkern
