#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "engine/ComputeHost.h"
#include "engine/ComputeRequest.h"
#include "engine/Filter.h"
#include "engine/FilterMembership.h"
#include "engine/HistogramRun.h"
#include "engine/NumberLines.h"
#include "engine/RunOutcome.h"
#include "engine/ScanBatch.h"
#include "engine/ScanLedger.h"
#include "numlib/FactorResult.h"
#include "numlib/NumKernel.h"

namespace engine {

// A request that passed every check: the range, the mode it scans in and its filter.
struct ScanPlan {
    ComputeRequest request;  // with the field texts as they stand after the checks
    int32_t start = 0;
    int32_t end = 0;
    ComputeMode mode = ComputeMode::DisplayAllNumbers;
    std::optional<Filter> filter;
};

// One run from its set-up to its end: headings, the numbers 1 and 2, the scan
// over the range, the summary, and the busy state around it all.
//
// The scan over the range is one of a few walks, each a short loop that
// produces numbers and does the work on each: every number in turn, the
// filter's candidates only, batches that two threads work on, or whole chunks
// the kernel counts. What they share (the output and its limit, the progress
// points and Stop, the number reached) is kept by one ScanLedger.
class Scan {
public:
    Scan(ComputeHost& host, const numlib::NumKernel& kernel, const ScanPlan& plan);
    RunOutcome Run();

private:
    // The work on a number that passed the filter, fixed for a scan: each
    // kind has its own loop, free of the others' tests.
    enum class Work { Count, Histogram, Lines };

    void SetUpGraph();
    void WriteHeadings();
    void HandleOneAndTwo();
    ScanEnding ScanRange();

    // The walks over the range (ScanWalks.cpp).
    template <Work kWork>
    ScanEnding Walk(bool candidates);
    // Every number from `from` to the end, or to the last pair of a power form.
    template <Work kWork>
    ScanEnding WalkEveryNumber(int32_t from);
    // Only the numbers that can pass the filter; the rest of the range meets
    // the output limit and the progress points as in a walk over every number.
    template <Work kWork>
    ScanEnding WalkCandidates();
    // The prime listings (and the counted pairs) without a filter or with a
    // "*" one: the kernel lists the primes, each visited without a
    // factorisation; the numbers between them meet the output limit and the
    // progress points as in a walk over every number.
    bool WalksPrimes() const;
    ScanEnding WalkPrimes();
    // The work on one number of the range; an ending when the scan ends there.
    template <Work kWork>
    std::optional<ScanEnding> Visit(int32_t n);
    // The line of a number of a text run that passed the filter.
    void WritePassed(int32_t n, bool isPrime);

    // The factor-all lines and the EK values with a second thread
    // (ScanBatches.cpp): the scan factors a batch of numbers and tests them
    // against the filter, the two threads share the work on its parts, and
    // the scan then goes through the batch in order, as the walk does.
    bool WalksInBatches(Work work) const;
    template <Work kWork>
    ScanEnding WalkInBatches();
    template <Work kWork>
    void FillBatch(ScanBatch& batch, int32_t first, int count);
    // Claims parts of the batch and works on them until none is left; both
    // threads do, the one that filled the batch from its back.
    template <Work kWork>
    static void WorkOnParts(ScanBatch& batch, const BatchWork& work, bool fromBack);
    template <Work kWork>
    std::optional<ScanEnding> GoThroughBatch(const ScanBatch& batch);
    // For the numbers at first .. last - 1 of a text run's batch: whether
    // any passed, and the primes among those that did.
    void TallyPassed(const ScanBatch& batch, int first, int last);

    // Count only (ScanCounts.cpp): the kernel counts the primes of whole
    // chunks of the range, or of the progressions of a "*" filter.
    ScanEnding CountInChunks();
    // The NPF and Palmen colour histograms without a filter: the kernel
    // gives the counts of whole blocks, which are tallied in pieces cut at
    // the rendering points, while a second thread has the next block made.
    bool WalksCountBlocks() const;
    ScanEnding WalkCountBlocks();
    // Tallies the counts of blockStart .. blockStart + count - 1; an ending
    // when the scan ends in them.
    std::optional<ScanEnding> TallyCountBlock(int64_t blockStart, int32_t count,
                                              const uint8_t* bytes);
    ScanEnding CountPairsInChunks();
    ScanEnding CountProgressionsInChunks();
    // Counts lo .. end with count(lo, hi) in chunks of up to `chunk`
    // numbers, each ending at a progress point that falls in it; an ending
    // when the scan ends.
    template <typename Count>
    std::optional<ScanEnding> CountChunks(int64_t lo, int64_t end, int64_t chunk, Count count);

    // Two adjacent EK bins filled: the message, and the scan stops at n.
    ScanEnding OverlapStop(int32_t n);
    // The filter's arithmetic failed: the message and the note end the scan.
    ScanEnding FilterFailed();
    void WriteEmptyRangeLine();
    void WriteSummary();
    // An unexpected error: its message, and its note at the end of the output.
    void ReportError(const std::exception& error);
    // The final rendering, the kernel's and the window's end of the run.
    void Finish(RunOutcome& outcome);

    // The filter test; an arithmetic failure is reported as it happens.
    bool Passes(int32_t n);
    bool TextRun() const { return !m_histogram.has_value(); }

    ComputeHost& m_host;
    const numlib::NumKernel& m_kernel;
    ScanPlan m_plan;
    ScanLedger m_ledger;
    RunFlags& m_flags;
    FilterMembership m_filter;
    std::optional<HistogramRun> m_histogram;
    BusyInfo m_busy;
    NumberLines m_lines;
    std::string m_line;

    int32_t m_scanStart = 0;
    int32_t m_primeCount = 0;
    bool m_rangeFound = false;
    bool m_prevOddWasPrime = false;
    int m_prevOddColor = 0;

    // Fixed for the scan: what the work on one number needs to know.
    numlib::FactorResult m_result;
    bool m_pairsMode = false;
    bool m_powerFilter = false;
    bool m_primesOnlyText = false;  // a prime listing: composites need no more work
    int64_t m_visitLimit = 0;       // the pairs of a power form end here
};

}  // namespace engine
