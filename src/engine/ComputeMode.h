#pragma once

namespace engine {

// The eight options of the mode group: five text modes and three histograms.
enum class ComputeMode {
    DisplayAllNumbers,
    DisplayAllFactors,
    DisplayPrimesOnly,
    DisplayPrimePairsOnly,
    CountPrimesOnly,
    DoNPFGraph,
    DoEKGraph,
    DoPCGraph,
};

constexpr bool IsGraphMode(ComputeMode mode) {
    return mode == ComputeMode::DoNPFGraph || mode == ComputeMode::DoEKGraph ||
           mode == ComputeMode::DoPCGraph;
}

}  // namespace engine
