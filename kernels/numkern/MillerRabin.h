#pragma once

#include <cstdint>

namespace numkern {

// True when n is prime. Exact for every n below 3,215,031,751, the smallest
// strong pseudoprime to the bases 2, 3, 5 and 7, so for every number the
// kernel serves; needs no prime table. Cost: at most four modular powers of
// about 31 squarings each.
bool IsPrimeMillerRabin(uint32_t n);

}  // namespace numkern
