#pragma once

#include <string>

#include "engine/HistogramState.h"

namespace stats {

// The table of a histogram as CSV, a header line and a line per row, LF
// line ends, numbers without grouping:
// - NPF: "number of prime factors,count", each number of primes with numbers;
// - EK: "bin,lower edge,upper edge,count", each filled bin of the selected
//   setting (bin numbers from 1, edges with six decimals);
// - Palmen colours: "colour,name,count,per cent", all eight colours (the per
//   cent of the numbers gathered, four decimals).
// The rows are those of the picture the data gives; the data is only read.
std::string HistogramCsv(const engine::HistogramState& state, int selectedBinsEntry);

}  // namespace stats
