#pragma once

#include <cstdint>
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

// The widest text WriteNumber writes: "-2,147,483,648".
inline constexpr int kMaxNumberWidth = 14;
// The room WriteNumber needs at `at`: it writes a whole piece of fixed size,
// some bytes of which lie past the number's end.
inline constexpr int kNumberRoom = 17;
// Writes FormatNumber(n, separator) at `at` and returns the end. The result
// lines' fast path.
char* WriteNumber(char* at, int32_t n, Separator separator);
// Reads a number from any text: digits are kept, "-" gives -1 at once, every
// other character is skipped. More than 10 digits, or 10 digits above
// `maxText`, give -1; no digit gives 0.
int32_t ParseNumberText(std::string_view text, std::string_view maxText = kMaxNumberText);

}  // namespace format
