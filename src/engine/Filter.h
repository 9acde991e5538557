#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

// The filter's form, read from the caption of the filter-type label
// ("* N   +", "^ N   +|-", ...).
struct FilterForm {
    bool isMult = false;
    bool isDiv = false;
    bool isExp = false;
    bool isPlus = false;
    bool isMinus = false;
    bool isPlusMinus = false;
};

FilterForm ParseFilterCaption(std::string_view caption);

// The nine captions of the filter-type label.
std::string FilterCaption(char op, std::string_view sign);

// An active filter: its form and its values a and b.
struct Filter {
    FilterForm form;
    int32_t a = 0;
    int32_t b = 0;
};

// "3*N + 1", "2^N - 1", "12/N ": the field texts as they stand.
std::string FilterDescription(const FilterForm& form, int32_t b, std::string_view aText,
                              std::string_view bText);

// The membership test of one run. Without a filter every number passes.
class FilterTest {
public:
    FilterTest() = default;
    explicit FilterTest(const Filter& filter) : m_active(true), m_filter(filter) {}

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
