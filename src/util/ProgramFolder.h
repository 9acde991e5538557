#pragma once

#include <string>

namespace util {

// The folder that holds the running executable, with a trailing '/'.
// The kernels, the program texts and the pages lie there.
std::string ProgramFolder();

// `folder` joined with `name`, with exactly one '/' between them.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace util
