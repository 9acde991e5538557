#pragma once

namespace numkern {

// The most characters SeparateThousands writes before its NUL.
inline constexpr int kMaxGroupedLength = 19;

// Writes `text` (digits with an optional leading minus) into `output` with
// `separator` between groups of three digits counted from the right, and a
// NUL. At most kMaxGroupedLength characters come before the NUL: a longer
// result is cut after its last digit that fits, so it never ends in a
// separator. A separator never follows the minus. A null `text` gives "".
void SeparateThousands(const char* text, char separator, char* output);

}  // namespace numkern
