#include "stats/DecimalText.h"

#include <cstdio>

namespace stats {

std::string FormatDecimals(double value, int decimals) {
    // 340 digits before the point is the most a double can have.
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace stats
