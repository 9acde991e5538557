#pragma once

#include <cstdint>

namespace oracle {

// The EK value of n >= 3: (distinct primes of n - ln ln n) / sqrt(ln ln n),
// in double precision.
double EkValue(int32_t n);

}  // namespace oracle
