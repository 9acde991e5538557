#include "StatsTestSupport.h"

#include "engine/HistogramRun.h"

namespace stats_test {

namespace {

// Prime factors of n, by trial division: {distinct, with multiplicity}.
std::pair<int, int> PrimeFactorCounts(int32_t n) {
    int distinct = 0;
    int total = 0;
    int64_t m = n;
    for (int64_t p = 2; p * p <= m; ++p) {
        if (m % p != 0) continue;
        ++distinct;
        while (m % p == 0) {
            m /= p;
            ++total;
        }
    }
    if (m > 1) {
        ++distinct;
        ++total;
    }
    return {distinct, total};
}

}  // namespace

int DistinctPrimes(int32_t n) { return PrimeFactorCounts(n).first; }

int PalmenColor(int32_t n) { return PrimeFactorCounts(n).second % 8; }

engine::HistogramState Gather(engine::ComputeMode mode, int32_t first, int32_t last) {
    engine::HistogramState state;
    engine::HistogramRun run(mode, state, nullptr, std::nullopt, "");
    run.SetUp(first);
    int32_t gathered = 0;
    for (int32_t n = first; n <= last; ++n) {
        // The scan gives 1 and 2 their values itself, without the kernel.
        if (n == 1) {
            run.SetValueOfOne();
        } else if (n == 2) {
            run.SetValueOfTwo();
        } else {
            run.SetValue(n, DistinctPrimes(n), PalmenColor(n));
        }
        run.Record(n, ++gathered);
    }
    run.FinalRendering(last, gathered);
    return state;
}

engine::HistogramState EkState(const std::map<int, int32_t>& counts, double mean, double sd,
                               int32_t gathered) {
    engine::HistogramState state;
    state.kind = engine::HistogramKind::EK;
    state.numBins = 96;
    state.binSize = 5.0 / 96;
    state.binSetting = 4;
    for (const auto& [bin, count] : counts) state.binCounts[static_cast<size_t>(bin)][4] = count;
    state.valueMean = mean;
    state.valueStdDev = sd;
    state.gatheredCount = gathered;
    state.startNumber = 1000000;
    state.lastNumber = 1000000 + gathered - 1;
    return state;
}

}  // namespace stats_test
