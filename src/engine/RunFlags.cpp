#include "engine/RunFlags.h"

namespace engine {

int32_t ClockProgressStep(int32_t currentNumber, int32_t scanStart, int intervalMs,
                          ComputeMode mode) {
    // Integer divisions truncating towards zero, as the step is defined: for
    // the window's 3 s, the numbers done / 3 / 3. The rate is taken from
    // milliseconds, so that the command line's shorter interval gives it too.
    const int64_t perSecond =
        intervalMs > 0 ? (int64_t{currentNumber} - scanStart) * 1000 / intervalMs : 0;
    auto step = static_cast<int32_t>(perSecond / 3);
    const bool counting = mode == ComputeMode::CountPrimesOnly;
    const bool listing =
        mode == ComputeMode::DisplayPrimesOnly || mode == ComputeMode::DisplayPrimePairsOnly;
    if (step == 0) step = counting ? 1000 : (listing ? 100 : 10);
    if (counting) {
        step -= step % 100;
        if (step < 100) step = 100;
    } else if (listing) {
        step -= step % 10;
        if (step < 10) step = 10;
    }
    return step;
}

void OnClockTick(RunFlags& flags, int intervalMs) {
    flags.progressStep =
        ClockProgressStep(flags.currentNumber, flags.scanStart, intervalMs, flags.scanMode);
    flags.clockTicked = true;
}

int32_t InitialProgressStep(ComputeMode scanMode) {
    switch (scanMode) {
        case ComputeMode::DisplayAllFactors:
            return 10;
        case ComputeMode::DisplayPrimesOnly:
            return 200;
        case ComputeMode::DisplayPrimePairsOnly:
            return 2000;
        case ComputeMode::CountPrimesOnly:
            return 20000;
        default:
            return 20;
    }
}

}  // namespace engine
