#pragma once

// Factoring by trial division, and what follows from a factorisation,
// written without the program's code.

#include <cstdint>
#include <vector>

#include "numlib/FactorResult.h"

namespace oracle {

// p^e, a factor of a factorisation.
struct PrimePower {
    int32_t prime = 0;
    int exponent = 0;
};

// The prime powers of n, primes ascending; empty for n <= 1.
std::vector<PrimePower> PrimePowers(int32_t n);

// The factorisation of n >= 1 as the kernel's factor() gives it: elements
// 1..count, the rest 0, and `color` in element 0 of the primes.
numlib::FactorResult FactorResultOf(int32_t n, int16_t color = -1);

// The counts of n's factorisation as the kernel's count_factors() gives them:
// distinct primes, Palmen colour and primality, from one factoring.
numlib::FactorCounts FactorCountsOf(int32_t n);

// The number of distinct primes dividing n; 0 for n <= 1.
int CountDistinctPrimes(int32_t n);

// The number of prime factors of n counted with multiplicity; 0 for n <= 1.
int CountPrimeFactors(int32_t n);

// The Palmen colour of n >= 1: its prime factors with multiplicity, mod 8
// (0 for 1).
int PalmenColor(int32_t n);

// Whether n is prime; false below 2.
bool IsPrime(int32_t n);

// Every divisor of n >= 1, ascending (1 and n among them).
std::vector<int32_t> Divisors(int32_t n);

// The divisors d of n >= 1 with 1 < d < n, ascending: empty for 1 and the primes.
std::vector<int32_t> ProperDivisors(int32_t n);

}  // namespace oracle
