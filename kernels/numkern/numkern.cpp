// Provisional kernel: trial division, correct for every n; the segmented
// factorisation sieve replaces it.
#include "numkern.h"

#include <cstring>

namespace {

int32_t TrialFactor(int32_t n, int32_t* primes, int16_t* exponents) {
    if (n < 1) { primes[0] = -1; return 0; }
    int k = 0, omega = 0;
    uint32_t m = static_cast<uint32_t>(n);
    for (uint32_t p = 2; p * p <= m; p += (p == 2 ? 1 : 2)) {
        if (m % p == 0) {
            int e = 0;
            while (m % p == 0) { m /= p; ++e; }
            ++k; primes[k] = static_cast<int32_t>(p); exponents[k] = static_cast<int16_t>(e);
            omega += e;
        }
    }
    if (m > 1) { ++k; primes[k] = static_cast<int32_t>(m); exponents[k] = 1; ++omega; }
    primes[0] = omega % 8;
    return k;
}

}  // namespace

extern "C" {

void calculate_primes(int32_t) {}

int32_t factor(int32_t, int32_t n, int32_t* primes, int16_t* exponents) {
    if (n > 2147483646) { primes[0] = -1; return 0; }
    return TrialFactor(n, primes, exponents);
}

int16_t is_prime(int32_t n, int32_t) {
    if (n < 2) return 0;
    for (int64_t p = 2; p * p <= n; ++p) if (n % p == 0) return 0;
    return 1;
}

void separate_thousands(const char* text, int32_t separator, char* output) {
    size_t len = std::strlen(text);
    bool neg = len > 0 && text[0] == '-';
    const char* d = text + (neg ? 1 : 0);
    size_t nd = len - (neg ? 1 : 0);
    size_t o = 0;
    if (neg) output[o++] = '-';
    for (size_t i = 0; i < nd && o < 19; ++i) {
        if (i > 0 && (nd - i) % 3 == 0 && o < 19) output[o++] = static_cast<char>(separator);
        if (o < 19) output[o++] = d[i];
    }
    output[o] = '\0';
}

}
