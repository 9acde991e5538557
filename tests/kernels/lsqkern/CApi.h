/* Calls of the line-fit library from a C translation unit. */
#ifndef LSQKERN_TEST_CAPI_H
#define LSQKERN_TEST_CAPI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Fits the n points through a record filled in C; returns fit's result and
 * leaves the intercept and slope in *a and *b. */
int32_t FitFromC(const double* x, const double* y, int32_t n, double* a, double* b);

#ifdef __cplusplus
}
#endif

#endif
