#include "Kernel.h"

#include <algorithm>
#include <cmath>

#include "TrialDivision.h"

namespace numkern {
namespace {

uint32_t IntegerSquareRoot(uint32_t n) {
    auto root = static_cast<uint32_t>(std::sqrt(static_cast<double>(n)));
    while (uint64_t{root} * root > n) --root;
    while (uint64_t{root + 1} * (root + 1) <= n) ++root;
    return root;
}

}  // namespace

void Kernel::CalculatePrimes(int32_t limit) {
    m_table.Build(limit < 1 ? 0 : IntegerSquareRoot(static_cast<uint32_t>(limit)));
}

int32_t Kernel::FactorOutsideBlock(int32_t first, int32_t n, int32_t* primes,
                                   int16_t* exponents) {
    if (n < 1 || static_cast<uint32_t>(n) > kMaxNumber) {
        primes[0] = -1;
        return 0;
    }
    const uint32_t number = static_cast<uint32_t>(n);
    if (!m_table.Covers(number)) m_table.Build(kMaxTablePrime);

    const bool runOrder = n == first || number == m_block.End() || number == m_afterTrialDivision;
    if (!runOrder) {
        m_afterTrialDivision = number + 1;
        return TrialDivide(m_table, number, primes, exponents);
    }
    // The block stops where the table's cover ends; the run's limit lies
    // within it.
    const uint32_t end = std::min({number + kBlockSize, m_table.CoveredLimit() + 1, kMaxNumber + 1});
    m_sieve.Sieve(m_table, number, end, m_block);
    return m_block.Emit(number, primes, exponents);
}

}  // namespace numkern
