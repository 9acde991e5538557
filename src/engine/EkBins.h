#pragma once

#include <array>
#include <cstdint>

#include "engine/HistogramState.h"

namespace engine {

// The bin of a value: offset / binWidth rounded down, the quotient taken in
// extended precision on the stored doubles, so 5 / (10/96) lands in bin 47,
// just below 48.
int BinIndex(double offset, double binWidth);

// An EK value and its bin in each bins setting.
struct EkPoint {
    double value = 0;
    std::array<int32_t, kBinsList.size()> bins{};
};

// The bins of the EK values in every setting: each setting's bin width and
// lower edge. Fixed once made, and small: a thread that works out points
// ahead of a scan keeps its own copy.
class EkBins {
public:
    EkBins();

    EkPoint PointOf(double value) const;
    double LowerEdge(size_t setting) const { return m_lowerEdges[setting]; }

private:
    std::array<double, kBinsList.size()> m_widths{};
    std::array<double, kBinsList.size()> m_lowerEdges{};
};

}  // namespace engine
