#pragma once

#include <cstdint>
#include <vector>

#include "engine/Filter.h"

namespace engine {

// The numbers of a range that can pass a filter, in ascending order, known in
// advance: one or two arithmetic progressions for "*", the divisors of a
// shifted by b for "/", the powers of a shifted by b for "^". Every number
// that can pass is among them (the scan still tests each one); where the
// filter's arithmetic overflows, from that number on every number is given,
// so the scan meets the overflow just where a walk over each number would.
class FilterCandidates {
public:
    FilterCandidates(const Filter& filter, int32_t from, int32_t to);

    // The next candidate, or false when there is none left.
    bool Next(int32_t& n);

private:
    bool NextInProgressions(int64_t& n);

    int64_t m_to;
    // "*": the next member of each progression (step a); unused slots are past m_to.
    int64_t m_step = 0;
    int64_t m_nextA = 0;
    int64_t m_nextB = 0;
    bool m_progressions = false;
    // "/" and "^": the few candidates, ascending.
    std::vector<int64_t> m_list;
    size_t m_listIndex = 0;
    // From here on every number is a candidate (int64 max when never).
    int64_t m_denseFrom;
    int64_t m_last = INT64_MIN;
};

}  // namespace engine
