#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "format/NumberText.h"
#include "format/Separator.h"
#include "format/ShortNumberTexts.h"
#include "numlib/FactorResult.h"

namespace format {

// The pieces of one result line. The append* functions add to `out`; the
// others return their text. Lines end in CR LF.
inline constexpr std::string_view kPrimeMarker = " is prime";
inline constexpr std::string_view kDecompositionLead = " = ";
inline constexpr std::string_view kAllFactorsPrefix = "#";
// The window's line end; the command-line tool writes its own ("\n" unless
// CR LF is asked for) straight into its lines.
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kTwoFactorNote = " {1}";

// "0 A black" ... "7 W white".
const std::array<std::string_view, 8>& PalmenColorNames();

// What the head of a line shows beside the number.
struct LineHeadOptions {
    bool filterActive = false;
    int32_t filterIndex = 0;
    bool primePairsMode = false;
    bool showColor = false;
    Separator separator = Separator::Comma;
    bool bare = false;  // no leading blank: lines for scripts
};

// Appends " " + n [+ " (N=" index ")"] [+ " [" colour name "]"] and returns the
// length of what it appended without the leading blank (which a bare head
// leaves out).
int LineHead(std::string& out, int32_t n, int colorIndex, const LineHeadOptions& options);

// The room WriteLineHead and WritePrimeDecomposition need: the widest head
// and decomposition, and the bytes past its end that writing a number takes.
inline constexpr int kMaxHeadWidth =
    1 + kMaxNumberWidth + 4 + kMaxNumberWidth + 1 + 12 + (kNumberRoom - kMaxNumberWidth);
// A prime is at most "(p^eee) * "; pieces of 8 bytes are stored at the
// end of a text.
inline constexpr int kMaxDecompositionWidth = 9 * (1 + kMaxNumberWidth + 4 + 1 + 3) + 8;
// LineHead written at `at` (room for kMaxHeadWidth characters); the end.
char* WriteLineHead(char* at, int32_t n, int colorIndex, const LineHeadOptions& options);
// What the head shows after the number (filter index, colour) at `at`; the end.
char* WriteHeadNotes(char* at, int colorIndex, const LineHeadOptions& options);

// "2 * (3^2) * 7": powers in parentheses only when there is more than one prime.
void AppendPrimeDecomposition(std::string& out, const numlib::FactorResult& result,
                              Separator separator);
std::string PrimeDecompositionText(const numlib::FactorResult& result, Separator separator);
// The same written at `at` (room for kMaxDecompositionWidth characters); the end.
char* WritePrimeDecomposition(char* at, const numlib::FactorResult& result, Separator separator);

// The largest exponent written; the kernel's are at most 30.
inline constexpr uint32_t kMaxPower = 999;

// "^e" for the exponents 2 .. kMaxPower, in 8-byte words with the length in
// the last byte; nothing (length 0) for 1, and for any exponent outside.
inline constexpr std::array<uint64_t, kMaxPower + 2> kPowerMarks = [] {
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

// What follows a prime that is not the last, which always has parentheses
// when it is a power: " * " for the exponent 1 (and 0), "^e) * " for the
// exponents 2 .. 99; in 8-byte words with the length in the last byte.
inline constexpr uint32_t kInnerMarkCount = 100;
inline constexpr std::array<uint64_t, kInnerMarkCount> kInnerMarks = [] {
    std::array<uint64_t, kInnerMarkCount> marks{};
    for (uint32_t e = 0; e < kInnerMarkCount; ++e) {
        const uint64_t power = e >= 2 ? kPowerMarks[e] : 0;
        auto size = static_cast<uint32_t>(power >> 56);
        uint64_t mark = power & 0xFFFFFFFFFFFFFFu;
        if (e >= 2) mark |= uint64_t{')'} << (8 * size++);
        for (const char c : {' ', '*', ' '}) mark |= static_cast<uint64_t>(c) << (8 * size++);
        marks[e] = mark | uint64_t{size} << 56;
    }
    return marks;
}();

// The same with the separator's table of short numbers at hand; inline, for
// the lines of the long runs.
inline char* WritePrimeDecomposition(char* at, const numlib::FactorResult& result,
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
    // table, and their exponents below 31: a prime is its text and what
    // follows it, from two tables. The loop's end is the one branch that
    // depends on the number.
    for (int i = 1; i < last; ++i) {
        const int32_t prime = result.primes[i];
        const auto exponent = static_cast<uint32_t>(result.exponents[i]);
        if (exponent >= kInnerMarkCount || !texts.Holds(prime)) [[unlikely]] {
            at = writePower(at, result.exponents[i],
                            [&](char* to) { return WriteNumber(to, prime, texts.Separator()); });
            std::memcpy(at, " * ", 3);
            at += 3;
            continue;
        }
        const uint64_t mark = kInnerMarks[exponent];
        *at = '(';
        at = texts.Write(at + (exponent > 1 ? 1 : 0), prime);
        std::memcpy(at, &mark, 8);
        at += mark >> 56;
    }
    // The largest is as often large as small: written without a branch on its size.
    return writePower(at, result.exponents[last], [&](char* to) {
        return WriteNumber(to, result.primes[last], texts.Separator());
    });
}

// " {npf, ek}" with three decimals in the locale's decimal mark; a value
// that rounds to zero has no sign.
std::string FactorCountNote(int npf, double ekValue);
// The same appended to `out`, with the decimal mark given.
void AppendFactorCountNote(std::string& out, int npf, double ekValue, std::string_view decimalMark);
// The decimal mark of the C locale (LC_NUMERIC) now.
std::string DecimalMark();

// " has D proper factors: " and the factors of n ascending, wrapped so that a
// line holds at most 63 counted characters (a wrapped line ends in `lineEnd`);
// `headLength` is what the line head returned.
void AppendProperFactors(std::string& out, int32_t n, const numlib::FactorResult& result,
                         int headLength, Separator separator, std::string_view lineEnd = kLineEnd);
std::string ProperFactorsText(int32_t n, const numlib::FactorResult& result, int headLength,
                              Separator separator);

}  // namespace format
