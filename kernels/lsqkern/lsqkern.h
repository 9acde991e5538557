/* lsqkern: the line-fit library of Primorator.
 *
 * A C ABI, loaded by name at run time. The program hands it the points of a
 * histogram in one record and reads back the least-squares straight line
 * y = a + b·x. Nothing here prints, allocates or keeps state between calls.
 *
 * Record layout: the fields keep the order and widths of the library's
 * original 32-bit record, which was 68 bytes (three 4-byte pointers, n, then
 * six doubles and a final int32, no padding). With 8-byte pointers on x86-64
 * the three pointers take 24 bytes and the doubles align to 8, so the record
 * is 88 bytes there; the assertions at the end of this header hold each
 * platform to its layout.
 */
#ifndef LSQKERN_H
#define LSQKERN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(LSQKERN_BUILDING)
#define LSQKERN_API __attribute__((visibility("default")))
#else
#define LSQKERN_API
#endif

/* Results left in `status` (and returned by fit). */
enum {
    LSQ_OK = 0,
    LSQ_BAD_RECORD = 1,     /* x or y is NULL; nothing else is written */
    LSQ_TOO_FEW_POINTS = 2, /* n < 2: a, b and the four further doubles are NaN */
    LSQ_SAME_X = 3          /* every x is the same: no line; outputs are NaN */
};

typedef struct lsq_fit_record {
    const double* x; /* in: the n abscissas */
    const double* y; /* in: the n ordinates */
    const double* w; /* in: weights; not read (the program passes zeros) */
    int32_t n;       /* in: the number of points */
    double a;        /* out: the intercept */
    double b;        /* out: the slope */
    double cov00;    /* out: variance of a */
    double cov01;    /* out: covariance of a and b */
    double cov11;    /* out: variance of b */
    double sumsq;    /* out: sum of the squared residuals */
    int32_t status;  /* out: LSQ_OK or a failure above; the program clears it
                        before the call and does not read it */
} lsq_fit_record;

/* Fits y = a + b·x to the points (x[i], y[i]), i = 0 .. n - 1, by ordinary
 * least squares. The covariances are estimated from the residuals with
 * n - 2 degrees of freedom, so they are not finite for n = 2. Writes the
 * outputs and `status`, and returns `status`; a NULL record returns
 * LSQ_BAD_RECORD. Cost: two passes over the points. */
LSQKERN_API int32_t fit(lsq_fit_record* record);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
#define LSQKERN_ASSERT static_assert
#else
#define LSQKERN_ASSERT _Static_assert
#endif

#if defined(__x86_64__)
LSQKERN_ASSERT(offsetof(lsq_fit_record, n) == 24, "n follows the three pointers");
LSQKERN_ASSERT(offsetof(lsq_fit_record, a) == 32, "a is 8-aligned");
LSQKERN_ASSERT(offsetof(lsq_fit_record, cov00) == 48, "the four further doubles follow b");
LSQKERN_ASSERT(offsetof(lsq_fit_record, status) == 80, "status follows sumsq");
LSQKERN_ASSERT(sizeof(lsq_fit_record) == 88, "the x86-64 record is 88 bytes");
#elif defined(__i386__)
LSQKERN_ASSERT(offsetof(lsq_fit_record, n) == 12, "n follows the three pointers");
LSQKERN_ASSERT(offsetof(lsq_fit_record, a) == 16, "a follows n");
LSQKERN_ASSERT(offsetof(lsq_fit_record, cov00) == 32, "the four further doubles follow b");
LSQKERN_ASSERT(offsetof(lsq_fit_record, status) == 64, "status follows sumsq");
LSQKERN_ASSERT(sizeof(lsq_fit_record) == 68, "the 32-bit record is 68 bytes");
#endif

#undef LSQKERN_ASSERT

#endif
