#include "cli/StreamOutput.h"

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

void StreamOutput::Append(std::string_view text) {
    m_written += text.size();
    if (m_crlf) {
        std::fwrite(text.data(), 1, text.size(), m_stream);
        return;
    }
    // Line pieces end in "\r\n": write each run up to a CR that starts one.
    size_t begin = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') {
            std::fwrite(text.data() + begin, 1, i - begin, m_stream);
            begin = i + 1;
        }
    }
    std::fwrite(text.data() + begin, 1, text.size() - begin, m_stream);
}

}  // namespace cli
