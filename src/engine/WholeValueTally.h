#pragma once

#include <array>
#include <cstdint>

namespace engine {

// Adds to tally[w] how many of `count` bytes of the kernel's factor_counts
// (k in bits 0-3, the colour in bits 4-6) have the whole value w: k for the
// NPF histogram, the colour + 1 for the Palmen colours.
void TallyWholeValues(const uint8_t* bytes, int32_t count, bool npf,
                      std::array<int32_t, 10>& tally);

}  // namespace engine
