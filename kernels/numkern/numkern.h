/* numkern: the number-theory kernel of Primorator.
 *
 * A C ABI, loaded by name at run time. Every argument is a fixed-width
 * integer or a pointer; nothing here prints, allocates for the caller or
 * reports an error: callers check only the results described below.
 *
 * Numbers are signed 32-bit and lie in 0 .. 2,147,483,646.
 *
 * Palmen colour rule: the colour of n is Omega(n) mod 8, where Omega(n)
 * counts the prime factors of n with multiplicity. Every prime is 1 (red),
 * a product of two primes 2 (green), 8 = 2^3 is 3 (yellow), 2^8 = 256 is
 * 0 (black). The program itself gives 1 the colour 0 and 2 the colour 1,
 * which this rule agrees with.
 */
#ifndef NUMKERN_H
#define NUMKERN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(NUMKERN_BUILDING)
#define NUMKERN_API __attribute__((visibility("default")))
#else
#define NUMKERN_API
#endif

/* Prepares the kernel for a run whose numbers go up to `limit`: builds the
 * table of the primes up to sqrt(limit). Called once per run before its first
 * factor(). A limit below 3 leaves the table empty; factor() still answers
 * correctly then, and also without any call of calculate_primes. Cost:
 * O(sqrt(limit)), at most about 0.1 ms.
 *
 * With two sieve threads (set_sieve_threads) it also starts the
 * run's helper thread, which sieves the blocks after the one factor() serves
 * from, while the caller works through it; a limit up to 32,770, which one
 * block holds, starts none. A helper still running from the last run is
 * stopped and joined first, so at most one runs at a time. The helper is
 * named "numkern-sieve" among the process's threads. */
NUMKERN_API void calculate_primes(int32_t limit);

/* Factors n. `first` is the first number of the run (the same in every call
 * of a run). Calls for n = first, first + 1, ... are served from a block of
 * consecutive numbers that a factorisation sieve fills 32,768 at a time, a
 * few nanoseconds per number; the run's helper thread sieves the next blocks
 * meanwhile, and the caller meets it once per block, waiting only when the
 * block it needs is not ready yet. Any n in 1 .. 2,147,483,646 in any order
 * gets a correct answer too: a number out of that order is factored by trial
 * division (up to about 5,000 tests), and the number after it starts a block
 * again, from which the helper goes on; a number beyond the run's limit
 * stops the helper.
 *
 * Returns k, the number of distinct primes (0 for n = 1). primes[1..k] are
 * the distinct primes ascending, exponents[1..k] their exponents; primes[0]
 * is the Palmen colour index 0..7 (see above). Both arrays hold 10 elements,
 * and nothing beyond element 9 is touched. Elements above k may be
 * overwritten: prime elements with any value, exponent elements only with 0,
 * so exponents the caller cleared stay 0; exponents[0] may be set to 0.
 * An n outside 1 .. 2,147,483,646 returns 0 and writes only primes[0] = -1. */
NUMKERN_API int32_t factor(int32_t first, int32_t n, int32_t* primes, int16_t* exponents);

/* What factor(first, n, ...) would tell of n without its primes, for callers
 * that need only the counts: k (the number of distinct primes) in bits 0-7,
 * the Palmen colour index 0..7 in bits 8-15, and in bit 16 a 1 when n is
 * prime (one prime with exponent 1), else 0. Served as factor() is, in the
 * same run: calls of the two may be mixed, and the order rules are the same.
 * It costs the caller about half of what factor() does, as nothing is
 * written. An n outside 1 .. 2,147,483,646 returns -1. */
NUMKERN_API int32_t count_factors(int32_t first, int32_t n);

/* For each n of first .. first + count - 1 (all within 1 .. 2,147,483,646),
 * writes into counts[n - first] what count_factors tells of n but primality:
 * k (the number of distinct primes) in bits 0-3 and the Palmen colour index
 * in bits 4-6. Returns count; 0, writing nothing, for a null `counts`, a
 * count below 1 or numbers outside that range. Independent of any run and of
 * calculate_primes. A sieve of the counts, about 2 ns per number per thread;
 * with two sieve threads (set_sieve_threads) a block of 2^17 numbers or more
 * is shared with a second thread, which ends with the call. */
NUMKERN_API int32_t factor_counts(int32_t first, int32_t count, uint8_t* counts);

