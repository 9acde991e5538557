#include "engine/NumberLines.h"

#include "engine/EkValue.h"

namespace engine {

int NumberLines::Head(std::string& out, int32_t n, int color, int32_t filterIndex) const {
    format::LineHeadOptions head = m_head;
    head.filterIndex = filterIndex;
    return format::LineHead(out, n, color, head);
}

void NumberLines::WriteOneOrTwo(std::string& out, int32_t n, int32_t filterIndex) const {
    const bool allFactors = m_mode == ComputeMode::DisplayAllFactors;
    const bool primesOnly = m_mode == ComputeMode::DisplayPrimesOnly;
    if (!allFactors && m_mode != ComputeMode::DisplayAllNumbers && !(primesOnly && n == 2)) return;
    if (allFactors && !m_head.bare) out += format::kAllFactorsPrefix;
    Head(out, n, n == 1 ? 0 : 1, filterIndex);
    if (n == 2 && !primesOnly) out += format::kPrimeMarker;
    // No EK value for 2, whose ln ln is negative.
    if (n == 2 && allFactors && m_showFactorCount) out += format::kTwoFactorNote;
    out += m_lineEnd;
}

void NumberLines::Write(std::string& out, const NumberFacts& facts) const {
    const numlib::FactorResult& result = *facts.result;
    const int32_t n = facts.n;
    const int color = result.Color();
    auto note = [&] {
        if (m_showFactorCount) {
            format::AppendFactorCountNote(out, result.count, EkValue(n, result.count),
                                          m_decimalMark);
        }
    };
    switch (m_mode) {
        case ComputeMode::DisplayAllFactors: {
            if (!m_head.bare) out += format::kAllFactorsPrefix;
            const int headLength = Head(out, n, color, facts.filterIndex);
            if (facts.isPrime) {
                out += format::kPrimeMarker;
            } else {
                format::AppendProperFactors(out, n, result, headLength, m_head.separator,
                                            m_lineEnd);
            }
            out += m_lineEnd;
            break;
        }
        case ComputeMode::DisplayPrimePairsOnly:
            if (facts.isPair) {
                Head(out, n - 2, facts.pairedColor, facts.filterIndex);
                if (m_head.separator == format::Separator::Space) out += ',';
                out += ' ';
                Head(out, n, color, facts.filterIndex);
                out += m_lineEnd;
            }
            break;
        case ComputeMode::DisplayPrimesOnly:
            if (facts.isPrime) {
                Head(out, n, color, facts.filterIndex);
                note();
                out += m_lineEnd;
            }
            break;
        default:
            Head(out, n, color, facts.filterIndex);
            if (facts.isPrime) {
                out += format::kPrimeMarker;
            } else {
                out += format::kDecompositionLead;
                format::AppendPrimeDecomposition(out, result, m_head.separator);
            }
            note();
            out += m_lineEnd;
            break;
    }
}

}  // namespace engine
