/* The kernel's header compiled as C: it must stay free of C++. */
#include "CApiCheck.h"

#include <string.h>

#include "numkern.h"

int NumkernCApiCheck(void) {
    int32_t primes[10];
    int16_t exponents[10] = {0};
    char output[20];
    int32_t k;

    calculate_primes(1000);
    /* 360 = 2^3 * 3^2 * 5: Omega 6. */
    k = factor(3, 360, primes, exponents);
    if (k != 3) return 1;
    if (primes[1] != 2 || primes[2] != 3 || primes[3] != 5) return 2;
    if (exponents[1] != 3 || exponents[2] != 2 || exponents[3] != 1) return 3;
    if (primes[0] != 6) return 4;
    /* 997 is prime: Omega 1. */
    memset(exponents, 0, sizeof exponents);
    k = factor(3, 997, primes, exponents);
    if (k != 1 || primes[1] != 997 || exponents[1] != 1 || primes[0] != 1) return 5;
    if (factor(3, 0, primes, exponents) != 0 || primes[0] != -1) return 6;
    if (is_prime(997, 997) != 1 || is_prime(1001, 1001) != 0) return 7;
    memset(output, ' ', sizeof output);
    separate_thousands("-1234567", ',', output);
    if (strcmp(output, "-1,234,567") != 0) return 8;
    /* 25 primes up to 100; 2^31 - 1 lies beyond the span. */
    if (count_primes(0, 100) != 25 || count_primes(100, 0) != 0) return 9;
    if (count_primes(2147483647, 2147483647) != 0) return 10;
    /* A run with the helper, ended early, then one without it; 1,000,003 is prime. */
    set_sieve_threads(2);
    calculate_primes(2000000);
    memset(exponents, 0, sizeof exponents);
    if (factor(1000000, 1000000, primes, exponents) != 2 || exponents[1] != 6) return 11;
    finish_run();
    set_sieve_threads(1);
    calculate_primes(2000000);
    memset(exponents, 0, sizeof exponents);
    if (factor(1000003, 1000003, primes, exponents) != 1 || exponents[1] != 1) return 12;
    /* 360 = 2^3 3^2 5: k 3, Omega 6; 1,000,003 prime: k 1, colour 1. */
    if (count_factors(3, 360) != (3 | 6 << 8)) return 13;
    if (count_factors(1000003, 1000003) != (1 | 1 << 8 | 1 << 16)) return 14;
    if (count_factors(3, 0) != -1) return 15;
    finish_run();
    set_sieve_threads(0);
    return 0;
}
