#include "Kernel.h"

#include <algorithm>
#include <cmath>

#include <sched.h>

#include "TrialDivision.h"

namespace numkern {
namespace {

uint32_t IntegerSquareRoot(uint32_t n) {
    auto root = static_cast<uint32_t>(std::sqrt(static_cast<double>(n)));
    while (uint64_t{root} * root > n) --root;
    while (uint64_t{root + 1} * (root + 1) <= n) ++root;
    return root;
}

// The processors this process may run on now.
int AvailableProcessors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
    return CPU_COUNT(&set);
}

// A run up to this fits in the block its first number (at least 3) starts:
// it has nothing to sieve ahead.
constexpr int32_t kOneBlockLimit = kBlockSize + 2;

}  // namespace

void Kernel::CalculatePrimes(int32_t limit) {
    m_ahead.Stop();
    // The ring's blocks are the stopped helper's; the next helper may refill them.
    m_current = &m_block;
    m_table.Build(limit < 1 ? 0 : IntegerSquareRoot(static_cast<uint32_t>(limit)));
    const bool sieveAhead = SieveThreads() > 1;
    if (sieveAhead && limit > kOneBlockLimit) {
        m_ahead.Start(m_table, std::min(static_cast<uint32_t>(limit), kMaxNumber));
    }
}

int Kernel::SieveThreads() const {
    if (m_sieveThreads > 0) return m_sieveThreads > 1 ? 2 : 1;
    return AvailableProcessors() > 1 ? 2 : 1;
}

void Kernel::SetSieveThreads(int32_t count) {
    m_sieveThreads = count < 0 ? 0 : count;
    if (count == 1) m_ahead.Stop();
}

const FactorBlock* Kernel::BlockOutsideCurrent(int32_t first, int32_t n) {
    if (n < 1 || static_cast<uint32_t>(n) > kMaxNumber) return nullptr;
    const uint32_t number = static_cast<uint32_t>(n);
    if (!m_table.Covers(number)) {
        // Beyond the run's limit: the helper, which reads the table, has nothing more to do.
        m_ahead.Stop();
        m_table.Build(kMaxTablePrime);
    }

    const bool next = number == m_current->End();
    const bool runOrder = next || n == first || number == m_afterTrialDivision;
    if (!runOrder) return nullptr;
    if (next) {
        if (const FactorBlock* block = m_ahead.Take(number)) {
            m_current = block;
            return block;
        }
    }
    // The block stops where the table's cover ends; the run's limit lies
    // within it. The ring goes on after it.
    const uint32_t end =
        std::min({number + kBlockSize, m_table.CoveredLimit() + 1, kMaxNumber + 1});
    m_current = &m_block;
    m_sieve.Sieve(m_table, number, end, m_block);
    m_ahead.Restart(end);
    return &m_block;
}

int32_t Kernel::FactorOutsideBlock(int32_t first, int32_t n, int32_t* primes, int16_t* exponents) {
    if (const FactorBlock* block = BlockOutsideCurrent(first, n)) {
        return block->Emit(static_cast<uint32_t>(n), primes, exponents);
    }
    return FactorWithoutBlock(n, primes, exponents);
}

int32_t Kernel::CountFactorsOutsideBlock(int32_t first, int32_t n) {
    if (const FactorBlock* block = BlockOutsideCurrent(first, n)) {
        return block->EmitCounts(static_cast<uint32_t>(n));
    }
    int32_t primes[10];
    int16_t exponents[10] = {};
    const int32_t k = FactorWithoutBlock(n, primes, exponents);
    if (primes[0] < 0) return -1;
    return PackCounts(static_cast<uint32_t>(k), static_cast<uint32_t>(primes[0]),
                      static_cast<uint32_t>(k == 1 && exponents[1] == 1));
}

int32_t Kernel::FactorWithoutBlock(int32_t n, int32_t* primes, int16_t* exponents) {
    if (n < 1 || static_cast<uint32_t>(n) > kMaxNumber) {
        primes[0] = -1;
        return 0;
    }
    const uint32_t number = static_cast<uint32_t>(n);
    m_afterTrialDivision = number + 1;
    return TrialDivide(m_table, number, primes, exponents);
}

}  // namespace numkern
