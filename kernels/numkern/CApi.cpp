// The exported C functions: thin calls into the kernel's static state.
#include "numkern.h"

#include "DigitGrouping.h"
#include "FactorCounts.h"
#include "Kernel.h"
#include "Limits.h"
#include "MillerRabin.h"
#include "PrimeCount.h"
#include "PrimeList.h"

namespace {

// Its destructor joins the helper thread when the library is unloaded or the
// process exits.
constinit numkern::Kernel g_kernel;
numkern::PrimeList g_primes;
numkern::FactorCounts g_counts;

}  // namespace

extern "C" {

void calculate_primes(int32_t limit) { g_kernel.CalculatePrimes(limit); }

int32_t factor(int32_t first, int32_t n, int32_t* primes, int16_t* exponents) {
    return g_kernel.Factor(first, n, primes, exponents);
}

int32_t count_factors(int32_t first, int32_t n) { return g_kernel.CountFactors(first, n); }

void finish_run(void) { g_kernel.FinishRun(); }

void set_sieve_threads(int32_t count) { g_kernel.SetSieveThreads(count); }

int16_t is_prime(int32_t n, int32_t /*unused*/) {
    if (n < 0 || static_cast<uint32_t>(n) > numkern::kMaxNumber) return 0;
    return numkern::IsPrimeMillerRabin(static_cast<uint32_t>(n)) ? 1 : 0;
}

int64_t count_primes(int32_t lo, int32_t hi) {
    return numkern::CountPrimes(lo, hi, g_kernel.SieveThreads());
}

int64_t count_prime_pairs(int32_t lo, int32_t hi) {
    return numkern::CountPrimePairs(lo, hi, g_kernel.SieveThreads());
}

int32_t factor_counts(int32_t first, int32_t count, uint8_t* counts) {
    return g_counts.Fill(first, count, counts, g_kernel.SieveThreads());
}

int32_t next_primes(int32_t lo, int32_t hi, int32_t* primes, int32_t capacity) {
    if (primes == nullptr) return 0;
    return g_primes.Next(lo, hi, primes, capacity);
}

int64_t count_primes_mod(int32_t lo, int32_t hi, int32_t modulus, int32_t residue1,
                         int32_t residue2) {
    return numkern::CountPrimesModulo(lo, hi, modulus, residue1, residue2);
}

void separate_thousands(const char* text, int32_t separator, char* output) {
    if (output == nullptr) return;
    numkern::SeparateThousands(text, static_cast<char>(separator), output);
}
}
