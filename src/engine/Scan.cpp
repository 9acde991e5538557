#include "engine/Scan.h"

#include <algorithm>
#include <exception>

#include "engine/FilterChecks.h"
#include "engine/HistogramState.h"
#include "engine/OutputLimit.h"
#include "format/NumberText.h"

namespace engine {

namespace {

// The heading of the primes-only list: 2^N + 1 and 2^N - 1 are named.
std::string PrimesHeading(const std::optional<Filter>& filter) {
    if (filter && filter->form.op == FilterOperator::Power && filter->a == 2 && filter->b == 1) {
        switch (filter->form.sign) {
            case FilterSign::Plus:
                return "Fermat primes:";
            case FilterSign::Minus:
                return "Mersenne primes:";
            case FilterSign::Both:
                break;
        }
        return "Fermat and Mersenne primes:";
    }
    return "Primes:";
}

format::LineHeadOptions HeadOptions(const ScanPlan& plan) {
    format::LineHeadOptions head;
    head.filterActive = plan.filter.has_value();
    head.primePairsMode = plan.mode == ComputeMode::DisplayPrimePairsOnly;
    head.showColor = plan.request.showPalmenColor;
    head.separator = plan.request.separator;
    head.bare = plan.request.bare;
    return head;
}

std::string DescriptionOf(const ScanPlan& plan) {
    return FilterDescription(plan.filter->form, plan.filter->b, plan.request.filterAText,
                             plan.request.filterBText);
}

}  // namespace

Scan::Scan(ComputeHost& host, const numlib::NumKernel& kernel, const ScanPlan& plan)
    : m_host(host),
      m_kernel(kernel),
      m_plan(plan),
      m_ledger(host),
      m_flags(host.Flags()),
      m_lines(plan.mode, HeadOptions(plan), plan.request.showFactorCount, m_plan.request.lineEnd) {
    if (m_plan.filter) m_filter = FilterMembership(*m_plan.filter);
    m_scanStart = m_plan.start;
    m_busy.filterActive = m_filter.Active();
    m_busy.start = m_plan.start;
    m_busy.end = m_plan.end;
    // The lines of a power form are few and far apart: each is shown at once.
    m_busy.showEachLine = m_plan.filter && m_plan.filter->form.op == FilterOperator::Power;
}

bool Scan::Passes(int32_t n) {
    if (m_filter.IsInFilter(n)) return true;
    if (m_filter.Error()) m_host.Messages().ShowMessage({m_filter.ErrorText(), "Error condition"});
    return false;
}

void Scan::SetUpGraph() {
    HistogramView* view = m_host.Histograms();
    if (!IsGraphMode(m_plan.mode)) {
        if (view != nullptr) view->HideGraph();
        return;
    }
    std::optional<FilterOperator> op;
    std::string description;
    if (m_plan.filter) {
        op = m_plan.filter->form.op;
        description = DescriptionOf(m_plan);
    }
    m_histogram.emplace(m_plan.mode, m_host.HistogramData(), view, op, std::move(description),
                        m_plan.request.binSettingIndex);
    // A graph run scans as "factor all numbers"; its end gives the graph option back.
    m_busy.graphRun = true;
    m_busy.graphMode = m_plan.mode;
    m_plan.mode = ComputeMode::DisplayAllNumbers;
    m_histogram->SetUp(m_plan.start);
    m_busy.binsEntry = m_histogram->BinsEntryToRestore();
    m_busy.showEachLine = false;
}

void Scan::WriteHeadings() {
    if (!TextRun() || m_plan.request.bare) return;
    if (m_host.Output().Length() > 0) {
        m_ledger.Write(std::string(50, '-'));
        m_ledger.Write(m_plan.request.lineEnd);
    }
    if (m_filter.Active()) {
        m_ledger.Write("Filter: " + DescriptionOf(m_plan));
        m_ledger.Write(m_plan.request.lineEnd);
    }
    if (m_plan.mode == ComputeMode::DisplayPrimesOnly) {
        m_ledger.Write(PrimesHeading(m_plan.filter));
        m_ledger.Write(m_plan.request.lineEnd);
    } else if (m_plan.mode == ComputeMode::DisplayPrimePairsOnly && !m_plan.request.countPairs) {
        m_ledger.Write("Prime pairs:");
        m_ledger.Write(m_plan.request.lineEnd);
    }
}

void Scan::HandleOneAndTwo() {
    const ComputeMode mode = m_plan.mode;
    const auto take = [&](int32_t n) {
        m_rangeFound = true;
        if (m_histogram) {
            if (n == 2) m_histogram->SetValueOfTwo();
            if (n == 1 && m_histogram->Kind() == HistogramKind::PC) m_histogram->SetValueOfOne();
            // The EK values start at 1,000,000: 1 and 2 meet no bin overlap.
            m_histogram->Record(n, m_filter.GatheredCount());
            return;
        }
        m_line.clear();
        m_lines.WriteOneOrTwo(m_line, n, m_filter.FilterIndex());
        if (!m_line.empty()) m_ledger.Write(m_line);
    };
    if (m_plan.start == 1) {
        const bool pass = Passes(1);
        if ((mode == ComputeMode::DisplayAllNumbers || mode == ComputeMode::DisplayAllFactors) &&
            pass) {
            take(1);
        }
        if (m_plan.end != 1) m_scanStart = 2;
    }
    if (m_scanStart == 2) {
        if (Passes(2)) {
            if (mode == ComputeMode::DisplayAllNumbers || mode == ComputeMode::DisplayAllFactors ||
                mode == ComputeMode::DisplayPrimesOnly) {
                take(2);
            } else {
                m_rangeFound = true;
            }
            if (mode != ComputeMode::DisplayPrimePairsOnly) m_primeCount = 1;
        }
        if (m_plan.end != 2) m_scanStart = 3;
        m_ledger.EndAt(2);
    }
}

ScanEnding Scan::OverlapStop(int32_t n) {
    m_host.Messages().ShowMessage({"Bin overlap! Computation stopped."});
    m_flags.stopRequested = true;
    m_ledger.EndAt(n);
    return ScanEnding::Stopped;
}

ScanEnding Scan::FilterFailed() {
    m_host.Messages().ShowMessage({m_filter.ErrorText(), "Error condition"});
    if (TextRun() && !m_plan.request.bare)
        m_ledger.Write("Filter error: " + m_filter.ErrorText() + m_plan.request.lineEnd);
    return ScanEnding::Abandoned;
}

ScanEnding Scan::ScanRange() {
    const ComputeMode mode = m_plan.mode;
    m_pairsMode = mode == ComputeMode::DisplayPrimePairsOnly;
    const bool countOnly = mode == ComputeMode::CountPrimesOnly;
    const bool multiplyFilter = m_plan.filter && m_plan.filter->form.op == FilterOperator::Multiply;
    m_powerFilter = m_plan.filter && m_plan.filter->form.op == FilterOperator::Power;
    m_primesOnlyText =
        TextRun() && !m_powerFilter && (mode == ComputeMode::DisplayPrimesOnly || m_pairsMode);
    // The pairs of a power form are few: the scan ends with the last one that may be a pair.
    m_visitLimit = m_plan.end;
    if (m_pairsMode && m_powerFilter) {
        m_visitLimit = LastPairOfPowers(*m_plan.filter, m_plan.start, m_plan.end).value_or(0);
    }

    const bool fastest = m_plan.request.strategy == ScanStrategy::Fastest;
    if (fastest && countOnly && !m_filter.Active() && m_kernel.CanCountPrimes()) {
        return CountInChunks();
    }
    if (fastest && countOnly && multiplyFilter && m_kernel.CanCountPrimesModulo()) {
        return CountProgressionsInChunks();
    }
    if (fastest && m_plan.request.countPairs && !m_filter.Active() &&
        m_kernel.CanCountPrimePairs()) {
        return CountPairsInChunks();
    }
    m_kernel.CalculatePrimes(m_plan.end);
    m_ledger.StartProgress(m_scanStart);

    // The kernel sieves blocks of consecutive numbers: a progression that
    // meets every block is factored fastest by the walk itself.
    constexpr int32_t kSparseStep = 32768;
    const bool sparse = !multiplyFilter || m_plan.filter->a > kSparseStep;
    const bool candidates = m_filter.Active() && fastest && sparse;
    if (countOnly) return Walk<Work::Count>(candidates);
    if (m_histogram) return Walk<Work::Histogram>(candidates);
    return Walk<Work::Lines>(candidates);
}

void Scan::WriteEmptyRangeLine() {
    m_ledger.Write("Filtered range " + m_plan.request.startText + " through " +
                   m_plan.request.endText + " is empty." + m_plan.request.lineEnd);
}

void Scan::WriteSummary() {
    const bool pairs = m_plan.mode == ComputeMode::DisplayPrimePairsOnly;
    const format::Separator separator = m_plan.request.separator;
    const int32_t last = m_ledger.LastNumber();
    std::string line;
    if (m_primeCount == 0) {
        line = pairs ? " No prime pairs" : " No primes";
    } else if (m_primeCount == 1) {
        line = pairs ? " 1 prime pair" : " 1 prime";
    } else {
        line = " " + format::FormatNumber(m_primeCount, separator) +
               (pairs ? " prime pairs" : " primes");
    }
    line += " found in ";
    if (m_filter.Active()) line += "(filtered) ";
    line += "range " + format::FormatNumber(m_plan.start, separator);
    if (last > 999999999) line += m_plan.request.lineEnd;
    line += " through " + format::FormatNumber(last, separator) + "." + m_plan.request.lineEnd;
    m_ledger.Write(line);
}

void Scan::ReportError(const std::exception& error) {
    m_host.Messages().ShowMessage({error.what()});
    const std::string& end = m_plan.request.lineEnd;
    CutAndAppend(m_host.Output(), end + end + "Error: " + error.what() + end);
}

void Scan::Finish(RunOutcome& outcome) {
    Message closing;
    const bool graph = m_histogram.has_value();
    if (graph) {
        try {
            m_histogram->FinalRendering(m_ledger.LastNumber(), m_filter.GatheredCount());
        } catch (const std::exception& error) {
            // A failure the scan met already is reported once.
            if (outcome != RunOutcome::Failed) ReportError(error);
            outcome = RunOutcome::Failed;
        }
        closing = m_histogram->Close();
    }
    m_kernel.FinishRun();
    m_host.StopClock();
    m_host.LeaveBusyState(m_busy, graph ? &closing : nullptr);
}

RunOutcome Scan::Run() {
    SetUpGraph();

    m_flags.scanStart = m_plan.start;
    m_flags.scanMode = m_plan.mode;
    m_host.EnterBusyState(m_busy);
    m_flags.stopRequested = false;
    RunOutcome outcome = RunOutcome::Completed;
    try {
        WriteHeadings();
        HandleOneAndTwo();
        m_flags.progressStep = InitialProgressStep(m_plan.mode);
        m_flags.clockTicked = false;
        m_host.StartClock();

        ScanEnding ending = ScanEnding::Normal;
        if (m_scanStart >= 3) ending = ScanRange();
        if (ending != ScanEnding::Abandoned && TextRun() && !m_plan.request.bare) {
            if (m_filter.Active() && !m_rangeFound) WriteEmptyRangeLine();
            const bool skipSummary =
                m_plan.start >= m_plan.end || (m_filter.Active() && !m_rangeFound);
            if (!skipSummary) WriteSummary();
        }
    } catch (const std::exception& error) {
        ReportError(error);
        outcome = RunOutcome::Failed;
    }
    Finish(outcome);
    return outcome;
}

}  // namespace engine
