#pragma once

#include <string>
#include <string_view>

namespace util {

// UTF-8 and UTF-16 texts, each way. A byte sequence that is not UTF-8 becomes
// U+FFFD, so any bytes convert without failing.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace util
