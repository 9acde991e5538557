#pragma once

#include <array>
#include <cstdint>
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
// The same with n's text given (as WriteNumber writes it with options.separator).
char* WriteLineHead(char* at, std::string_view numberText, int colorIndex,
                    const LineHeadOptions& options);

// "2 * (3^2) * 7": powers in parentheses only when there is more than one prime.
void AppendPrimeDecomposition(std::string& out, const numlib::FactorResult& result,
                              Separator separator);
std::string PrimeDecompositionText(const numlib::FactorResult& result, Separator separator);
// The same written at `at` (room for kMaxDecompositionWidth characters); the end.
char* WritePrimeDecomposition(char* at, const numlib::FactorResult& result, Separator separator);
// The same with the separator's table of short numbers at hand.
char* WritePrimeDecomposition(char* at, const numlib::FactorResult& result,
                              const ShortNumberTexts& texts);

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
