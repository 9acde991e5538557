/* The extra functions of the program's kernel, each reporting that it
 * failed (as primesieve's failure to get memory makes them): with the plain
 * kernel's four, a kernel whose every fast path fails. */
#include <stdint.h>

#define FAILING_API __attribute__((visibility("default")))

FAILING_API int64_t count_primes(int32_t lo, int32_t hi) {
    (void)lo;
    (void)hi;
    return -1;
}

FAILING_API int64_t count_prime_pairs(int32_t lo, int32_t hi) {
    (void)lo;
    (void)hi;
    return -1;
}

FAILING_API int32_t next_primes(int32_t lo, int32_t hi, int32_t* primes, int32_t capacity) {
    (void)lo;
    (void)hi;
    (void)primes;
    (void)capacity;
    return -1;
}

/* Refuses the block, writing nothing. */
FAILING_API int32_t factor_counts(int32_t first, int32_t count, uint8_t* counts) {
    (void)first;
    (void)count;
    (void)counts;
    return 0;
}
