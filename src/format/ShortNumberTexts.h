#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "format/Separator.h"

namespace format {

// The texts of 0 .. 65,535 with one separator, each in an 8-byte word with
// its length in the last byte: writing one is a load and a store. All primes
// of a number's factorisation but the largest lie below the square root of
// 2^31, and so in the table.
class ShortNumberTexts {
public:
    static constexpr uint32_t kCount = 1u << 16;

    // The table of a separator, made on first use and shared by all threads.
    static const ShortNumberTexts& For(format::Separator separator);

    format::Separator Separator() const { return m_separator; }
    bool Holds(int32_t n) const { return static_cast<uint32_t>(n) < kCount; }
    // Writes n's text (Holds(n)) at `at`, room for 8 bytes; the end.
    char* Write(char* at, int32_t n) const {
        const uint64_t entry = m_entries[static_cast<uint32_t>(n)];
        std::memcpy(at, &entry, 8);
        return at + (entry >> 56);
    }

private:
    explicit ShortNumberTexts(format::Separator separator);

    format::Separator m_separator;
    std::vector<uint64_t> m_entries;
};

}  // namespace format
