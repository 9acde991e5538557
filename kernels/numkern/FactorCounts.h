#pragma once

#include <cstdint>

#include "CountSieve.h"

namespace numkern {

// factor_counts: a block of numbers cut in pieces of 2^20 (a shorter one in
// halves), which the caller and a thread of its own take in turn, each the
// next piece left, when two threads are wanted and the block is long enough
// to pay for starting one. Taken so, the pieces keep both threads busy to the
// end of the block even when other work of the program shares the
// processors with them.
class FactorCounts {
public:
    int32_t Fill(int32_t first, int32_t count, uint8_t* counts, int threads);

private:
    CountSieve m_caller;
    CountSieve m_helper;
};

}  // namespace numkern
