#include "DigitGrouping.h"

namespace oracle {

std::string GroupDigits(int64_t n, char separator) {
    // The magnitude unsigned, so that the most negative number has one too.
    uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    std::string reversed;
    for (int digits = 0; digits == 0 || magnitude > 0; ++digits, magnitude /= 10) {
        if (digits > 0 && digits % 3 == 0 && separator != 0) reversed += separator;
        reversed += static_cast<char>('0' + magnitude % 10);
    }
    if (n < 0) reversed += '-';
    return {reversed.rbegin(), reversed.rend()};
}

}  // namespace oracle
