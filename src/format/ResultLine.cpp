#include "format/ResultLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cstring>

#include "format/NumberText.h"

namespace format {

const std::array<std::string_view, 8>& PalmenColorNames() {
    static constexpr std::array<std::string_view, 8> kNames = {
        "0 A black", "1 R red",     "2 G green", "3 Y yellow",
        "4 U blue",  "5 M magenta", "6 C cyan",  "7 W white"};
    return kNames;
}

namespace {

// The largest exponent written; the kernel's are at most 30.
constexpr uint32_t kMaxPower = 999;

// "^e" for the exponents 2 .. kMaxPower, in 8-byte words with the length in
// the last byte; nothing (length 0) for 1, and for any exponent outside.
constexpr std::array<uint64_t, kMaxPower + 2> kPowerMarks = [] {
    std::array<uint64_t, kMaxPower + 2> marks{};
    for (uint32_t e = 2; e <= kMaxPower; ++e) {
        uint64_t mark = '^';
        uint64_t size = 1;
        for (uint32_t digits = e >= 100 ? 100 : (e >= 10 ? 10 : 1); digits > 0; digits /= 10) {
            mark |= static_cast<uint64_t>('0' + e / digits % 10) << (8 * size++);
        }
        marks[e] = mark | size << 56;
    }
    return marks;
}();

}  // namespace

char* WriteLineHead(char* at, int32_t n, int colorIndex, const LineHeadOptions& options) {
    std::array<char, kNumberRoom> number;
    const char* end = WriteNumber(number.data(), n, options.separator);
    return WriteLineHead(at,
                         std::string_view(number.data(), static_cast<size_t>(end - number.data())),
                         colorIndex, options);
}

char* WriteLineHead(char* at, std::string_view numberText, int colorIndex,
                    const LineHeadOptions& options) {
    if (!options.bare) *at++ = ' ';
    // The width of consecutive numbers rarely changes, and a text of 8 to
    // 16 characters is copied in two pieces of fixed size.
    const size_t width = numberText.size();
    if (width >= 8 && width <= 16) {
        std::memcpy(at, numberText.data(), 8);
        std::memcpy(at + width - 8, numberText.data() + width - 8, 8);
    } else {
        std::memcpy(at, numberText.data(), width);
    }
    at += width;
    if (options.filterActive && !options.primePairsMode) {
        std::memcpy(at, " (N=", 4);
        at = WriteNumber(at + 4, options.filterIndex, options.separator);
        *at++ = ')';
    }
    // Indices outside 0..7 carry no colour, like negative ones.
    if (options.showColor && colorIndex >= 0 && colorIndex < 8) {
        const std::string_view name = PalmenColorNames()[static_cast<std::size_t>(colorIndex)];
        *at++ = ' ';
        *at++ = '[';
        std::memcpy(at, name.data(), name.size());
        at += name.size();
        *at++ = ']';
    }
    return at;
}

int LineHead(std::string& out, int32_t n, int colorIndex, const LineHeadOptions& options) {
    std::array<char, kMaxHeadWidth> head;
    char* end = WriteLineHead(head.data(), n, colorIndex, options);
    out.append(head.data(), static_cast<size_t>(end - head.data()));
    return static_cast<int>(end - head.data()) - (options.bare ? 0 : 1);
}

char* WritePrimeDecomposition(char* at, const numlib::FactorResult& result,
                              const ShortNumberTexts& texts) {
    const int last = result.count;
    if (last < 1) return at;
    // Whether a prime is a power follows no pattern: its marks are written
    // always and kept or written over, without a branch.
    const uint32_t several = last > 1 ? 1 : 0;
    const auto writePower = [several](char* at, int exponent, auto writePrime) {
        const uint64_t mark = kPowerMarks[std::min(static_cast<uint32_t>(exponent), kMaxPower + 1)];
        const auto markSize = static_cast<uint32_t>(mark >> 56);
        const uint32_t parenthesised = several & (markSize != 0 ? 1 : 0);
        *at = '(';
        at = writePrime(at + parenthesised);
        std::memcpy(at, &mark, 8);
        at += markSize;
        *at = ')';
        return at + parenthesised;
    };
    // The primes before the largest are below the square root, and so
    // (always for the kernel's records: the test is for any caller's) in the
    // table. The loop's end is the one branch that depends on the number.
    for (int i = 1; i < last; ++i) {
        const int32_t prime = result.primes[i];
        at = writePower(at, result.exponents[i], [&](char* to) {
            return texts.Holds(prime) ? texts.Write(to, prime)
                                      : WriteNumber(to, prime, texts.Separator());
        });
        std::memcpy(at, " * ", 3);
        at += 3;
    }
    // The largest is as often large as small: written without a branch on its size.
    return writePower(at, result.exponents[last], [&](char* to) {
        return WriteNumber(to, result.primes[last], texts.Separator());
    });
}

char* WritePrimeDecomposition(char* at, const numlib::FactorResult& result, Separator separator) {
    return WritePrimeDecomposition(at, result, ShortNumberTexts::For(separator));
}

void AppendPrimeDecomposition(std::string& out, const numlib::FactorResult& result,
                              Separator separator) {
    std::array<char, kMaxDecompositionWidth> text;
    out.append(text.data(), WritePrimeDecomposition(text.data(), result, separator));
}

std::string PrimeDecompositionText(const numlib::FactorResult& result, Separator separator) {
    std::string text;
    AppendPrimeDecomposition(text, result, separator);
    return text;
}

std::string DecimalMark() {
    // Read where snprintf would read it: the C locale, which the program
    // sets from the user's settings.
    const char* mark = std::localeconv()->decimal_point;
    return mark != nullptr && *mark != '\0' ? std::string(mark) : std::string(".");
}

void AppendFactorCountNote(std::string& out, int npf, double ekValue,
                           std::string_view decimalMark) {
    // to_chars gives the digits printf's "%.3f" gives, exactly rounded, with
    // a point for the decimal mark, and much faster.
    std::array<char, 400> digits;  // room for any double in fixed notation
    const std::to_chars_result end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                                   ekValue, std::chars_format::fixed, 3);
    std::string_view text(digits.data(), static_cast<size_t>(end.ptr - digits.data()));
    // A value that rounds to zero is written "0.000", never "-0.000".
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string_view::npos) {
        text.remove_prefix(1);
    }
    out += " {";
    out += std::to_string(npf);
    out += ", ";
    const size_t point = text.find('.');
    if (point == std::string_view::npos) {
        out += text;  // infinity or not a number
    } else {
        out += text.substr(0, point);
        out += decimalMark;
        out += text.substr(point + 1);
    }
    out += '}';
}

std::string FactorCountNote(int npf, double ekValue) {
    std::string note;
    AppendFactorCountNote(note, npf, ekValue, DecimalMark());
    return note;
}

}  // namespace format
