#pragma once

#include <cstdint>

#include "CountSieve.h"

namespace numkern {

// factor_counts: a block of numbers cut in two, the second half sieved on a
// thread of its own when two threads are wanted and the block is long enough
// to pay for starting one.
class FactorCounts {
public:
    int32_t Fill(int32_t first, int32_t count, uint8_t* counts, int threads);

private:
    CountSieve m_caller;
    CountSieve m_helper;
};

}  // namespace numkern
