#include "engine/Scan.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "engine/FilterCandidates.h"
#include "engine/FilterChecks.h"
#include "engine/HistogramState.h"
#include "engine/OutputLimit.h"
#include "format/NumberText.h"

namespace engine {

namespace {

char FilterOperator(const FilterForm& form) { return form.isMult ? '*' : (form.isDiv ? '/' : '^'); }

// The heading of the primes-only list: 2^N + 1 and 2^N - 1 are named.
std::string PrimesHeading(const std::optional<Filter>& filter) {
    if (filter && filter->form.isExp && filter->a == 2 && filter->b == 1) {
        if (filter->form.isPlus) return "Fermat primes:";
        if (filter->form.isMinus) return "Mersenne primes:";
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
    return head;
}

}  // namespace

Scan::Scan(ComputeHost& host, const numlib::NumKernel& kernel, const ScanPlan& plan)
    : m_host(host),
      m_kernel(kernel),
      m_plan(plan),
      m_output(host.Output()),
      m_messages(host.Messages()),
      m_flags(host.Flags()),
      m_lines(plan.mode, HeadOptions(plan), plan.request.showFactorCount) {
    if (m_plan.filter) m_filter = FilterTest(*m_plan.filter);
    m_scanStart = m_plan.start;
    m_busy.filterActive = m_filter.Active();
    m_busy.start = m_plan.start;
    m_busy.end = m_plan.end;
}

void Scan::Append(std::string_view text) {
    m_output.Append(text);
    m_outputLength = m_output.Length();
}

bool Scan::Passes(int32_t n) {
    if (m_filter.IsInFilter(n)) return true;
    if (m_filter.Error()) m_messages.ShowMessage({m_filter.ErrorText(), "Error condition"});
    return false;
}

void Scan::SetUpGraph() {
    HistogramView* view = m_host.Histograms();
    if (!IsGraphMode(m_plan.mode)) {
        if (view != nullptr) view->HideGraph();
        return;
    }
    std::string description;
    char op = 0;
    if (m_filter.Active()) {
        op = FilterOperator(m_plan.form);
        description = FilterDescription(m_plan.form, m_plan.filter->b, m_plan.request.filterAText,
                                        m_plan.request.filterBText);
    }
    m_histogram.emplace(m_plan.mode, m_host.HistogramData(), view, op, std::move(description));
    // A graph run scans as "factor all numbers"; its end selects the graph option again.
    m_plan.mode = ComputeMode::DisplayAllNumbers;
    m_host.SelectMode(m_plan.mode);
    m_histogram->SetUp(m_plan.start);
    m_busy.graphRun = true;
    m_busy.graphMode = m_histogram->GraphMode();
    m_busy.binsEntry = m_histogram->BinsEntryToRestore();
}

void Scan::WriteHeadings() {
    if (!TextRun()) return;
    if (m_output.Length() > 0) {
        Append(std::string(50, '-'));
        Append(format::kLineEnd);
    }
    if (m_filter.Active()) {
        Append("Filter: " + FilterDescription(m_plan.form, m_plan.filter->b,
                                              m_plan.request.filterAText,
                                              m_plan.request.filterBText));
        Append(format::kLineEnd);
    }
    if (m_plan.mode == ComputeMode::DisplayPrimesOnly) {
        Append(PrimesHeading(m_plan.filter));
        Append(format::kLineEnd);
    } else if (m_plan.mode == ComputeMode::DisplayPrimePairsOnly) {
        Append("Prime pairs:");
        Append(format::kLineEnd);
    }
}

int Scan::Head(int32_t n, int color) {
    if (m_histogram) {
        m_histogram->Record(n, m_filter.GatheredCount());
        return 0;
    }
    return m_lines.Head(m_line, n, color, m_filter.FilterIndex());
}

void Scan::HandleOneAndTwo() {
    const ComputeMode mode = m_plan.mode;
    const bool allFactors = mode == ComputeMode::DisplayAllFactors;
    if (m_plan.start == 1) {
        const bool pass = Passes(1);
        if ((mode == ComputeMode::DisplayAllNumbers || allFactors) && pass) {
            m_rangeFound = true;
            m_line.clear();
            if (allFactors && TextRun()) m_line += format::kAllFactorsPrefix;
            if (m_histogram && m_histogram->Kind() == HistogramKind::PC) {
                m_histogram->SetValueOfOne();
            }
            Head(1, 0);
            if (TextRun()) {
                m_line += format::kLineEnd;
                Append(m_line);
            }
        }
        if (m_plan.end != 1) m_scanStart = 2;
    }
    if (m_scanStart == 2) {
        if (Passes(2)) {
            m_rangeFound = true;
            m_line.clear();
            if (allFactors && TextRun()) m_line += format::kAllFactorsPrefix;
            if (mode == ComputeMode::DisplayAllNumbers || allFactors ||
                mode == ComputeMode::DisplayPrimesOnly) {
                if (m_histogram) m_histogram->SetValueOfTwo();
                Head(2, 1);
                if (TextRun()) {
                    if (mode != ComputeMode::DisplayPrimesOnly) m_line += format::kPrimeMarker;
                    if (allFactors && m_plan.request.showFactorCount) {
                        m_line += format::kTwoFactorNote;
                    }
                    m_line += format::kLineEnd;
                }
            }
            if (TextRun() && !m_line.empty()) Append(m_line);
            if (mode != ComputeMode::DisplayPrimePairsOnly) m_primeCount = 1;
        }
        if (m_plan.end != 2) m_scanStart = 3;
        m_lastNumber = 2;
    }
}

bool Scan::ProgressPoint(int32_t n) {
    m_host.ShowProgress(n);
    m_output.MoveCaretToEnd();
    m_host.ProcessEvents();
    if (m_flags.clockTicked) m_host.StopClock();
    m_outputLength = m_output.Length();
    // n is a multiple of the step it was reached with. The clock may have
    // changed the step: then the next point is the new step's next multiple.
    const int64_t step = m_flags.progressStep > 0 ? m_flags.progressStep : 1;
    m_nextProgress = step == m_reachedStep ? int64_t{n} + step : (int64_t{n} / step + 1) * step;
    m_reachedStep = step;
    return m_flags.stopRequested;
}

// A number of a text run that passed the filter (histogram runs record theirs in Visit).
std::optional<Scan::Ending> Scan::Passed(int32_t n, bool isPrime) {
    NumberFacts facts{n, &m_result, isPrime, m_filter.FilterIndex()};
    if (isPrime) {
        if (m_pairsMode) {
            facts.isPair = Passes(n - 2) && m_prevOddWasPrime;
            facts.pairedColor = m_prevOddColor;
            if (facts.isPair) ++m_primeCount;
        } else {
            ++m_primeCount;
        }
    }
    m_line.clear();
    m_lines.Write(m_line, facts);
    if (!m_line.empty()) Append(m_line);
    if (m_powerFilter && TextRun()) {
        m_output.MoveCaretToEnd();
        m_output.Repaint();
    }
    return std::nullopt;
}

Scan::Ending Scan::OverlapStop(int32_t n) {
    m_messages.ShowMessage({"Bin overlap! Computation stopped."});
    m_flags.stopRequested = true;
    m_lastNumber = n;
    return Ending::Stopped;
}

Scan::Ending Scan::FilterFailed() {
    m_messages.ShowMessage({m_filter.ErrorText(), "Error condition"});
    if (TextRun()) Append("Filter error: " + m_filter.ErrorText() + "\r\n");
    return Ending::Abandoned;
}

// The scan runs this for every number of the range: what counting needs is
// here, the writing of lines out of line in Passed().
template <Scan::Work kWork>
[[gnu::always_inline]] inline std::optional<Scan::Ending> Scan::Visit(int32_t n) {
    if (m_outputLength > kOutputLimit) [[unlikely]] {
        if (CheckOutputLimit(m_output, m_messages)) return Ending::Abandoned;
    }
    m_flags.currentNumber = n;
    // Counting and the histograms need only the counts of a factorisation,
    // which the kernel gives without writing the primes.
    numlib::FactorCounts counts;
    if constexpr (kWork == Work::Lines) {
        m_kernel.Factor(m_scanStart, n, m_result);
    } else {
        counts = m_kernel.CountFactors(m_scanStart, n);
    }
    if (m_filter.IsInFilter(n)) [[likely]] {
        m_rangeFound = true;
        if constexpr (kWork == Work::Count) {
            m_primeCount += counts.isPrime ? 1 : 0;
        } else if constexpr (kWork == Work::Histogram) {
            // A histogram run writes no line and no summary: the number's
            // value is recorded, whether it is prime doesn't matter.
            if (m_histogram->Count(n, counts.count, counts.color, m_filter.GatheredCount()))
                [[unlikely]] {
                return OverlapStop(n);
            }
        } else {
            const bool isPrime = m_result.IsPrime();
            if (!isPrime && m_primesOnlyText) {
                // A composite number writes nothing in the prime listings.
            } else if (auto ending = Passed(n, isPrime)) {
                return ending;
            }
            // The prime pairs look back at the last odd number that passed.
            if (n & 1) {
                m_prevOddWasPrime = isPrime;
                m_prevOddColor = m_result.Color();
            }
        }
    } else if (m_filter.Error()) [[unlikely]] {
        return FilterFailed();
    }
    if (n == m_nextProgress) [[unlikely]] {
        if (ProgressPoint(n)) {
            m_lastNumber = n;
            return Ending::Stopped;
        }
    }
    return std::nullopt;
}

template <Scan::Work kWork>
Scan::Ending Scan::WalkEveryNumber(int32_t from) {
    const int32_t end = m_plan.end;
    for (int32_t n = from;; ++n) {
        if (n > m_visitLimit) {
            // The limit of the pairs of powers; the output limit is checked first.
            if (m_outputLength > kOutputLimit && CheckOutputLimit(m_output, m_messages)) {
                return Ending::Abandoned;
            }
            break;
        }
        if (auto ending = Visit<kWork>(n)) return *ending;
        if (n == end) break;
    }
    m_lastNumber = end;
    return Ending::Normal;
}

bool Scan::ProgressBefore(int32_t next) {
    // The numbers below `next` pass no filter: the last progress point among
    // them is shown, as a walk over each number would have reached it.
    if (m_nextProgress >= next) return false;
    const int64_t step = m_flags.progressStep > 0 ? m_flags.progressStep : 1;
    const auto point = static_cast<int32_t>((int64_t{next} - 1) / step * step);
    m_flags.currentNumber = point;
    if (!ProgressPoint(point)) return false;
    m_lastNumber = point;
    return true;
}

template <Scan::Work kWork>
Scan::Ending Scan::WalkCandidates() {
    const int64_t end = m_plan.end;
    const int64_t limit = std::min<int64_t>(end, m_visitLimit);
    FilterCandidates candidates(*m_plan.filter, m_scanStart, static_cast<int32_t>(limit));
    int64_t last = int64_t{m_scanStart} - 1;  // the last number visited
    int32_t n = 0;
    while (candidates.Next(n)) {
        // A walk would check the output limit at the number after the last one visited.
        if (n > last + 1 && m_outputLength > kOutputLimit &&
            CheckOutputLimit(m_output, m_messages)) {
            return Ending::Abandoned;
        }
        if (ProgressBefore(n)) return Ending::Stopped;
        if (auto ending = Visit<kWork>(n)) return *ending;
        last = n;
    }
    // The rest of the range passes nothing; it still meets the output limit
    // and its progress points as in a walk.
    if (last < end) {
        if (m_outputLength > kOutputLimit && CheckOutputLimit(m_output, m_messages)) {
            return Ending::Abandoned;
        }
        if (ProgressBefore(static_cast<int32_t>(limit + 1))) return Ending::Stopped;
        if (limit < end && m_outputLength > kOutputLimit &&
            CheckOutputLimit(m_output, m_messages)) {
            return Ending::Abandoned;
        }
    }
    m_lastNumber = static_cast<int32_t>(end);
    return Ending::Normal;
}

template <typename Count>
std::optional<Scan::Ending> Scan::CountChunks(int64_t lo, int64_t end, Count count) {
    // Chunks small enough for the display to move and Stop to act within a
    // fraction of a second, large enough that counting runs at sieve speed.
    constexpr int64_t kChunk = int64_t{1} << 24;
    while (lo <= end) {
        if (m_outputLength > kOutputLimit && CheckOutputLimit(m_output, m_messages)) {
            return Ending::Abandoned;
        }
        int64_t hi = std::min(end, lo + kChunk - 1);
        // A chunk that holds a progress point ends there, so the point's count is exact.
        const int64_t step = m_flags.progressStep > 0 ? m_flags.progressStep : 1;
        const int64_t point = hi / step * step;
        const bool atPoint = point >= lo;
        if (atPoint) hi = point;
        m_primeCount +=
            static_cast<int32_t>(count(static_cast<int32_t>(lo), static_cast<int32_t>(hi)));
        m_flags.currentNumber = static_cast<int32_t>(hi);
        if (atPoint && ProgressPoint(static_cast<int32_t>(hi))) {
            m_lastNumber = static_cast<int32_t>(hi);
            return Ending::Stopped;
        }
        lo = hi + 1;
    }
    return std::nullopt;
}

Scan::Ending Scan::CountInChunks() {
    const auto count = [this](int32_t lo, int32_t hi) { return m_kernel.CountPrimes(lo, hi); };
    if (auto ending = CountChunks(m_scanStart, m_plan.end, count)) return *ending;
    m_rangeFound = true;
    m_lastNumber = m_plan.end;
    return Ending::Normal;
}

Scan::Ending Scan::CountProgressionsInChunks() {
    const Filter& filter = *m_plan.filter;
    const int64_t a = filter.a;
    const int64_t b = filter.b;
    const bool plus = m_plan.form.isPlus || m_plan.form.isPlusMinus;
    const bool minus = m_plan.form.isMinus || m_plan.form.isPlusMinus;
    // n passes as n - b = a * N or n + b = a * N.
    const auto residue1 = static_cast<int32_t>(plus ? (b % a + a) % a : -1);
    const auto residue2 = static_cast<int32_t>(minus ? ((-b) % a + a) % a : -1);
    // From where n + b leaves 32 bits the filter reports an overflow: the
    // numbers from there on are walked, which meets it just where it is.
    const int64_t end = m_plan.end;
    const int64_t walkFrom = std::max<int64_t>(
        m_scanStart, minus ? int64_t{std::numeric_limits<int32_t>::max()} + 1 - b : end + 1);
    const int64_t countTo = std::min(end, walkFrom - 1);
    if (m_scanStart <= countTo) {
        // The range has a passing number once the first one is counted.
        int32_t first = 0;
        FilterCandidates(filter, m_scanStart, static_cast<int32_t>(countTo)).Next(first);
        const auto count = [&](int32_t lo, int32_t hi) {
            if (first >= lo && first <= hi) m_rangeFound = true;
            return m_kernel.CountPrimesModulo(lo, hi, static_cast<int32_t>(a), residue1, residue2);
        };
        if (auto ending = CountChunks(m_scanStart, countTo, count)) return *ending;
    }
    if (walkFrom > end) {
        m_lastNumber = m_plan.end;
        return Ending::Normal;
    }
    m_kernel.CalculatePrimes(m_plan.end);
    const int64_t step = m_flags.progressStep > 0 ? m_flags.progressStep : 1;
    m_nextProgress = (walkFrom + step - 1) / step * step;
    return WalkEveryNumber<Work::Count>(static_cast<int32_t>(walkFrom));
}

Scan::Ending Scan::ScanRange() {
    const ComputeMode mode = m_plan.mode;
    m_pairsMode = mode == ComputeMode::DisplayPrimePairsOnly;
    const bool countOnly = mode == ComputeMode::CountPrimesOnly;
    m_powerFilter = m_filter.Active() && m_plan.form.isExp;
    m_primesOnlyText =
        TextRun() && !m_powerFilter && (mode == ComputeMode::DisplayPrimesOnly || m_pairsMode);
    // The pairs of a power form are few: the scan ends with the last one that may be a pair.
    m_visitLimit = m_plan.end;
    if (m_pairsMode && m_powerFilter) {
        m_visitLimit = LastPairOfPowers(*m_plan.filter, m_plan.start, m_plan.end).value_or(0);
    }

    const bool fastest = m_plan.request.strategy == ScanStrategy::Fastest;
    if (fastest && countOnly && !m_filter.Active() && m_kernel.CanCountPrimes()) {
        m_outputLength = m_output.Length();
        return CountInChunks();
    }
    if (fastest && countOnly && m_filter.Active() && m_plan.form.isMult &&
        m_kernel.CanCountPrimesModulo()) {
        m_outputLength = m_output.Length();
        return CountProgressionsInChunks();
    }
    m_kernel.CalculatePrimes(m_plan.end);
    const int64_t step = m_flags.progressStep > 0 ? m_flags.progressStep : 1;
    m_nextProgress = (int64_t{m_scanStart} + step - 1) / step * step;
    m_outputLength = m_output.Length();

    // The kernel sieves blocks of consecutive numbers: a progression that
    // meets every block is factored fastest by the walk itself.
    constexpr int32_t kSparseStep = 32768;
    const bool sparse =
        !m_plan.form.isMult || (m_filter.Active() && m_plan.filter->a > kSparseStep);
    const bool candidates = m_filter.Active() && fastest && sparse;
    if (countOnly) return Walk<Work::Count>(candidates);
    if (m_histogram) return Walk<Work::Histogram>(candidates);
    return Walk<Work::Lines>(candidates);
}

template <Scan::Work kWork>
Scan::Ending Scan::Walk(bool candidates) {
    if (candidates) return WalkCandidates<kWork>();
    if constexpr (kWork != Work::Count) {
        if (WalksInBatches(kWork)) return WalkInBatches<kWork>();
    }
    return WalkEveryNumber<kWork>(m_scanStart);
}

void Scan::WriteEmptyRangeLine() {
    Append("Filtered range " + m_plan.request.startText + " through " + m_plan.request.endText +
           " is empty.\r\n");
}

void Scan::WriteSummary() {
    const bool pairs = m_plan.mode == ComputeMode::DisplayPrimePairsOnly;
    const format::Separator separator = m_plan.request.separator;
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
    if (m_lastNumber > 999999999) line += "\r\n";
    line += " through " + format::FormatNumber(m_lastNumber, separator) + ".\r\n";
    Append(line);
}

void Scan::ReportError(const std::exception& error) {
    m_messages.ShowMessage({error.what()});
    CutAndAppend(m_output, std::string("\r\n\r\nError: ") + error.what() + "\r\n");
}

void Scan::Finish(RunOutcome& outcome) {
    Message closing;
    const bool graph = m_histogram.has_value();
    if (graph) {
        try {
            m_histogram->FinalRendering(m_lastNumber, m_filter.GatheredCount());
        } catch (const std::exception& error) {
            // A failure the scan met already is reported once.
            if (outcome != RunOutcome::Failed) ReportError(error);
            outcome = RunOutcome::Failed;
        }
        closing = m_histogram->Close();
        m_plan.mode = m_histogram->GraphMode();
        m_host.SelectMode(m_plan.mode);
    }
    m_kernel.FinishRun();
    m_host.StopClock();
    m_host.LeaveBusyState(m_busy, graph ? &closing : nullptr);
}

RunOutcome Scan::Run() {
    SetUpGraph();

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

        Ending ending = Ending::Normal;
        if (m_scanStart >= 3) ending = ScanRange();
        if (ending != Ending::Abandoned && TextRun()) {
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
