#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#include "format/NumberText.h"
#include "format/Separator.h"

namespace format {

// The text of consecutive numbers, as WriteNumber writes them, each made from
// the one before by adding 1: the lines of a range write every number this
// way at a fraction of the cost of writing it anew.
//
// The text is kept in a 16-byte integer, last character in the low byte, so
// that adding 1 to the integer adds 1 to the last digit. Each digit is kept
// as its character plus a bias that makes '9' the byte 0xFF, and each
// separator as 0xFF, so that a carry runs through nines and separators just
// as it does in the digits; the bytes it wraps to 0 are then set back to
// '0' or the separator. Nothing is stored between two numbers, so writing
// the text never waits for a store of the one before.
class DecimalCounter {
public:
    explicit DecimalCounter(Separator separator)
        : m_mark(static_cast<unsigned char>(SeparatorCode(separator))), m_separator(separator) {}

    // The text of n (0 <= n).
    void Set(int32_t n) {
        m_value = n;
        char text[kNumberRoom];
        m_width = static_cast<int>(WriteNumber(text, n, m_separator) - text);
        m_biased = 0;
        m_bias = 0;
        m_wrapped = 0;
        for (int i = 0; i < m_width; ++i) {
            const auto c = static_cast<unsigned char>(text[m_width - 1 - i]);
            const bool mark = m_mark != 0 && c == m_mark;
            const Word bias = mark ? 0xFF - c : kDigitBias;
            m_bias |= bias << (8 * i);
            m_biased |= (c + bias) << (8 * i);
            m_wrapped |= static_cast<Word>(mark ? 0xFF : '0' + kDigitBias) << (8 * i);
        }
        m_inText = (Word(1) << (8 * m_width)) - 1;
    }

    // The text of the next number.
    void Next() {
        ++m_value;
        const Word added = m_biased + 1;
        if ((added & ~m_inText) != 0) [[unlikely]] {
            // All nines: one digit (and maybe a separator) more.
            Set(m_value);
            return;
        }
        m_biased = added | (ZeroBytes(added) & m_inText & m_wrapped);
    }

    // Writes the text at `at`, with room for 16 bytes; the end.
    char* Write(char* at) const {
        const Word text = __builtin_bswap128((m_biased - m_bias) << (8 * (16 - m_width)));
        std::memcpy(at, &text, 16);
        return at + m_width;
    }
    int Width() const { return m_width; }
    int32_t Value() const { return m_value; }

private:
    __extension__ using Word = unsigned __int128;
    static constexpr Word kDigitBias = 0xFF - '9';

    // 0xFF in each byte of x that is 0, else 0.
    static Word ZeroBytes(Word x) {
        const Word low7 = ~Word(0) / 0xFF * 0x7F;
        const Word high = ~(((x & low7) + low7) | x | low7);  // 0x80 in each zero byte
        return (high << 1) - (high >> 7);
    }

    Word m_biased = 0;   // the text, last character lowest, biased
    Word m_bias = 0;     // the bias of each byte of the text
    Word m_wrapped = 0;  // what a byte that wrapped to 0 becomes: '0' or the separator, biased
    Word m_inText = 0;   // 0xFF in each byte of the text
    int m_width = 0;
    int32_t m_value = 0;
    unsigned char m_mark;
    Separator m_separator;
};

}  // namespace format
