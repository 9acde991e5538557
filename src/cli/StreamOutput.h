#pragma once

#include <cstdio>
#include <string>

#include "engine/OutputText.h"

namespace cli {

// Writes "\r\n" as "\n" unless CR LF line ends were asked for.
std::string WithLineEnds(std::string_view text, bool crlf);

// Writes `text` and flushes the stream; the reason when either fails.
std::string WriteAndFlush(std::FILE* stream, std::string_view text);

// An output that goes straight to a stream as it is written, gathered into
// large writes: no limit, nothing to cut, nothing kept in memory. The run
// writes its lines with the tool's line ends. The first write that fails is
// kept (WriteError) and ends the writing.
class StreamOutput : public engine::OutputText {
public:
    explicit StreamOutput(std::FILE* stream);
    ~StreamOutput() override;
    StreamOutput(const StreamOutput&) = delete;
    StreamOutput& operator=(const StreamOutput&) = delete;

    void Append(std::string_view text) override;
    // Large pieces are written where they lie, in one gathered write.
    void AppendPieces(std::span<const std::string_view> pieces) override;
    size_t Length() const override { return m_written; }
    void KeepFirst(size_t) override {}
    bool Limited() const override { return false; }
    bool WriteFailed() const override { return !m_error.empty(); }

    // Writes out what is gathered (also done when the output ends).
    void Flush();
    // Why the output could not be written; empty while it could.
    const std::string& WriteError() const { return m_error; }

private:
    std::FILE* m_stream;
    size_t m_written = 0;
    std::string m_pending;  // gathered into large writes
    std::string m_error;
};

}  // namespace cli
