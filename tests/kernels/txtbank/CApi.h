/* Calls of the text library from a C translation unit. */
#ifndef TXTBANK_TEST_CAPI_H
#define TXTBANK_TEST_CAPI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

int32_t LoadFromC(const char* path, int16_t language);
int32_t TextFromC(int16_t number, int16_t language, char* buffer, int32_t size);

#ifdef __cplusplus
}
#endif

#endif
