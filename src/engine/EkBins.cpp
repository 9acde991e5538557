#include "engine/EkBins.h"

#include <cmath>

namespace engine {

int BinIndex(double offset, double binWidth) {
    const long double quotient =
        static_cast<long double>(offset) / static_cast<long double>(binWidth);
    if (!(quotient >= 0 && quotient < 1e9L)) return static_cast<int>(std::floor(quotient));
    // The floor without switching the x87 rounding mode, which costs more
    // than the division: the quotient rounded to a double may reach the next
    // whole number (47.99999999999999999 gives 48.0), and is then one too many.
    const int whole = static_cast<int>(static_cast<double>(quotient));
    return static_cast<long double>(whole) > quotient ? whole - 1 : whole;
}

EkBins::EkBins() {
    for (size_t setting = 0; setting < kBinsList.size(); ++setting) {
        const int nb = kBinsList[setting];
        m_widths[setting] = 5.0 / nb;
        const double z = std::floor(nb * 0.25) + 1;
        m_lowerEdges[setting] = -z * m_widths[setting];
    }
}

EkPoint EkBins::PointOf(double value) const {
    EkPoint point;
    point.value = value;
    for (size_t setting = 0; setting < kBinsList.size(); ++setting) {
        point.bins[setting] = BinIndex(value - m_lowerEdges[setting], m_widths[setting]);
    }
    return point;
}

}  // namespace engine
