#include "MillerRabin.h"

#include <bit>

namespace numkern {
namespace {

constexpr uint32_t kBases[] = {2, 3, 5, 7};

uint32_t MultiplyModulo(uint32_t a, uint32_t b, uint32_t n) {
    return static_cast<uint32_t>(uint64_t{a} * b % n);
}

// True when n passes the strong probable-prime test to `base`, with
// n - 1 = odd * 2^twos.
bool IsStrongProbablePrime(uint32_t n, uint32_t base, uint32_t odd, int twos) {
    uint32_t x = 1;
    uint32_t square = base % n;
    for (uint32_t e = odd; e != 0; e >>= 1) {
        if (e & 1u) x = MultiplyModulo(x, square, n);
        square = MultiplyModulo(square, square, n);
    }
    if (x == 1 || x == n - 1) return true;
    for (int i = 1; i < twos; ++i) {
        x = MultiplyModulo(x, x, n);
        if (x == n - 1) return true;
    }
    return false;
}

}  // namespace

bool IsPrimeMillerRabin(uint32_t n) {
    if (n < 2) return false;
    for (uint32_t p : kBases) {
        if (n % p == 0) return n == p;
    }
    // Free of the factors 2, 3, 5, 7 and below 11^2: prime.
    if (n < 121) return true;
    const int twos = std::countr_zero(n - 1);
    const uint32_t odd = (n - 1) >> twos;
    for (uint32_t base : kBases) {
        if (!IsStrongProbablePrime(n, base, odd, twos)) return false;
    }
    return true;
}

}  // namespace numkern