/* Ends the run: stops the run's helper thread and joins it; nothing when none
 * runs. Called when a run ends, at its limit, on Stop or earlier; factor()
 * still answers correctly after it, every block then sieved by the caller.
 * The helper never outlives the library either: unloading it, or the
 * process's exit, joins it. Cost: at most the one block the helper is
 * sieving, about 0.1 ms. */
NUMKERN_API void finish_run(void);

/* How many threads sieve a run's blocks: 1, every block in the thread that
 * calls factor(); 2 (and any count above 1), a helper thread besides; 0 (and
 * any count below), the default: 2 when the process may run on two
 * processors or more (its CPU affinity when calculate_primes is called),
 * else 1. Takes effect at the next calculate_primes(); 1 also stops a helper
 * still running. On the 2-core machines measured, factor() with the helper
 * costs the caller about 3.5 ns per number instead of about 6. */
NUMKERN_API void set_sieve_threads(int32_t count);

/* 1 when n is prime, 0 otherwise; the second argument is ignored (callers
 * pass n twice). Exact for every n in 0 .. 2,147,483,646 without any prime
 * table: Miller-Rabin to the bases 2, 3, 5 and 7, which no composite below
 * 3,215,031,751 passes. A number outside that range gives 0. Cost: at most
 * about a microsecond, fit for every key press. */
NUMKERN_API int16_t is_prime(int32_t n, int32_t unused);

/* The number of primes p with lo <= p <= hi. The range is clamped to
 * 0 .. 2,147,483,646: 0 when hi < lo or the range lies wholly outside it;
 * count_primes(-5, 10) is 4. Independent of calculate_primes and of any run.
 * Counted by a sieve of Eratosthenes (primesieve) with the threads that
 * set_sieve_threads chooses: about 1.7 ms per 2^24 numbers in one thread, of
 * which about 0.4 ms is a set-up that every call pays, however short its range.
 * -1 when the count cannot be made (primesieve fails, e.g. for want of memory);
 * so for count_prime_pairs, next_primes and count_primes_mod. */
NUMKERN_API int64_t count_primes(int32_t lo, int32_t hi);

/* The number of prime pairs (p, p + 2) with lo <= p and p + 2 <= hi, the
 * range clamped as for count_primes: count_prime_pairs(1, 100) is 8, (3, 5)
 * to (71, 73). Counted by primesieve like count_primes, at about the same cost. */
NUMKERN_API int64_t count_prime_pairs(int32_t lo, int32_t hi);

/* Writes the primes p with lo <= p <= hi (clamped as for count_primes), in
 * ascending order and at most `capacity` of them, into `primes`; returns how
 * many were written (0 for a null `primes` or a capacity below 1). A call
 * whose lo is the number after the last prime the previous call wrote (or
 * after its hi, when that call wrote fewer than its capacity) goes on from
 * there; so a run lists its primes in calls of some thousands at sieve speed,
 * about 2 ns per prime on the calling thread. Any other lo costs a new start,
 * O(sqrt(hi)). Independent of calculate_primes and of factor(). */
NUMKERN_API int32_t next_primes(int32_t lo, int32_t hi, int32_t* primes, int32_t capacity);

/* The number of primes p with lo <= p <= hi (clamped as for count_primes)
 * and p mod modulus equal to residue1 or to residue2: the primes of one or
 * two arithmetic progressions. A residue outside 0 .. modulus - 1 matches no
 * prime (pass -1 for "none"); a modulus below 1 gives 0. The primes of the
 * range are generated by primesieve on the calling thread and each is
 * tested: about 1.5 ns per number of the range, whatever the modulus. */
NUMKERN_API int64_t count_primes_mod(int32_t lo, int32_t hi, int32_t modulus, int32_t residue1,
                                     int32_t residue2);

/* Writes `text` (decimal digits, trimmed, an optional leading minus) into
 * `output` with `separator` (a character code: 44 comma, 32 space, 39
 * apostrophe) between groups of three digits counted from the right,
 * followed by a NUL; "-123456" gives "-123,456". `output` is a buffer of 20
 * characters: at most 19 are written before the NUL, so a longer result is
 * cut after its last digit that fits, never ending in a separator. A null
 * `text` gives "", a null `output` is left alone. */
NUMKERN_API void separate_thousands(const char* text, int32_t separator, char* output);

#ifdef __cplusplus
}
#endif

#endif
