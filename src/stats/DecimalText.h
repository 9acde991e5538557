#pragma once

#include <string>

namespace stats {

// `value` with exactly `decimals` decimals, a leading zero and a minus sign
// when negative ("0.052", "-1.302"), in the C library's current locale.
std::string FormatDecimals(double value, int decimals);

}  // namespace stats
