#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "format/NumberText.h"
#include "format/Separator.h"

namespace format {

// The text of consecutive numbers, as WriteNumber writes them, each made from
// the one before by adding 1 in place: the lines of a range write every
// number this way at a fraction of the cost of writing it anew.
class DecimalCounter {
public:
    explicit DecimalCounter(Separator separator)
        : m_mark(static_cast<char>(SeparatorCode(separator))), m_separator(separator) {}

    // The text of n (0 <= n).
    void Set(int32_t n) {
        m_value = n;
        std::array<char, kNumberRoom> text;
        const char* end = WriteNumber(text.data(), n, m_separator);
        m_first = m_text.size() - static_cast<size_t>(end - text.data());
        for (size_t i = m_first; i < m_text.size(); ++i) m_text[i] = text[i - m_first];
    }

    // The text of the next number.
    void Next() {
        ++m_value;
        for (size_t i = m_text.size(); i-- > m_first;) {
            char& c = m_text[i];
            if (c == m_mark) continue;
            if (c != '9') {
                ++c;
                return;
            }
            c = '0';
        }
        // All nines: one digit (and maybe a separator) more.
        Set(m_value);
    }

    std::string_view Text() const {
        return std::string_view(m_text.data() + m_first, m_text.size() - m_first);
    }
    int32_t Value() const { return m_value; }

private:
    std::array<char, kMaxNumberWidth> m_text{};
    size_t m_first = kMaxNumberWidth;
    int32_t m_value = 0;
    char m_mark;
    Separator m_separator;
};

}  // namespace format
