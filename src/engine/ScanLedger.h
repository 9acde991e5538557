#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

#include "engine/ComputeHost.h"
#include "engine/OutputLimit.h"

namespace engine {

// How a scan over the range ended.
enum class ScanEnding {
    Normal,     // at the end of the range
    Stopped,    // Stop, a bin overlap: the summary names the number reached
    Abandoned,  // a full output or a filter error: no summary
};

// The bookkeeping that every walk of a scan shares, in one place: the text
// the scan writes and the output limit, the progress points with their event
// yield and Stop, and the number the scan reached. A walk only produces
// numbers: before the work on each it asks OutputFull and calls Reach, after
// it ProgressAt.
class ScanLedger {
public:
    explicit ScanLedger(ComputeHost& host);

    void Write(std::string_view text);
    // Texts one after the other, to an output that streams out.
    void WritePieces(std::span<const std::string_view> pieces) { m_output.AppendPieces(pieces); }

    // Before a number: an output over its limit is cut, "Buffer full." is
    // written and true is returned (the scan ends).
    bool OutputFull() {
        if (m_outputLength <= m_limit) [[likely]]
            return false;
        return CutFullOutput();
    }
    // The number the scan works on now (the window's progress and messages show it).
    void Reach(int32_t n) { m_flags.currentNumber = n; }
    // After the work on n: the progress point, when n is one. True when Stop
    // was seen there; the scan ends at n.
    bool ProgressAt(int32_t n) {
        if (n != m_nextProgress) [[likely]]
            return false;
        return ProgressPoint(n);
    }
    // A progress point at n, a multiple of the step (where a counted chunk ends).
    bool ProgressPoint(int32_t n);
    // Whether n is the next progress point; the next progress point.
    bool AtProgressPoint(int32_t n) const { return n == m_nextProgress; }
    int64_t NextProgress() const { return m_nextProgress; }
    // The output streams out: it has no limit, and may take many lines at once.
    bool StreamsOut() const { return m_limit != kOutputLimit; }
    // The numbers from the last one worked on up to `next` - 1 pass nothing:
    // the last progress point among them is shown, as a walk over each would
    // have shown it. True when Stop was seen there.
    bool ProgressBefore(int32_t next);
    // The progress points of a walk that begins at `from`.
    void StartProgress(int64_t from);
    // The progress step now (the clock may change it during a run).
    int64_t Step() const { return m_flags.progressStep > 0 ? m_flags.progressStep : 1; }

    // The last number the summary names: where the scan ended or stopped.
    void EndAt(int32_t n) { m_lastNumber = n; }
    int32_t LastNumber() const { return m_lastNumber; }

private:
    bool CutFullOutput();

    ComputeHost& m_host;
    OutputText& m_output;
    RunFlags& m_flags;
    size_t m_outputLength = 0;  // the output's length, read again after each change
    size_t m_limit;             // kOutputLimit, or none for an output that streams out
    int64_t m_nextProgress = 0;
    int64_t m_reachedStep = 0;  // the step m_nextProgress was last set with
    int32_t m_lastNumber = 0;
};

}  // namespace engine
