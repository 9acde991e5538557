#include "TrialDivision.h"

#include <bit>

namespace numkern {

int32_t TrialDivide(const PrimeTable& table, uint32_t n, int32_t* primes, int16_t* exponents) {
    int32_t k = 0;
    uint32_t omega = 0;
    const int twos = std::countr_zero(n);
    if (twos != 0) {
        ++k;
        primes[k] = 2;
        exponents[k] = static_cast<int16_t>(twos);
        omega += static_cast<uint32_t>(twos);
    }
    uint32_t rest = n >> twos;
    for (const TablePrime& entry : table) {
        if (entry.prime * entry.prime > rest) break;
        if (rest * entry.inverse > entry.maxQuotient) continue;
        int16_t exponent = 0;
        do {
            rest *= entry.inverse;
            ++exponent;
        } while (rest * entry.inverse <= entry.maxQuotient);
        ++k;
        primes[k] = static_cast<int32_t>(entry.prime);
        exponents[k] = exponent;
        omega += static_cast<uint32_t>(exponent);
    }
    if (rest > 1) {
        ++k;
        primes[k] = static_cast<int32_t>(rest);
        exponents[k] = 1;
        ++omega;
    }
    primes[0] = static_cast<int32_t>(omega & 7u);
    return k;
}

}  // namespace numkern
