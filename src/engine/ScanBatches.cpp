#include <algorithm>
#include <array>
#include <optional>
#include <system_error>

#include "engine/EkValue.h"
#include "engine/Scan.h"
#include "engine/SecondThread.h"
#include "format/DecimalCounter.h"
#include "util/Processors.h"

namespace engine {

bool Scan::WalksInBatches(Work work) const {
    // The scan works with two threads where the kernel sieves with two.
    const int threads = m_kernel.SieveThreads();
    const bool two = threads > 0 ? threads > 1 : util::UsableProcessors() > 1;
    if (!two || m_powerFilter || m_visitLimit != m_plan.end) return false;
    if (work == Work::Histogram) return m_histogram->Kind() == HistogramKind::EK;
    return work == Work::Lines && (m_plan.mode == ComputeMode::DisplayAllNumbers ||
                                   m_plan.mode == ComputeMode::DisplayAllFactors);
}

template <Scan::Work kWork>
void Scan::FillBatch(ScanBatch& batch, int32_t first, int count) {
    batch.Reset(first, count, m_filter.GatheredCount());
    for (int i = 0; i < count; ++i) {
        const int32_t n = batch.Number(i);
        const auto at = static_cast<size_t>(i);
        if constexpr (kWork == Work::Lines) {
            m_kernel.Factor(m_scanStart, n, batch.results[at]);
        } else {
            batch.counts[at] = m_kernel.CountFactors(m_scanStart, n);
        }
        // The "*" and "/" forms a batch meets cannot overflow once the
        // request's checks have passed; a failure would still end the scan
        // at its number, as in the walk.
        ScanBatch::Verdict verdict = ScanBatch::kFailed;
        if (m_filter.IsInFilter(n)) {
            verdict = ScanBatch::kPassed;
        } else if (m_filter.Error()) {
            verdict = ScanBatch::kFilterError;
        }
        batch.verdicts[at] = verdict;
        batch.filterIndices[at] = m_filter.FilterIndex();
        batch.gathered[at] = m_filter.GatheredCount();
        if (verdict == ScanBatch::kFilterError) {
            batch.EndAt(i + 1);
            return;
        }
    }
}

template <Scan::Work kWork>
void Scan::WorkOnParts(ScanBatch& batch, const BatchWork& work, bool fromBack) {
    // The numbers of a part follow each other: their texts are counted up.
    format::DecimalCounter number(work.lines.Separator());
    const bool inPlace = work.lines.WritesInPlace();
    std::string line;  // the lines that are appended
    for (int part = batch.ClaimPart(fromBack); part >= 0; part = batch.ClaimPart(fromBack)) {
        const int end = batch.PartEnd(part);
        if constexpr (kWork == Work::Lines) number.Set(batch.Number(ScanBatch::PartBegin(part)));
        for (int i = ScanBatch::PartBegin(part); i < end; ++i) {
            const auto at = static_cast<size_t>(i);
            const bool passed = batch.verdicts[at] == ScanBatch::kPassed;
            if constexpr (kWork == Work::Lines) {
                // Which lines are a prime's, for the scan's count.
                bool isPrime = false;
                if (passed) {
                    const numlib::FactorResult& result = batch.results[at];
                    isPrime = result.IsPrime();
                    const NumberFacts facts{
                        batch.Number(i), &result, isPrime, batch.filterIndices[at],
                        false,           0,       &number};
                    PartText& text = batch.TextOf(part);
                    if (inPlace) {
                        text.EndAt(
                            work.lines.WriteLineAt(text.Room(NumberLines::kLineRoom), facts));
                    } else {
                        line.clear();
                        work.lines.Write(line, facts);
                        text.Append(line);
                    }
                }
                batch.primes[at] = isPrime ? 1 : 0;
                batch.EndLine(i, part);
                number.Next();
            } else if (passed) {
                batch.points[at] =
                    work.ek.PointOf(EkValue(batch.Number(i), batch.counts[at].count));
            }
        }
    }
}

template <Scan::Work kWork>
std::optional<ScanEnding> Scan::GoThroughBatch(const ScanBatch& batch) {
    // A scan that ends within the batch leaves the filter's count where the
    // walk would have left it.
    const auto endAt = [&](int i, ScanEnding ending) {
        m_filter.RestoreGatheredCount(i < 0 ? batch.GatheredBefore()
                                            : batch.gathered[static_cast<size_t>(i)]);
        return ending;
    };
    // An output that streams out takes the lines of many numbers in one
    // piece, written before each progress point and at the end; a limited one
    // takes them line by line, as its limit is checked before each number.
    const bool inPieces = kWork == Work::Lines && m_ledger.StreamsOut();
    int written = 0;  // the lines before this one are written
    const auto writeUpTo = [&](int end) {
        if (inPieces) {
            std::array<std::string_view, ScanBatch::kParts> pieces;
            size_t count = 0;
            for (int from = written; from < end;) {
                const int to = std::min(end, ScanBatch::PartBegin(from / ScanBatch::kPartSize + 1));
                pieces[count++] = batch.Lines(from, to);
                from = to;
            }
            m_ledger.WritePieces(std::span(pieces.data(), count));
        }
        written = end;
    };
    for (int i = 0; i < batch.Count(); ++i) {
        if (inPieces) {
            // Short of the next progress point and of the batch's last number
            // (which may be the filter's error), a number needs no look of its
            // own: an output that streams out is never full, and only the
            // number last reached is shown.
            const auto quiet = static_cast<int>(
                std::min<int64_t>(m_ledger.NextProgress() - batch.Number(0), batch.Count() - 1));
            if (i < quiet) {
                TallyPassed(batch, i, quiet);
                i = quiet;
            }
        }
        const auto at = static_cast<size_t>(i);
        const int32_t n = batch.Number(i);
        if (m_ledger.OutputFull()) [[unlikely]]
            return endAt(i - 1, ScanEnding::Abandoned);
        m_ledger.Reach(n);
        if (batch.verdicts[at] == ScanBatch::kPassed) [[likely]] {
            m_rangeFound = true;
            if constexpr (kWork == Work::Lines) {
                m_primeCount += batch.primes[at];
                if (!inPieces) m_ledger.Write(batch.Line(i));
            } else if (m_histogram->CountEk(n, batch.points[at], batch.gathered[at])) [[unlikely]] {
                return endAt(i, OverlapStop(n));
            }
        } else if (batch.verdicts[at] == ScanBatch::kFilterError) [[unlikely]] {
            writeUpTo(i);
            return endAt(i, FilterFailed());
        }
        if (m_ledger.AtProgressPoint(n)) [[unlikely]] {
            writeUpTo(i + 1);
            if (m_ledger.ProgressAt(n)) return endAt(i, ScanEnding::Stopped);
        }
    }
    writeUpTo(batch.Count());
    return std::nullopt;
}

void Scan::TallyPassed(const ScanBatch& batch, int first, int last) {
    int passed = 0;
    int primes = 0;
    for (auto at = static_cast<size_t>(first); at < static_cast<size_t>(last); ++at) {
        passed += batch.verdicts[at] == ScanBatch::kPassed ? 1 : 0;
        primes += batch.primes[at];
    }
    m_rangeFound = m_rangeFound || passed > 0;
    m_primeCount += primes;
}

template <Scan::Work kWork>
ScanEnding Scan::WalkInBatches() {
    // Two batches: while the scan goes through one, the second thread works
    // on the next. Both outlive the thread.
    ScanBatch batchA(kWork == Work::Lines);
    ScanBatch batchB(kWork == Work::Lines);
    const BatchWork mine{m_lines, EkBins()};
    const BatchWork theirs = mine;
    std::optional<SecondThread> thread;
    try {
        thread.emplace();
    } catch (const std::system_error&) {
        // No thread to be had (a process limit): the walk does it all.
        return WalkEveryNumber<kWork>(m_scanStart);
    }
    SecondThread& second = *thread;
    const int64_t end = m_plan.end;
    int64_t next = m_scanStart;  // the first number not in a batch yet
    const auto fill = [&](ScanBatch& batch) {
        const auto count =
            static_cast<int>(std::min<int64_t>(ScanBatch::kCapacity, end - next + 1));
        FillBatch<kWork>(batch, static_cast<int32_t>(next), count);
        next = batch.Count() == count ? next + count : end + 1;  // a filter error ends the scan
    };
    ScanBatch* current = &batchA;
    ScanBatch* ahead = &batchB;
    fill(*current);
    second.Begin([current, &theirs] { WorkOnParts<kWork>(*current, theirs, false); });
    for (;;) {
        const bool more = next <= end;
        if (more) fill(*ahead);
        WorkOnParts<kWork>(*current, mine, true);
        second.Wait();
        if (more) second.Begin([ahead, &theirs] { WorkOnParts<kWork>(*ahead, theirs, false); });
        if (auto ending = GoThroughBatch<kWork>(*current)) return *ending;
        if (!more) break;
        std::swap(current, ahead);
    }
    m_ledger.EndAt(m_plan.end);
    return ScanEnding::Normal;
}

template ScanEnding Scan::WalkInBatches<Scan::Work::Lines>();
template ScanEnding Scan::WalkInBatches<Scan::Work::Histogram>();

}  // namespace engine
