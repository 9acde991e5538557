#include "DigitGrouping.h"

#include <cstring>

namespace numkern {

void SeparateThousands(const char* text, char separator, char* output) {
    int at = 0;
    if (text != nullptr) {
        const char* digits = text;
        if (*digits == '-') output[at++] = *digits++;
        const size_t count = std::strlen(digits);
        for (size_t i = 0; i < count && at < kMaxGroupedLength; ++i) {
            if (i != 0 && (count - i) % 3 == 0) {
                // A separator only with room for the digit after it.
                if (at + 2 > kMaxGroupedLength) break;
                output[at++] = separator;
            }
            output[at++] = digits[i];
        }
    }
    output[at] = '\0';
}

}  // namespace numkern
