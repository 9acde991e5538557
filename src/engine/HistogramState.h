#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/FilterForm.h"

namespace engine {

enum class HistogramKind { NPF, EK, PC };

// The entries of the bins list; the NPF and Palmen colour kinds always use entry 4 (96).
inline constexpr std::array<int, 8> kBinsList = {40, 48, 60, 80, 96, 120, 160, 240};
inline constexpr int kFixedBinSetting = 4;
// The entry selected by the defaults (120), and where a list with no entry selected falls back.
inline constexpr int kDefaultBinsEntry = 5;
inline constexpr int kBinRows = 241;
inline constexpr int kBinSettings = 9;

// The data of the current or last histogram run. It outlives the run, so the
// EK picture can be drawn again for another number of bins from the same counts.
struct HistogramState {
    HistogramKind kind = HistogramKind::EK;

    double value = 0;  // of the current number
    double valueSum = 0;
    double valueSquareSum = 0;
    int32_t valueCount = 0;
    double valueMean = 0;
    double valueStdDev = 0;

    // [bin index][bins setting]
    std::array<std::array<int32_t, kBinSettings>, kBinRows> binCounts{};
    std::array<double, kBinSettings> binLowerEdges{};
    double binSize = 0;
    int numBins = 0;
    int binSetting = kFixedBinSetting;  // the column the renderer reads
    bool binOverlapFound = false;       // set at a rendering point (the overlap rule)

    int32_t gatheredCount = 0;
    int32_t startNumber = 0;
    int32_t lastNumber = 0;
    bool filterActive = false;
    FilterOperator filterOperator = FilterOperator::Multiply;  // while a filter is active
    std::string filterDescription;
};

}  // namespace engine
