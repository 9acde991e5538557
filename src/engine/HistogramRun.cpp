#include "engine/HistogramRun.h"

#include <cmath>
#include <stdexcept>

#include "engine/EkValue.h"
#include "engine/WholeValueTally.h"

namespace engine {

namespace {

HistogramKind KindOf(ComputeMode mode) {
    if (mode == ComputeMode::DoNPFGraph) return HistogramKind::NPF;
    if (mode == ComputeMode::DoPCGraph) return HistogramKind::PC;
    return HistogramKind::EK;
}

int32_t& BinAt(HistogramState& state, int index, int setting) {
    if (index < 0 || index >= kBinRows || setting < 0 || setting >= kBinSettings) {
        throw std::out_of_range("Subscript out of range");
    }
    return state.binCounts[static_cast<size_t>(index)][static_cast<size_t>(setting)];
}

bool IsBinsEntry(int entry) { return entry >= 0 && entry < static_cast<int>(kBinsList.size()); }

}  // namespace

HistogramRun::HistogramRun(ComputeMode graphMode, HistogramState& state, HistogramView* view,
                           std::optional<FilterOperator> filterOperator,
                           std::string filterDescription, int binsEntry)
    : m_graphMode(graphMode),
      m_state(state),
      m_view(view),
      m_binsEntry(IsBinsEntry(binsEntry) ? binsEntry : kDefaultBinsEntry) {
    m_state.kind = KindOf(graphMode);
    m_state.filterActive = filterOperator.has_value();
    m_state.filterOperator = filterOperator.value_or(FilterOperator::Multiply);
    m_state.filterDescription = std::move(filterDescription);
}

void HistogramRun::SetUp(int32_t startNumber) {
    HistogramState& s = m_state;
    s.binOverlapFound = false;
    for (auto& row : s.binCounts) row.fill(0);
    s.valueSum = s.valueSquareSum = s.valueMean = s.valueStdDev = 0;
    s.valueCount = 0;
    s.gatheredCount = 0;
    s.startNumber = startNumber;
    s.lastNumber = startNumber;
    m_tally.fill(0);
    m_tallyWhole = s.kind != HistogramKind::EK;
    m_tallyNpf = s.kind == HistogramKind::NPF;
    m_nextRendering = 0;

    int entry = m_view != nullptr ? m_view->SelectedBinsEntry() : m_binsEntry;
    if (!IsBinsEntry(entry)) {
        // A state file may leave the list with no entry selected.
        entry = kDefaultBinsEntry;
        m_view->SelectBinsEntry(entry);
    }
    if (s.kind == HistogramKind::EK) {
        // Every value is counted in each setting (m_ekBins).
        s.binSetting = entry;
        s.numBins = kBinsList[static_cast<size_t>(entry)];
        s.binSize = 5.0 / s.numBins;
    } else {
        m_rememberedBinsEntry = entry;
        if (m_view != nullptr) m_view->SelectBinsEntry(kFixedBinSetting);
        s.binSetting = kFixedBinSetting;
        s.numBins = kBinsList[kFixedBinSetting];
        s.binSize = 10.0 / s.numBins;
        // Their values are whole numbers 0 .. 9: each one's bin, worked out once.
        for (size_t v = 0; v < m_wholeValueBins.size(); ++v) {
            m_wholeValueBins[v] = BinIndex(static_cast<double>(v), s.binSize);
        }
    }
    if (m_view != nullptr) {
        m_view->BeginGraph(s,
                           ExplanationText(s.kind, s.numBins, s.filterActive, s.filterDescription));
    }
}

void HistogramRun::AddToStatistics(double x) {
    m_state.valueSum += x;
    m_state.valueSquareSum += x * x;
    m_state.valueCount += 1;
}

// The mean and deviation follow from the sums; they are worked out where a
// rendering reads them, not for every number. A variance of 0 keeps the
// deviation as it was.
void HistogramRun::UpdateStatistics() {
    HistogramState& s = m_state;
    if (s.valueCount == 0) return;
    s.valueMean = s.valueSum / s.valueCount;
    if (s.valueCount > 1) {
        const double variance = s.valueSquareSum / s.valueCount - s.valueMean * s.valueMean;
        if (variance > 0) s.valueStdDev = std::sqrt(variance);
    }
}

void HistogramRun::SetValueOfOne() { m_state.value = 1.0; }

void HistogramRun::SetValueOfTwo() {
    if (m_state.kind == HistogramKind::NPF) {
        m_state.value = 1;
        m_state.valueSum = 1;
        m_state.valueSquareSum = 1;
        m_state.valueCount = 1;
        m_state.valueMean = 1;
    } else if (m_state.kind == HistogramKind::PC) {
        m_state.value = 2.0;
    }
}

void HistogramRun::SetValue(int32_t n, int npf, int color) {
    Flush();
    switch (m_state.kind) {
        case HistogramKind::NPF:
            m_state.value = npf;
            break;
        case HistogramKind::PC:
            m_state.value = color + 1;
            return;
        case HistogramKind::EK:
            m_state.value = EkValue(n, npf);
            break;
    }
    AddToStatistics(m_state.value);
}

int32_t HistogramRun::RenderingCadence() const {
    if (!m_state.filterActive) return 500;
    switch (m_state.filterOperator) {
        case FilterOperator::Power:
            return 1;
        case FilterOperator::Divide:
            return 5;
        case FilterOperator::Multiply:
            break;
    }
    return 50;
}

bool HistogramRun::RenderingPointIfDue(int32_t n, int32_t gatheredCount) {
    m_state.gatheredCount = gatheredCount;
    m_state.lastNumber = n;
    const int32_t cadence = RenderingCadence();
    m_nextRendering = (gatheredCount / cadence + 1) * cadence;
    if (gatheredCount % cadence != 0) {
        Flush();
        return false;
    }
    RenderingPoint(false);
    return m_state.binOverlapFound;
}

int HistogramRun::SelectedBinsEntry() const {
    if (m_state.kind != HistogramKind::EK) return kFixedBinSetting;
    const int entry = m_view != nullptr ? m_view->SelectedBinsEntry() : m_binsEntry;
    return IsBinsEntry(entry) ? entry : kDefaultBinsEntry;
}

void HistogramRun::RenderingPoint(bool final) {
    Flush();
    UpdateStatistics();
    HistogramState& s = m_state;
    if (s.valueStdDev != 0 || s.kind == HistogramKind::PC) {
        s.binOverlapFound = false;
        if (s.kind == HistogramKind::EK) {
            const int setting = SelectedBinsEntry();
            const int numBins = kBinsList[static_cast<size_t>(setting)];
            for (int i = 0; i < numBins; ++i) {
                int32_t& here = BinAt(s, i, setting);
                int32_t& next = BinAt(s, i + 1, setting);
                if (here > 0 && next > 0) {
                    next += here;
                    here = 0;
                    s.binOverlapFound = true;
                    break;
                }
            }
        }
    }
    if (m_view != nullptr) m_view->Render(s, final);
}

void HistogramRun::Flush() {
    if (!m_tallyWhole) return;
    HistogramState& s = m_state;
    s.binLowerEdges[kFixedBinSetting] = 0;
    for (size_t whole = 0; whole < m_tally.size(); ++whole) {
        const int32_t count = m_tally[whole];
        if (count == 0) continue;
        BinAt(s, m_wholeValueBins[whole], kFixedBinSetting) += count;
        if (s.kind == HistogramKind::NPF) {
            const double x = static_cast<double>(whole);
            s.valueSum += x * count;
            s.valueSquareSum += x * x * count;
            s.valueCount += count;
        }
    }
    m_tally.fill(0);
}

void HistogramRun::CountEkBins(const EkPoint& point) {
    for (size_t setting = 0; setting < kBinsList.size(); ++setting) {
        m_state.binLowerEdges[setting] = m_ekBins.LowerEdge(setting);
        ++BinAt(m_state, point.bins[setting], static_cast<int>(setting));
    }
}

bool HistogramRun::CountBlock(int32_t n, const uint8_t* bytes, int32_t count,
                              int32_t gatheredCount) {
    TallyWholeValues(bytes, count, m_tallyNpf, m_tally);
    if (gatheredCount >= m_nextRendering) return RenderingPointIfDue(n, gatheredCount);
    return false;
}

bool HistogramRun::CountEk(int32_t n, const EkPoint& point, int32_t gatheredCount) {
    m_state.value = point.value;
    AddToStatistics(point.value);
    CountEkBins(point);
    return RenderingPointIfDue(n, gatheredCount);
}

bool HistogramRun::Record(int32_t n, int32_t gatheredCount) {
    Flush();
    HistogramState& s = m_state;
    const double x = s.value;
    if (s.kind == HistogramKind::EK) {
        CountEkBins(m_ekBins.PointOf(x));
    } else {
        s.binLowerEdges[kFixedBinSetting] = 0;
        const auto whole = static_cast<size_t>(x);
        const int index = whole < m_wholeValueBins.size() && static_cast<double>(whole) == x
                              ? m_wholeValueBins[whole]
                              : BinIndex(x, s.binSize);
        ++BinAt(s, index, kFixedBinSetting);
    }
    return RenderingPointIfDue(n, gatheredCount);
}

void HistogramRun::FinalRendering(int32_t lastNumber, int32_t gatheredCount) {
    m_state.lastNumber = lastNumber;
    m_state.gatheredCount = gatheredCount;
    RenderingPoint(true);
}

Message HistogramRun::Close() {
    if (m_view != nullptr && m_state.kind != HistogramKind::EK) {
        m_view->SelectBinsEntry(m_rememberedBinsEntry);
    }
    switch (m_state.kind) {
        case HistogramKind::NPF:
            return {"Click OK to close the text box at left.",
                    "Frequencies of integers with n prime factors", MessageIcon::None};
        case HistogramKind::PC:
            return {"Click OK to close the text box at left.", "Palmen color frequencies",
                    MessageIcon::None};
        case HistogramKind::EK:
            break;
    }
    return {"Click OK to close the text box at left.", "EK values", MessageIcon::None};
}

std::string HistogramRun::ExplanationText(HistogramKind kind, int numBins, bool filterActive,
                                          const std::string& filterDescription) {
    std::string text;
    switch (kind) {
        case HistogramKind::NPF:
            text =
                "This histogram is formed by counting \r\n"
                "the integers (from the start number onwards) "
                "which have exactly 1, 2, 3 ... prime factors.  "
                "(Prime numbers and powers of prime numbers have exactly 1 prime factor.)";
            break;
        case HistogramKind::PC:
            text =
                "This histogram shows the relative frequencies of the Palmen colors "
                "as percentages of the total number found to this point in the calculation."
                "\r\n\r\n";
            if (!filterActive) {
                text +=
                    "The red line (if any) shows the linear relationship Pc = A - B*C "
                    "which most closely fits the data (the eight percentage values).  ";
            }
            break;
        case HistogramKind::EK:
            text =
                "This histogram is formed as follows:\r\n\r\n"
                "The 'EK value'\r\n\r\n"
                "( NPF(n) - log(log(n)) ) / sqrt(log(log(n)))\r\n"
                "where NPF(n) is the number of prime factors of n, "
                "and log(x) is the natural log, \r\n"
                "is calculated for all integers n from the start number onwards.  "
                "These values are assigned to the " +
                std::to_string(numBins) +
                " bins "
                "and the histogram plots the number of values in each bin.\r\n\r\n"
                "The red graph is the Gaussian curve produced by the mean "
                "and standard deviation of the EK values computed.";
            if (!filterActive) {
                text += "  The magenta graph is the Gaussian for mean = 1/6 and std. dev. = 2/3.";
            }
            text +=
                "\r\n\r\n"
                "The computation continues until values have been "
                "computed for all integers in the range or until "
                "two numbers are found which have the same number of prime "
                "factors but whose EK values fall into different (adjacent) bins.";
            break;
    }
    if (filterActive) text += "\r\n\r\nFilter: " + filterDescription;
    return text;
}

}  // namespace engine
