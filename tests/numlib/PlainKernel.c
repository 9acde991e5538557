/* A kernel with only the four functions every kernel has, by plain trial
 * division: what the program must still serve with, its own kernel's extra
 * functions missing. */
#include <stdint.h>
#include <string.h>

#define PLAIN_API __attribute__((visibility("default")))

PLAIN_API void calculate_primes(int32_t limit) { (void)limit; }

PLAIN_API int32_t factor(int32_t first, int32_t n, int32_t* primes, int16_t* exponents) {
    (void)first;
    if (n < 1 || n > 2147483646) {
        primes[0] = -1;
        return 0;
    }
    int32_t k = 0;
    int omega = 0;
    int64_t rest = n;
    for (int64_t p = 2; p * p <= rest; ++p) {
        if (rest % p != 0) continue;
        ++k;
        primes[k] = (int32_t)p;
        exponents[k] = 0;
        while (rest % p == 0) {
            rest /= p;
            ++exponents[k];
            ++omega;
        }
    }
    if (rest > 1) {
        ++k;
        primes[k] = (int32_t)rest;
        exponents[k] = 1;
        ++omega;
    }
    primes[0] = omega % 8;
    return k;
}

PLAIN_API int16_t is_prime(int32_t n, int32_t unused) {
    (void)unused;
    if (n < 2) return 0;
    for (int64_t d = 2; d * d <= n; ++d) {
        if (n % d == 0) return 0;
    }
    return 1;
}

/* Digits grouped in threes from the right; the program passes at most 11
 * characters. */
PLAIN_API void separate_thousands(const char* text, int32_t separator, char* output) {
    if (output == NULL) return;
    if (text == NULL) {
        output[0] = '\0';
        return;
    }
    const size_t length = strlen(text);
    const size_t sign = length > 0 && text[0] == '-' ? 1 : 0;
    size_t out = 0;
    for (size_t i = 0; i < length && out < 19; ++i) {
        const size_t left = length - i; /* digits from here to the end */
        if (i > sign && left % 3 == 0 && out < 18) output[out++] = (char)separator;
        output[out++] = text[i];
    }
    output[out] = '\0';
}
