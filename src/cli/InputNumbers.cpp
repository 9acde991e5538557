#include "cli/InputNumbers.h"

#include <array>
#include <functional>
#include <string>
#include <utility>

#include "cli/CliHost.h"
#include "cli/StreamOutput.h"
#include "engine/NumberLines.h"
#include "format/NumberText.h"

namespace cli {

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The words of a stream, one at a time, however the reads cut them.
// `beforeRead` runs before each read, which may wait for the user to type.
class WordReader {
public:
    WordReader(std::FILE* in, std::function<void()> beforeRead)
        : m_in(in), m_beforeRead(std::move(beforeRead)) {}

    bool Next(std::string& word) {
        word.clear();
        for (;;) {
            if (m_at == m_size) {
                m_beforeRead();
                m_size = std::fread(m_buffer.data(), 1, m_buffer.size(), m_in);
                m_at = 0;
                if (m_size == 0) return !word.empty();
            }
            const char c = m_buffer[m_at++];
            if (!IsWhiteSpace(c)) {
                word += c;
            } else if (!word.empty()) {
                return true;
            }
        }
    }

private:
    std::FILE* m_in;
    std::function<void()> m_beforeRead;
    std::array<char, 1 << 16> m_buffer{};
    size_t m_size = 0;
    size_t m_at = 0;
};

}  // namespace

int FactorInputNumbers(const CliOptions& options, const numlib::NumKernel& kernel, std::FILE* in,
                       std::FILE* out, std::FILE* messages) {
    format::LineHeadOptions head;
    head.showColor = options.showColor;
    head.separator = options.separator;
    head.bare = options.bare;
    const engine::NumberLines lines(options.mode, head, options.showCount,
                                    options.crlf ? "\r\n" : "\n");
    // No run's range: each number is factored where it stands, and numbers
    // that follow each other are sieved a block at a time.
    kernel.CalculatePrimes(0);
    StreamOutput output(out);
    // Each line is out before the tool waits for more numbers.
    WordReader words(in, [&output] { output.Flush(); });
    std::string word;
    std::string line;
    numlib::FactorResult result;
    int status = 0;
    while (!output.WriteFailed() && words.Next(word)) {
        const int32_t n = format::ParseNumberText(word);
        if (!NumberTextError(word, "").empty() || n < 1) {
            std::fprintf(messages, "%s'%s' is not a number from 1 to 2,147,483,646\n",
                         kMessagePrefix, word.c_str());
            status = 1;
            continue;
        }
        line.clear();
        if (n <= 2) {
            lines.WriteOneOrTwo(line, n, 0);
        } else {
            // A first number of 0 is no number's: no run is begun by any of them.
            kernel.Factor(0, n, result);
            lines.Write(line, {n, &result, result.IsPrime(), 0, false, 0, {}});
        }
        output.Append(line);
    }
    kernel.FinishRun();
    output.Flush();
    if (output.WriteFailed()) {
        std::fprintf(messages, "%scannot write the output: %s\n", kMessagePrefix,
                     output.WriteError().c_str());
        return 1;
    }
    return status;
}

}  // namespace cli
