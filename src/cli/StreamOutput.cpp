#include "cli/StreamOutput.h"

#include <cerrno>
#include <cstring>

namespace cli {

std::string WithLineEnds(std::string_view text, bool crlf) {
    if (crlf) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

namespace {
constexpr size_t kWriteSize = 1 << 20;
}  // namespace

StreamOutput::StreamOutput(std::FILE* stream) : m_stream(stream) {
    m_pending.reserve(kWriteSize + 4096);
}

StreamOutput::~StreamOutput() { Flush(); }

std::string WriteAndFlush(std::FILE* stream, std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stream) != text.size() ||
        std::fflush(stream) != 0) {
        return std::strerror(errno);
    }
    return {};
}

void StreamOutput::Flush() {
    if (m_error.empty()) m_error = WriteAndFlush(m_stream, m_pending);
    m_pending.clear();
}

void StreamOutput::Append(std::string_view text) {
    m_written += text.size();
    if (!m_error.empty()) return;
    m_pending.append(text);
    if (m_pending.size() >= kWriteSize) Flush();
}

}  // namespace cli
