#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace txtbank {

// The texts of one language, by number.
using TextTable = std::unordered_map<int16_t, std::string>;

inline constexpr int kMaxLines = 500;
inline constexpr std::size_t kMaxTextBytes = 1024;
inline constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

// Fills `table` (emptied first) with the texts of a file's contents and
// returns what lt() returns for them: the count of texts, 0, -3, or a
// line-numbered error code. Empty contents are the caller's case (-6).
// Throws std::bad_alloc when a text cannot be stored.
int32_t ParseTextFile(std::string_view contents, TextTable& table);

// Reads the whole file at `path` into `contents`. Returns 0 on success or
// lt()'s code: -1 cannot open, -3 over kMaxFileBytes, -6 empty, -7 read error.
// Throws std::bad_alloc when the contents cannot be held.
int32_t ReadTextFile(const char* path, std::string& contents);

}  // namespace txtbank
