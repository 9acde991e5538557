#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "format/Separator.h"

namespace format {

// The largest number the program accepts, as text; comparing digit texts
// against it needs no arithmetic wider than 32 bits.
inline constexpr std::string_view kMaxNumberText = "2147483646";
inline constexpr int32_t kMaxNumber = 2147483646;

// Appends `digits` (decimal digits with an optional leading minus) to `out`
// with `separator` between groups of three digits counted from the right, and
// returns the number of characters appended. Pure; no allocation once `out`
// has room. The rule of the kernel's separate_thousands, without its
// 20-character buffer.
int AppendGrouped(std::string& out, std::string_view digits, Separator separator);

// `digits` (decimal digits with an optional leading minus, blanks around them
// allowed) written with `separator` between groups of three digits.
std::string FormatWithSeparator(std::string_view digits, Separator separator);

// The decimal form of `n` with `separator` between groups of three digits.
std::string FormatNumber(int64_t n, Separator separator);

// Appends FormatNumber(n, separator) to `out` and returns the number of
// characters appended. No allocation once `out` has room.
int AppendNumber(std::string& out, int32_t n, Separator separator);

// "000" .. "999": a number's digits three at a time, the way they are
// grouped; one byte more, so that any triple can be copied as four bytes.
inline constexpr std::array<char, 3001> kDigitTriples = [] {
    std::array<char, 3001> triples{};
    for (int i = 0; i < 1000; ++i) {
        triples[static_cast<size_t>(3 * i)] = static_cast<char>('0' + i / 100);
        triples[static_cast<size_t>(3 * i + 1)] = static_cast<char>('0' + i / 10 % 10);
        triples[static_cast<size_t>(3 * i + 2)] = static_cast<char>('0' + i % 10);
    }
    return triples;
}();

// The widest text WriteNumber writes: "-2,147,483,648".
inline constexpr int kMaxNumberWidth = 14;
// The room WriteNumber needs at `at`: it writes a whole piece of fixed size,
// some bytes of which lie past the number's end.
inline constexpr int kNumberRoom = 17;
// Writes FormatNumber(n, separator) at `at` and returns the end. The result
// lines' fast path, inline there.
inline char* WriteNumber(char* at, int32_t n, Separator separator) {
    // Free of branches that depend on n, as the widths of the primes in a
    // run's lines follow no pattern a processor could learn: the widest form
    // of the text is put together in a 16-byte integer, a group of three
    // digits at a time, and shifted so that the number's own characters
    // come first; all 16 bytes are stored, and the end put after the text.
    static_assert(std::endian::native == std::endian::little);
    uint32_t rest = static_cast<uint32_t>(n);
    if (n < 0) {
        *at++ = '-';
        rest = 0u - rest;
    }
    // The count of digits from the bit length: bits * log10(2) is the
    // count, or one less than it. 0 has one digit, as 1 has.
    static constexpr uint32_t kPowers[] = {1,      10,      100,      1000,      10000,
                                           100000, 1000000, 10000000, 100000000, 1000000000};
    const uint32_t probe = rest | 1;
    const int guess = (std::bit_width(probe) * 1233) >> 12;
    const int digits = guess + (probe >= kPowers[guess] ? 1 : 0);
    const auto triple = [](uint32_t group) -> uint64_t {
        uint32_t bytes;
        std::memcpy(&bytes, &kDigitTriples[3 * group], 4);
        return bytes & 0xFFFFFFu;
    };
    const uint64_t low = triple(rest % 1000);
    const uint64_t middle = triple(rest / 1000 % 1000);
    const uint64_t high = triple(rest / 1000000 % 1000);
    const uint64_t top = '0' + rest / 1000000000;
    const uint64_t mark = static_cast<unsigned char>(SeparatorCode(separator));
    // Bytes 0-7 and 8-15 of the text, which ends at byte 15.
    uint64_t first;
    uint64_t second;
    int width = digits;
    if (mark != 0) {
        // "T,HHH,MMM,LLL" in bytes 3-15.
        first = top << 24 | mark << 32 | high << 40;
        second = mark | middle << 8 | mark << 32 | low << 40;
        width += (digits - 1) / 3;
    } else {
        // "THHHMMMLLL" in bytes 6-15.
        first = top << 48 | (high & 0xFF) << 56;
        second = high >> 8 | middle << 16 | low << 40;
    }
    __extension__ using Text = unsigned __int128;
    const Text text = (static_cast<Text>(second) << 64 | first) >> (8 * (16 - width));
    std::memcpy(at, &text, 16);
    return at + width;
}

// Reads a number from any text: digits are kept, "-" gives -1 at once, every
// other character is skipped. More than 10 digits, or 10 digits above
// `maxText`, give -1; no digit gives 0.
int32_t ParseNumberText(std::string_view text, std::string_view maxText = kMaxNumberText);

}  // namespace format
