#pragma once

#include <cstdint>
#include <string>

#include "engine/Filter.h"

namespace engine {

// Which numbers of a run have the filter's form, with the N of each and the
// count of those that passed. Without a filter every number passes.
class FilterMembership {
public:
    FilterMembership() = default;
    explicit FilterMembership(const Filter& filter) : m_active(true), m_filter(filter) {}

    // True when n has the filter's form; then FilterIndex() is its N. Counts
    // every true answer. An arithmetic failure answers false and sets Error().
    // Inline: the scan calls it for every number.
    bool IsInFilter(int32_t n) {
        if (!m_active) {
            ++m_gatheredCount;
            return true;
        }
        return TestActive(n);
    }

    bool Active() const { return m_active; }
    const Filter& Value() const { return m_filter; }
    int32_t FilterIndex() const { return m_filterIndex; }
    int32_t GatheredCount() const { return m_gatheredCount; }
    bool Error() const { return m_error; }
    // Counts `count` numbers that passed without a test: a scan without a
    // filter, which lets every number pass.
    void CountPassed(int32_t count) { m_gatheredCount += count; }
    // Puts the gathered count back to what it was after an earlier number:
    // for a scan that tested numbers ahead and ended before it reached them.
    void RestoreGatheredCount(int32_t count) { m_gatheredCount = count; }
    const std::string& ErrorText() const { return m_errorText; }

private:
    bool TestActive(int32_t n);
    bool TestMultiple(int64_t v);
    bool TestDivisor(int64_t v);
    bool TestPower(int64_t v);
    bool TestValue(int64_t v);
    bool Overflow();

    bool m_active = false;
    Filter m_filter;
    int32_t m_filterIndex = 0;
    int32_t m_gatheredCount = 0;
    bool m_error = false;
    std::string m_errorText;
};

}  // namespace engine
