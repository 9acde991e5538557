#pragma once

// The fuzz targets' one way to report a broken property: the message goes to
// standard error and the process aborts, so that libFuzzer keeps the input
// that broke it as a crash artifact.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line,
                              const std::string& detail) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", file, line, condition,
                 detail.c_str());
    std::abort();
}

}  // namespace fuzz

// `detail` (a std::string expression) is built only when the check fails.
#define FUZZ_CHECK(condition, detail)                                           \
    do {                                                                        \
        if (!(condition)) fuzz::Fail(#condition, __FILE__, __LINE__, (detail)); \
    } while (false)
