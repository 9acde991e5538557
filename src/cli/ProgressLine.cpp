#include "cli/ProgressLine.h"

#include <cmath>

#include "format/NumberText.h"

namespace cli {

ProgressLine::ProgressLine(std::FILE* stream, int32_t start, int32_t end,
                           format::Separator separator)
    : m_stream(stream),
      m_start(start),
      m_end(end),
      m_separator(separator),
      m_begin(Clock::now()),
      m_lastShown(m_begin) {}

std::string ProgressLine::Text(int32_t n, int32_t start, int32_t end, double elapsed,
                               format::Separator separator) {
    const double done = static_cast<double>(n) - start + 1;
    const double total = static_cast<double>(end) - start + 1;
    const double share = total > 0 ? 100.0 * done / total : 100.0;
    const double rate = elapsed > 0 ? done / elapsed : 0;
    char shareText[32];
    std::snprintf(shareText, sizeof shareText, "%.1f%%", share);
    std::string text = "  " + format::FormatNumber(n, separator) + "  " + shareText + "  " +
                       format::FormatNumber(static_cast<int64_t>(rate), separator) + "/s";
    if (rate > 0) {
        const int64_t left = static_cast<int64_t>(std::ceil((total - done) / rate));
        text += "  " + format::FormatNumber(left, separator) + " s left";
    }
    return text;
}

void ProgressLine::Update(int32_t n) {
    const Clock::time_point now = Clock::now();
    if (now - m_begin < std::chrono::seconds(1)) return;
    if (m_shownLength > 0 && now - m_lastShown < std::chrono::milliseconds(250)) return;
    m_lastShown = now;
    const double elapsed = std::chrono::duration<double>(now - m_begin).count();
    std::string text = Text(n, m_start, m_end, elapsed, m_separator);
    // Blanks over what a longer earlier line left behind.
    const size_t length = text.size();
    if (length < m_shownLength) text.append(m_shownLength - length, ' ');
    std::fprintf(m_stream, "\r%s", text.c_str());
    std::fflush(m_stream);
    m_shownLength = length;
}

void ProgressLine::Erase() {
    if (m_shownLength == 0) return;
    std::fprintf(m_stream, "\r%s\r", std::string(m_shownLength, ' ').c_str());
    std::fflush(m_stream);
    m_shownLength = 0;
}

}  // namespace cli
