#pragma once

#include <cstdint>
#include <cstring>

#include "format/NumberText.h"
#include "format/Separator.h"

namespace format {

// The text of consecutive numbers, as WriteNumber writes them, each made from
// the one before by adding 1: the lines of a range write every number this
// way at a fraction of the cost of writing it anew.
//
// The text is kept in a vector of 16 bytes. Nine numbers in ten only add 1
// to the last digit, an addition to its byte; a carry has the text written
// anew. The vector is stored and read whole, so writing the text never
// waits on a store of a part of it.
class DecimalCounter {
public:
    explicit DecimalCounter(Separator separator) : m_separator(separator) {}

    // The text of n (0 <= n).
    void Set(int32_t n) {
        m_value = n;
        char text[kNumberRoom];
        m_width = static_cast<int>(WriteNumber(text, n, m_separator) - text);
        std::memcpy(&m_text, text, sizeof m_text);
        m_lastDigitOne = Bytes{};
        m_lastDigitOne[m_width - 1] = 1;
        m_lastDigit = n % 10;
    }

    // The text of the next number.
    void Next() {
        ++m_value;
        if (++m_lastDigit == 10) [[unlikely]] {
            Set(m_value);
            return;
        }
        m_text += m_lastDigitOne;
    }

    // Writes the text at `at`, with room for 16 bytes; the end.
    char* Write(char* at) const {
        std::memcpy(at, &m_text, sizeof m_text);
        return at + m_width;
    }
    int Width() const { return m_width; }
    int32_t Value() const { return m_value; }

private:
    using Bytes = unsigned char __attribute__((vector_size(16)));

    Bytes m_text{};          // the characters; bytes past the text are any
    Bytes m_lastDigitOne{};  // 1 in the last character's byte
    int m_width = 0;
    int m_lastDigit = 0;
    int32_t m_value = 0;
    Separator m_separator;
};

}  // namespace format
