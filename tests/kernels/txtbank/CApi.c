/* Compiled as C: the library's header must be clean C. */
#include "txtbank.h"

#include "CApi.h"

int32_t LoadFromC(const char* path, int16_t language) { return lt(path, language); }

int32_t TextFromC(int16_t number, int16_t language, char* buffer, int32_t size) {
    return gt(number, language, buffer, size, 1);
}
