#pragma once

#ifdef __cplusplus
extern "C" {
#endif

/* Calls each export of the kernel from C with numbers whose answers are
 * known; returns 0 when all of them are right, else the number of the first
 * wrong check. */
int NumkernCApiCheck(void);

#ifdef __cplusplus
}
#endif
