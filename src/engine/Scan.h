#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/ComputeHost.h"
#include "engine/Filter.h"
#include "engine/HistogramRun.h"
#include "engine/NumberLines.h"
#include "engine/RunOutcome.h"
#include "engine/ScanBatch.h"
#include "format/ResultLine.h"
#include "numlib/NumKernel.h"

namespace engine {

// A request that passed every check: the range, the mode it runs in and its filter.
struct ScanPlan {
    ComputeRequest request;  // with the field texts as they stand after the checks
    int32_t start = 0;
    int32_t end = 0;
    ComputeMode mode = ComputeMode::DisplayAllNumbers;
    FilterForm form;
    std::optional<Filter> filter;
};

// One run from its set-up to its end: headings, the numbers 1 and 2, the scan
// over the range, the summary, and the busy state around it all.
class Scan {
public:
    Scan(ComputeHost& host, const numlib::NumKernel& kernel, const ScanPlan& plan);
    RunOutcome Run();

private:
    enum class Ending { Normal, Stopped, Abandoned };

    void SetUpGraph();
    void WriteHeadings();
    void HandleOneAndTwo();
    Ending ScanRange();
    // The work on a number that passed the filter, fixed for a scan: each
    // kind has its own loop, free of the others' tests.
    enum class Work { Count, Histogram, Lines };
    template <Work kWork>
    Ending Walk(bool candidates);
    template <Work kWork>
    Ending WalkEveryNumber(int32_t from);
    template <Work kWork>
    Ending WalkCandidates();
    // The walk with a second thread, for the factor-all lines and the EK
    // values, whose work on a number depends on no number before it: the
    // scan factors a batch of numbers and tests them against the filter, the
    // two threads share the work on its parts, and the scan then goes
    // through the batch in order as the walk does, with the output limit,
    // the progress points, Stop and the ends of a scan where the walk has them.
    bool WalksInBatches(Work work) const;
    template <Work kWork>
    Ending WalkInBatches();
    template <Work kWork>
    void FillBatch(ScanBatch& batch, int32_t first, int count);
    // Claims parts of the batch and works on them until none is left; both threads do.
    template <Work kWork>
    static void WorkOnParts(ScanBatch& batch, const BatchWork& work);
    template <Work kWork>
    std::optional<Ending> GoThroughBatch(const ScanBatch& batch);
    // Count only, no filter: the kernel counts whole chunks of the range.
    Ending CountInChunks();
    // Count only with a "*" filter: the kernel counts the primes of the
    // filter's progressions in whole chunks.
    Ending CountProgressionsInChunks();
    // Counts lo .. end with count(lo, hi) chunk by chunk, each chunk ending
    // at a progress point that falls in it; an ending when the scan stops.
    template <typename Count>
    std::optional<Ending> CountChunks(int64_t lo, int64_t end, Count count);
    // The work on one number of the range; an ending when the scan stops there.
    template <Work kWork>
    std::optional<Ending> Visit(int32_t n);
    // A number that passed the filter outside the count-only mode.
    std::optional<Ending> Passed(int32_t n, bool isPrime);
    // Two adjacent EK bins filled: the message, and the scan stops at n.
    Ending OverlapStop(int32_t n);
    // The filter's arithmetic failed: the message and the note end the scan.
    Ending FilterFailed();
    // Progress points for the numbers skipped before `next`.
    bool ProgressBefore(int32_t next);
    void WriteEmptyRangeLine();
    void WriteSummary();
    // The final rendering, the kernel's and the window's end of the run.
    void Finish(RunOutcome& outcome);
    // An unexpected error: its message, and its note at the end of the output.
    void ReportError(const std::exception& error);

    // The line head in a text run; in a graph run it records the value instead.
    int Head(int32_t n, int color);
    void Append(std::string_view text);
    // The filter test; an arithmetic failure is reported as it happens.
    bool Passes(int32_t n);
    bool ProgressPoint(int32_t n);

    bool TextRun() const { return !m_histogram.has_value(); }

    ComputeHost& m_host;
    const numlib::NumKernel& m_kernel;
    ScanPlan m_plan;
    OutputText& m_output;
    MessageSink& m_messages;
    RunFlags& m_flags;
    FilterTest m_filter;
    std::optional<HistogramRun> m_histogram;
    BusyInfo m_busy;
    NumberLines m_lines;
    std::string m_line;
    size_t m_outputLength = 0;  // the output's length, read again after each change

    int32_t m_scanStart = 0;
    int32_t m_lastNumber = 0;
    int32_t m_primeCount = 0;
    bool m_rangeFound = false;
    bool m_prevOddWasPrime = false;
    int m_prevOddColor = 0;
    int64_t m_nextProgress = 0;
    int64_t m_reachedStep = 0;  // the step m_nextProgress was last set with

    // Fixed for the scan: what the work on one number needs to know.
    numlib::FactorResult m_result;
    bool m_pairsMode = false;
    bool m_powerFilter = false;
    bool m_primesOnlyText = false;  // a prime listing: composites need no more work
    int64_t m_visitLimit = 0;
};

}  // namespace engine
