#include "stats/HistogramCsv.h"

#include <array>
#include <cstdio>

#include "stats/GraphLayout.h"

namespace stats {

namespace {

// The bins the whole values 1..9 of the NPF and Palmen colour kinds fall into
// (96 bins of 10/96, the quotient in extended precision).
constexpr std::array<int, 9> kWholeValueBins = {9, 19, 28, 38, 47, 57, 67, 76, 86};
constexpr std::array<const char*, 8> kColourNames = {"black", "red",     "green", "yellow",
                                                     "blue",  "magenta", "cyan",  "white"};

std::string Decimals(double value, int decimals) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return text.data();
}

}  // namespace

std::string HistogramCsv(const engine::HistogramState& state, int selectedBinsEntry) {
    const int setting = RenderedBinsEntry(state.kind, selectedBinsEntry);
    const auto count = [&](int bin) {
        return state.binCounts[static_cast<size_t>(bin)][static_cast<size_t>(setting)];
    };
    std::string csv;
    switch (state.kind) {
        case engine::HistogramKind::NPF:
            csv = "number of prime factors,count\n";
            for (size_t k = 1; k <= kWholeValueBins.size(); ++k) {
                const int32_t n = count(kWholeValueBins[k - 1]);
                if (n > 0) csv += std::to_string(k) + "," + std::to_string(n) + "\n";
            }
            break;
        case engine::HistogramKind::EK: {
            const GraphLayout layout = ComputeGraphLayout(state.kind, setting, kSurfaceHeight);
            csv = "bin,lower edge,upper edge,count\n";
            for (int i = 0; i < layout.numBins; ++i) {
                if (count(i) <= 0) continue;
                csv += std::to_string(i + 1) + "," +
                       Decimals(i * layout.binSize + layout.BinStart(), 6) + "," +
                       Decimals((i + 1) * layout.binSize + layout.BinStart(), 6) + "," +
                       std::to_string(count(i)) + "\n";
            }
            break;
        }
        case engine::HistogramKind::PC:
            csv = "colour,name,count,per cent\n";
            for (size_t c = 0; c < kColourNames.size(); ++c) {
                const int32_t n = count(kWholeValueBins[c]);
                const double percent =
                    state.gatheredCount > 0 ? n * 100.0 / state.gatheredCount : 0.0;
                csv += std::to_string(c) + "," + kColourNames[c] + "," + std::to_string(n) + "," +
                       Decimals(percent, 4) + "\n";
            }
            break;
    }
    return csv;
}

}  // namespace stats
