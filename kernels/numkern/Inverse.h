#pragma once

#include <cstdint>

namespace numkern {

// The inverse of an odd number modulo 2^32. Multiplying by it divides exactly
// whenever the division leaves no remainder, which lets the kernel take prime
// factors out of a number without a division instruction.
constexpr uint32_t InverseModulo2To32(uint32_t odd) {
    // Newton's iteration doubles the correct low bits: odd * odd = 1 (mod 8)
    // gives 3 to start, four steps give 48 >= 32.
    uint32_t inverse = odd;
    for (int step = 0; step < 4; ++step) inverse *= 2 - odd * inverse;
    return inverse;
}

static_assert(InverseModulo2To32(3) * 3u == 1u);
static_assert(InverseModulo2To32(46337) * 46337u == 1u);

}  // namespace numkern
