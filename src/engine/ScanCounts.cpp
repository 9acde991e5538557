// Count only: the kernel counts the primes of whole chunks of the range at
// sieve speed, or those of the progressions of a "*" filter.

#include <algorithm>
#include <limits>
#include <optional>
#include <system_error>
#include <vector>

#include "engine/FilterCandidates.h"
#include "engine/Scan.h"
#include "engine/SecondThread.h"

namespace engine {

namespace {

// Chunks small enough for the display to move and Stop to act within a
// fraction of a second, large enough that counting runs at sieve speed. The
// kernel's sieve counts 2^29 numbers in about 30 ms with two threads, and its
// set-up for each call pays off only then (with 2^24, counting 1 .. 2^31 took
// 1.4 times as long as one call, with 2^27 still 1.07 times as long as with
// 2^29); the primes of a progression, tested one by one, take about 25 ms
// for 2^24.
constexpr int64_t kSieveChunk = int64_t{1} << 29;
constexpr int64_t kProgressionChunk = int64_t{1} << 24;

}  // namespace

template <typename Count>
std::optional<ScanEnding> Scan::CountChunks(int64_t lo, int64_t end, int64_t chunk, Count count) {
    while (lo <= end) {
        if (m_ledger.OutputFull()) return ScanEnding::Abandoned;
        int64_t hi = std::min(end, lo + chunk - 1);
        // A chunk that holds a progress point ends there, so the point's count is exact.
        const int64_t point = hi / m_ledger.Step() * m_ledger.Step();
        const bool atPoint = point >= lo;
        if (atPoint) hi = point;
        m_primeCount +=
            static_cast<int32_t>(count(static_cast<int32_t>(lo), static_cast<int32_t>(hi)));
        m_ledger.Reach(static_cast<int32_t>(hi));
        if (atPoint && m_ledger.ProgressPoint(static_cast<int32_t>(hi))) return ScanEnding::Stopped;
        lo = hi + 1;
    }
    return std::nullopt;
}

bool Scan::WalksCountBlocks() const {
    return m_histogram && m_histogram->TalliesBlocks() && !m_filter.Active() &&
           m_plan.request.strategy == ScanStrategy::Fastest && m_kernel.CanCountBlocks();
}

ScanEnding Scan::WalkCountBlocks() {
    // A block of 2^24 numbers (16 MB of counts): the kernel's set-up for a
    // block and its start of a helper thread are then a small part of the
    // work, and Stop still acts within milliseconds.
    constexpr int32_t kBlock = 1 << 24;
    const int64_t end = m_plan.end;
    const auto countFrom = [end](int64_t blockStart) {
        return static_cast<int32_t>(std::min<int64_t>(kBlock, end - blockStart + 1));
    };
    std::vector<uint8_t> ready(kBlock), next(kBlock);
    const auto make = [&](int64_t blockStart, std::vector<uint8_t>& into) {
        m_kernel.FactorCountsOfBlock(static_cast<int32_t>(blockStart), countFrom(blockStart),
                                     into.data());
    };
    // While a block is tallied, the next one is made beside it; without a
    // second thread (a process limit) one after the other. Declared after
    // the blocks, the thread ends before they go.
    std::optional<SecondThread> thread;
    try {
        thread.emplace();
    } catch (const std::system_error&) {
    }
    make(m_scanStart, ready);
    for (int64_t blockStart = m_scanStart; blockStart <= end;) {
        const int32_t count = countFrom(blockStart);
        const int64_t nextStart = blockStart + count;
        // The job gets its block's start by value: a scan that ends in this
        // block leaves the loop while the job still runs.
        if (nextStart <= end && thread) {
            thread->Begin([&make, &next, nextStart] { make(nextStart, next); });
        }
        if (auto ending = TallyCountBlock(blockStart, count, ready.data())) return *ending;
        if (nextStart <= end) {
            if (thread) {
                thread->Wait();
            } else {
                make(nextStart, next);
            }
        }
        std::swap(ready, next);
        blockStart = nextStart;
    }
    m_ledger.EndAt(m_plan.end);
    return ScanEnding::Normal;
}

std::optional<ScanEnding> Scan::TallyCountBlock(int64_t blockStart, int32_t count,
                                                const uint8_t* bytes) {
    for (int32_t i = 0; i < count;) {
        if (m_ledger.OutputFull()) return ScanEnding::Abandoned;
        // Every number passes: the gathered count rises by one a number.
        // A piece runs to the next rendering point; the progress points
        // inside it are shown before it is tallied, and a stop at one of
        // them ends the piece there.
        const int64_t first = blockStart + i;
        const int64_t rendering =
            first + (m_histogram->NextRenderingPoint() - m_filter.GatheredCount()) - 1;
        int64_t last = std::min(blockStart + count - 1, std::max(first, rendering));
        bool stopped = false;
        while (!stopped && m_ledger.NextProgress() <= last) {
            const auto point = static_cast<int32_t>(std::max(first, m_ledger.NextProgress()));
            m_ledger.Reach(point);
            stopped = m_ledger.ProgressPoint(point);
            if (stopped) last = point;
        }
        const auto pieceLength = static_cast<int32_t>(last - first + 1);
        m_filter.CountPassed(pieceLength);
        m_rangeFound = true;
        const auto n = static_cast<int32_t>(last);
        m_ledger.Reach(n);
        if (m_histogram->CountBlock(n, bytes + i, pieceLength, m_filter.GatheredCount())) {
            return OverlapStop(n);
        }
        if (stopped) return ScanEnding::Stopped;
        i += pieceLength;
    }
    return std::nullopt;
}

ScanEnding Scan::CountInChunks() {
    const auto count = [this](int32_t lo, int32_t hi) { return m_kernel.CountPrimes(lo, hi); };
    if (auto ending = CountChunks(m_scanStart, m_plan.end, kSieveChunk, count)) return *ending;
    m_rangeFound = true;
    m_ledger.EndAt(m_plan.end);
    return ScanEnding::Normal;
}

ScanEnding Scan::CountPairsInChunks() {
    const int64_t first = m_scanStart;  // the smaller number of a pair lies in the scan
    const auto isPrime = [this](int64_t n) { return m_kernel.IsPrime(static_cast<int32_t>(n)); };
    const auto count = [&](int32_t lo, int32_t hi) {
        int64_t pairs = m_kernel.CountPrimePairs(lo, hi);
        // A pair across the chunk's start belongs to the chunk of its larger number.
        for (int64_t p = int64_t{lo} - 2; p < lo; ++p) {
            if (p >= first && p + 2 <= hi && isPrime(p) && isPrime(p + 2)) ++pairs;
        }
        return pairs;
    };
    if (auto ending = CountChunks(m_scanStart, m_plan.end, kSieveChunk, count)) return *ending;
    m_rangeFound = true;
    m_ledger.EndAt(m_plan.end);
    return ScanEnding::Normal;
}

ScanEnding Scan::CountProgressionsInChunks() {
    const Filter& filter = *m_plan.filter;
    const int64_t a = filter.a;
    const int64_t b = filter.b;
    const bool plus = filter.form.TakesPlus();
    const bool minus = filter.form.TakesMinus();
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
        if (auto ending = CountChunks(m_scanStart, countTo, kProgressionChunk, count)) {
            return *ending;
        }
    }
    if (walkFrom > end) {
        m_ledger.EndAt(m_plan.end);
        return ScanEnding::Normal;
    }
    m_kernel.CalculatePrimes(m_plan.end);
    m_ledger.StartProgress(walkFrom);
    return WalkEveryNumber<Work::Count>(static_cast<int32_t>(walkFrom));
}

}  // namespace engine
