#include "format/NumberText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstring>

namespace format {

namespace {

// Room for the decimal form of any 64-bit integer.
using DigitBuffer = std::array<char, 24>;

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// "000" .. "999": a number's digits three at a time, the way they are
// grouped; one byte more, so that any triple can be copied as four bytes.
constexpr std::array<char, 3001> kTriples = [] {
    std::array<char, 3001> triples{};
    for (int i = 0; i < 1000; ++i) {
        triples[static_cast<size_t>(3 * i)] = static_cast<char>('0' + i / 100);
        triples[static_cast<size_t>(3 * i + 1)] = static_cast<char>('0' + i / 10 % 10);
        triples[static_cast<size_t>(3 * i + 2)] = static_cast<char>('0' + i % 10);
    }
    return triples;
}();

std::string_view DecimalDigits(int64_t n, DigitBuffer& digits) {
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    return std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data()));
}

}  // namespace

int AppendGrouped(std::string& out, std::string_view digits, Separator separator) {
    const std::size_t before = out.size();
    // A separator never follows the minus.
    if (digits.starts_with('-')) {
        out.push_back('-');
        digits.remove_prefix(1);
    }
    const auto mark = static_cast<char>(SeparatorCode(separator));
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (mark != 0 && i != 0 && (digits.size() - i) % 3 == 0) out.push_back(mark);
        out.push_back(digits[i]);
    }
    return static_cast<int>(out.size() - before);
}

std::string FormatWithSeparator(std::string_view digits, Separator separator) {
    std::string result;
    AppendGrouped(result, TrimBlanks(digits), separator);
    return result;
}

std::string FormatNumber(int64_t n, Separator separator) {
    DigitBuffer digits;
    std::string result;
    AppendGrouped(result, DecimalDigits(n, digits), separator);
    return result;
}

int AppendNumber(std::string& out, int32_t n, Separator separator) {
    std::array<char, kNumberRoom> text;
    char* end = WriteNumber(text.data(), n, separator);
    out.append(text.data(), static_cast<size_t>(end - text.data()));
    return static_cast<int>(end - text.data());
}

char* WriteNumber(char* at, int32_t n, Separator separator) {
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
        std::memcpy(&bytes, &kTriples[3 * group], 4);
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

int32_t ParseNumberText(std::string_view text, std::string_view maxText) {
    // Room for one digit past the limit: enough to tell "too many".
    std::array<char, 11> digits{};
    std::size_t count = 0;
    for (char c : text) {
        if (c == '-') return -1;
        if (c < '0' || c > '9') continue;
        if (count == digits.size()) return -1;
        digits[count++] = c;
    }
    if (count == digits.size()) return -1;
    const std::string_view digitText(digits.data(), count);
    if (count == 10 && digitText.compare(maxText) > 0) return -1;
    int64_t value = 0;
    for (char c : digitText) value = value * 10 + (c - '0');
    // Only a maximum text above the 32-bit range could let this through.
    if (value > INT32_MAX) return -1;
    return static_cast<int32_t>(value);
}

}  // namespace format
