#include "cli/StreamOutput.h"

#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

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

// Writes the pieces to `fd` whole, however many calls that takes; the
// reason when it cannot.
std::string WriteAll(int fd, std::span<const std::string_view> pieces) {
    std::vector<iovec> parts;
    parts.reserve(pieces.size());
    for (std::string_view piece : pieces) {
        if (!piece.empty()) parts.push_back({const_cast<char*>(piece.data()), piece.size()});
    }
    size_t first = 0;
    while (first < parts.size()) {
        const auto count = static_cast<int>(std::min<size_t>(parts.size() - first, IOV_MAX));
        const ssize_t written = ::writev(fd, parts.data() + first, count);
        if (written < 0) {
            if (errno == EINTR) continue;
            return std::strerror(errno);
        }
        // Nothing taken of a text that is not empty: the same again would loop.
        if (written == 0) return std::strerror(EIO);
        // A pipe or a signal may take less than all: go on after what went.
        auto rest = static_cast<size_t>(written);
        while (first < parts.size() && rest >= parts[first].iov_len) rest -= parts[first++].iov_len;
        if (rest > 0) {
            parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + rest;
            parts[first].iov_len -= rest;
        }
    }
    return {};
}

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

void StreamOutput::AppendPieces(std::span<const std::string_view> pieces) {
    size_t total = 0;
    for (std::string_view piece : pieces) total += piece.size();
    // Small texts are gathered as any other; copying them costs less than a write.
    if (total < kWriteSize / 4) {
        for (std::string_view piece : pieces) Append(piece);
        return;
    }
    m_written += total;
    if (!m_error.empty()) return;
    Flush();
    if (m_error.empty()) m_error = WriteAll(fileno(m_stream), pieces);
}

}  // namespace cli
