#pragma once

#include <cstdio>
#include <string>

#include "engine/OutputText.h"

namespace cli {

// Writes "\r\n" as "\n" unless CR LF line ends were asked for.
std::string WithLineEnds(std::string_view text, bool crlf);

// An output that goes straight to a stream as it is written (--no-limit):
// no limit, nothing to cut, nothing kept in memory.
class StreamOutput : public engine::OutputText {
public:
    StreamOutput(std::FILE* stream, bool crlf);
    ~StreamOutput() override;
    StreamOutput(const StreamOutput&) = delete;
    StreamOutput& operator=(const StreamOutput&) = delete;

    void Append(std::string_view text) override;
    size_t Length() const override { return m_written; }
    void KeepFirst(size_t) override {}
    void MoveCaretToEnd() override {}
    void Repaint() override {}
    bool Limited() const override { return false; }

    // Writes out what is gathered (also done when the output ends).
    void Flush();

private:
    std::FILE* m_stream;
    bool m_crlf;
    size_t m_written = 0;
    std::string m_pending;  // gathered into large writes
};

}  // namespace cli
