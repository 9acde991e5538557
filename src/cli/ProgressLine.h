#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "format/Separator.h"
#include "util/CoarseClock.h"

namespace cli {

// The progress line a long run keeps on a terminal: the number reached, the
// share of the range, numbers per second and the time left. It appears once
// a run has lasted a second and is erased at the end.
class ProgressLine {
public:
    ProgressLine(std::FILE* stream, int32_t start, int32_t end, format::Separator separator);
    void Update(int32_t n);
    void Erase();

    // The line's text for a run of `elapsed` seconds that has reached n.
    static std::string Text(int32_t n, int32_t start, int32_t end, double elapsed,
                            format::Separator separator);

private:
    using Clock = util::CoarseClock;

    std::FILE* m_stream;
    int32_t m_start;
    int32_t m_end;
    format::Separator m_separator;
    Clock::time_point m_begin;
    Clock::time_point m_lastShown;
    size_t m_shownLength = 0;
};

}  // namespace cli
