#include "engine/ScanBatch.h"

namespace engine {

ScanBatch::ScanBatch(bool lines) {
    verdicts.resize(kCapacity);
    filterIndices.resize(kCapacity);
    gathered.resize(kCapacity);
    if (lines) {
        results.resize(kCapacity);
        primes.resize(kCapacity);
        m_lineEnds.resize(kCapacity);
    } else {
        counts.resize(kCapacity);
        points.resize(kCapacity);
    }
}

void ScanBatch::Reset(int32_t first, int count, int32_t gatheredBefore) {
    m_first = first;
    m_count = count;
    m_gatheredBefore = gatheredBefore;
    m_claims.store(0, std::memory_order_relaxed);
    for (Part& part : m_parts) part.text.Clear();
}

std::string_view ScanBatch::Lines(int first, int last) const {
    const auto end = static_cast<size_t>(last - 1);
    const uint32_t begin = first % kPartSize == 0 ? 0 : m_lineEnds[static_cast<size_t>(first - 1)];
    return m_parts[static_cast<size_t>(first / kPartSize)].text.View().substr(
        begin, m_lineEnds[end] - begin);
}

std::string_view ScanBatch::Line(int i) const {
    const auto at = static_cast<size_t>(i);
    const uint32_t begin = i % kPartSize == 0 ? 0 : m_lineEnds[at - 1];
    return m_parts[at / kPartSize].text.View().substr(begin, m_lineEnds[at] - begin);
}

}  // namespace engine
