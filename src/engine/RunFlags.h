#pragma once

#include <cstdint>

#include "engine/ComputeMode.h"

namespace engine {

// The fields through which a running scan and the window talk: the Stop
// button and the clock set them during an event yield, the scan reads them
// at its next progress point.
struct RunFlags {
    bool stopRequested = false;
    bool clockTicked = false;
    int32_t progressStep = 20;
    int32_t currentNumber = 0;
    int32_t scanStart = 0;
    ComputeMode scanMode = ComputeMode::DisplayAllNumbers;  // the mode the scan runs in
};

// The clock's interval: the progress step is recalibrated once, this long into a run.
inline constexpr int kClockIntervalMs = 3000;

// The progress step for about three progress displays a second: the numbers
// done per second over the first interval, divided by 3, adjusted by mode.
int32_t ClockProgressStep(int32_t currentNumber, int32_t scanStart, int intervalMs,
                          ComputeMode mode);

// The clock's tick: recalibrates the step and marks the tick for the scan.
void OnClockTick(RunFlags& flags, int intervalMs = kClockIntervalMs);

// The progress step a run starts with, by the mode it scans in.
int32_t InitialProgressStep(ComputeMode scanMode);

}  // namespace engine
