#include "StatsTestSupport.h"

#include "engine/HistogramRun.h"
#include "support/Factoring.h"

namespace stats_test {

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
            run.SetValue(n, oracle::CountDistinctPrimes(n), oracle::PalmenColor(n));
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
