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

// "000" .. "999": a number's digits three at a time, the way they are grouped.
constexpr std::array<char, 3000> kTriples = [] {
    std::array<char, 3000> triples{};
    for (int i = 0; i < 1000; ++i) {
        triples[static_cast<size_t>(3 * i)] = static_cast<char>('0' + i / 100);
        triples[static_cast<size_t>(3 * i + 1)] = static_cast<char>('0' + i / 10 % 10);
        triples[static_cast<size_t>(3 * i + 2)] = static_cast<char>('0' + i % 10);
    }
    return triples;
}();

// 0 .. 999 written from the left in four bytes each.
constexpr std::array<char, 4000> kLeftAligned = [] {
    std::array<char, 4000> entries{};
    for (int i = 0; i < 1000; ++i) {
        const int width = i >= 100 ? 3 : (i >= 10 ? 2 : 1);
        for (int k = 0; k < width; ++k) {
            entries[static_cast<size_t>(4 * i + k)] =
                kTriples[static_cast<size_t>(3 * i + 3 - width + k)];
        }
    }
    return entries;
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
    std::array<char, kMaxNumberWidth> text;
    char* end = WriteNumber(text.data(), n, separator);
    out.append(text.data(), static_cast<size_t>(end - text.data()));
    return static_cast<int>(end - text.data());
}

char* WriteNumber(char* at, int32_t n, Separator separator) {
    // The width is known first, then the digits go straight to their places,
    // from the right, a group of three at a time from a table.
    uint32_t rest = static_cast<uint32_t>(n);
    if (n < 0) {
        *at++ = '-';
        rest = 0u - rest;
    }
    // The small primes and exponents of most factorisations first, without
    // a branch on their width: all four bytes of the entry are copied (`at`
    // has room for them) and the end is put after the digits.
    if (rest < 1000) {
        std::memcpy(at, &kLeftAligned[4 * rest], 4);
        return at + 1 + (rest >= 10 ? 1 : 0) + (rest >= 100 ? 1 : 0);
    }
    // The digits from the bit length: bits * log10(2) is the count of
    // digits, or one more than it.
    static constexpr uint32_t kPowers[] = {1,      10,      100,      1000,      10000,
                                           100000, 1000000, 10000000, 100000000, 1000000000};
    const int guess = (std::bit_width(rest) * 1233) >> 12;
    const int digits = guess + (rest >= kPowers[guess] ? 1 : 0);
    const auto mark = static_cast<char>(SeparatorCode(separator));
    char* const end = at + digits + (mark != 0 ? (digits - 1) / 3 : 0);
    char* first = end;
    while (rest >= 1000) {
        first -= 3;
        std::memcpy(first, &kTriples[3 * (rest % 1000)], 3);
        rest /= 1000;
        if (mark != 0) *--first = mark;
    }
    const char* lead = &kTriples[3 * rest];
    switch (first - at) {
        case 3:
            at[2] = lead[2];
            at[1] = lead[1];
            at[0] = lead[0];
            break;
        case 2:
            at[1] = lead[2];
            at[0] = lead[1];
            break;
        default:
            at[0] = lead[2];
            break;
    }
    return end;
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
