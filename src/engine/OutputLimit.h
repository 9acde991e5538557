#pragma once

#include <cstddef>

#include "engine/Message.h"
#include "engine/OutputText.h"

namespace engine {

// The output window holds at most this many characters (hex D800).
inline constexpr size_t kOutputLimit = 55296;
// How much of the end the buffer-full and error cuts take away.
inline constexpr size_t kCutOnFull = 256;

// Before each number: when the output is longer than the limit, warns, cuts
// the last 256 characters and appends "Buffer full."; true when it did.
bool CheckOutputLimit(OutputText& output, MessageSink& messages);

// Keeps the first max(length - 256, 0) characters and appends the note
// (used by the buffer-full and the unexpected-error endings).
void CutAndAppend(OutputText& output, std::string_view note);

}  // namespace engine
