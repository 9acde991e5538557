// The walks of a scan over the range: every number in turn, or only the
// numbers that can pass the filter; and the work on each number they meet.

#include <algorithm>
#include <array>

#include "engine/FilterCandidates.h"
#include "engine/Scan.h"

namespace engine {

// The scan runs this for every number it meets: what counting needs is here,
// the writing of lines out of line in WritePassed().
template <Scan::Work kWork>
[[gnu::always_inline]] inline std::optional<ScanEnding> Scan::Visit(int32_t n) {
    if (m_ledger.OutputFull()) [[unlikely]]
        return ScanEnding::Abandoned;
    m_ledger.Reach(n);
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
            // value is counted, whether it is prime doesn't matter.
            if (m_histogram->Count(n, counts.count, counts.color, m_filter.GatheredCount()))
                [[unlikely]] {
                return OverlapStop(n);
            }
        } else {
            const bool isPrime = m_result.IsPrime();
            // A composite number writes nothing in the prime listings.
            if (isPrime || !m_primesOnlyText) WritePassed(n, isPrime);
            // The prime pairs look back at the last odd number that passed.
            if (n & 1) {
                m_prevOddWasPrime = isPrime;
                m_prevOddColor = m_result.Color();
            }
        }
    } else if (m_filter.Error()) [[unlikely]] {
        return FilterFailed();
    }
    if (m_ledger.ProgressAt(n)) [[unlikely]]
        return ScanEnding::Stopped;
    return std::nullopt;
}

void Scan::WritePassed(int32_t n, bool isPrime) {
    NumberFacts facts{n, &m_result, isPrime, m_filter.FilterIndex(), false, 0, {}};
    if (isPrime) {
        if (m_pairsMode) {
            facts.isPair = Passes(n - 2) && m_prevOddWasPrime;
            facts.pairedColor = m_prevOddColor;
            if (facts.isPair) ++m_primeCount;
        } else {
            ++m_primeCount;
        }
    }
    // Counted pairs write no line.
    if (m_plan.request.countPairs) return;
    m_line.clear();
    m_lines.Write(m_line, facts);
    if (!m_line.empty()) m_ledger.Write(m_line);
}

template <Scan::Work kWork>
ScanEnding Scan::WalkEveryNumber(int32_t from) {
    const int64_t end = m_plan.end;
    const int64_t last = std::min(end, m_visitLimit);
    for (int32_t n = from; n <= last; ++n) {
        if (auto ending = Visit<kWork>(n)) return *ending;
    }
    // The pairs of a power form end before the range: a walk would meet the
    // output limit at the next number.
    if (last < end && m_ledger.OutputFull()) return ScanEnding::Abandoned;
    m_ledger.EndAt(m_plan.end);
    return ScanEnding::Normal;
}

template <Scan::Work kWork>
ScanEnding Scan::WalkCandidates() {
    const int64_t end = m_plan.end;
    const int64_t limit = std::min(end, m_visitLimit);
    FilterCandidates candidates(*m_plan.filter, m_scanStart, static_cast<int32_t>(limit));
    int64_t last = int64_t{m_scanStart} - 1;  // the last number visited
    int32_t n = 0;
    while (candidates.Next(n)) {
        // A walk would check the output limit at the number after the last one visited.
        if (n > last + 1 && m_ledger.OutputFull()) return ScanEnding::Abandoned;
        if (m_ledger.ProgressBefore(n)) return ScanEnding::Stopped;
        if (auto ending = Visit<kWork>(n)) return *ending;
        last = n;
    }
    // The rest of the range passes nothing; it still meets the output limit
    // and its progress points as in a walk.
    if (last < end) {
        if (m_ledger.OutputFull()) return ScanEnding::Abandoned;
        if (m_ledger.ProgressBefore(static_cast<int32_t>(limit + 1))) return ScanEnding::Stopped;
        if (limit < end && m_ledger.OutputFull()) return ScanEnding::Abandoned;
    }
    m_ledger.EndAt(m_plan.end);
    return ScanEnding::Normal;
}

bool Scan::WalksPrimes() const {
    const bool listing = m_primesOnlyText || m_plan.request.countPairs;
    const bool filterAllows = !m_plan.filter || m_plan.filter->form.op == FilterOperator::Multiply;
    return listing && filterAllows && m_plan.request.strategy == ScanStrategy::Fastest &&
           m_kernel.CanListPrimes();
}

ScanEnding Scan::WalkPrimes() {
    const int32_t end = m_plan.end;
    // The range holds a passing number from the first one on.
    int32_t firstPassing = m_scanStart;
    if (m_plan.filter && !FilterCandidates(*m_plan.filter, m_scanStart, end).Next(firstPassing)) {
        firstPassing = end + 1;
    }
    // A prime's factorisation is itself; its Palmen colour is red (1).
    m_result = numlib::FactorResult{};
    m_result.count = 1;
    m_result.primes[0] = 1;
    m_result.exponents[1] = 1;
    constexpr int32_t kBatch = 4096;
    std::array<int32_t, kBatch> primes{};
    int64_t last = int64_t{m_scanStart} - 1;  // the last number visited
    int32_t lastPrime = 0;
    const auto reached = [&](ScanEnding ending) {
        m_rangeFound = m_rangeFound || firstPassing <= m_flags.currentNumber;
        return ending;
    };
    for (int64_t lo = m_scanStart; lo <= end;) {
        const int32_t count =
            m_kernel.NextPrimes(static_cast<int32_t>(lo), end, primes.data(), kBatch);
        for (int32_t i = 0; i < count; ++i) {
            const int32_t p = primes[static_cast<size_t>(i)];
            // A walk would check the output limit at the number after the last one visited.
            if (p > last + 1 && m_ledger.OutputFull()) return ScanEnding::Abandoned;
            if (m_ledger.ProgressBefore(p)) return reached(ScanEnding::Stopped);
            if (m_ledger.OutputFull()) return ScanEnding::Abandoned;
            m_ledger.Reach(p);
            if (m_filter.IsInFilter(p)) {
                m_result.primes[1] = p;
                m_prevOddWasPrime = lastPrime == p - 2;
                m_prevOddColor = 1;
                WritePassed(p, true);
            }
            if (m_ledger.ProgressAt(p)) return reached(ScanEnding::Stopped);
            last = lastPrime = p;
        }
        if (count < kBatch) break;
        lo = int64_t{lastPrime} + 1;
    }
    if (last < end) {
        if (m_ledger.OutputFull()) return ScanEnding::Abandoned;
        if (m_ledger.ProgressBefore(end + 1)) return reached(ScanEnding::Stopped);
    }
    m_rangeFound = m_rangeFound || firstPassing <= end;
    m_ledger.Reach(end);
    m_ledger.EndAt(end);
    return ScanEnding::Normal;
}

template <Scan::Work kWork>
ScanEnding Scan::Walk(bool candidates) {
    if (candidates) return WalkCandidates<kWork>();
    if constexpr (kWork == Work::Lines) {
        if (WalksPrimes()) return WalkPrimes();
    }
    if constexpr (kWork == Work::Histogram) {
        if (WalksCountBlocks()) return WalkCountBlocks();
    }
    if constexpr (kWork != Work::Count) {
        if (WalksInBatches(kWork)) return WalkInBatches<kWork>();
    }
    return WalkEveryNumber<kWork>(m_scanStart);
}

template ScanEnding Scan::Walk<Scan::Work::Count>(bool);
template ScanEnding Scan::Walk<Scan::Work::Histogram>(bool);
template ScanEnding Scan::Walk<Scan::Work::Lines>(bool);
template ScanEnding Scan::WalkEveryNumber<Scan::Work::Count>(int32_t);
template ScanEnding Scan::WalkEveryNumber<Scan::Work::Histogram>(int32_t);
template ScanEnding Scan::WalkEveryNumber<Scan::Work::Lines>(int32_t);

}  // namespace engine
