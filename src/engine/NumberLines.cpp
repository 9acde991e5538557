#include "engine/NumberLines.h"

#include <array>
#include <cstring>

#include "engine/EkValue.h"

namespace engine {

format::LineHeadOptions NumberLines::HeadWith(int32_t filterIndex) const {
    format::LineHeadOptions head = m_head;
    head.filterIndex = filterIndex;
    return head;
}

int NumberLines::Head(std::string& out, int32_t n, int color, int32_t filterIndex) const {
    return format::LineHead(out, n, color, HeadWith(filterIndex));
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
    out += LineEnd();
}

void NumberLines::Write(std::string& out, const NumberFacts& facts) const {
    const numlib::FactorResult& result = *facts.result;
    const int32_t n = facts.n;
    const int color = result.Color();
    switch (m_mode) {
        case ComputeMode::DisplayAllFactors: {
            if (!m_head.bare) out += format::kAllFactorsPrefix;
            const int headLength = Head(out, n, color, facts.filterIndex);
            if (facts.isPrime) {
                out += format::kPrimeMarker;
            } else {
                format::AppendProperFactors(out, n, result, headLength, m_head.separator,
                                            LineEnd());
            }
            out += LineEnd();
            break;
        }
        case ComputeMode::DisplayPrimePairsOnly:
            if (facts.isPair) {
                Head(out, n - 2, facts.pairedColor, facts.filterIndex);
                if (m_head.separator == format::Separator::Space) out += ',';
                out += ' ';
                Head(out, n, color, facts.filterIndex);
                out += LineEnd();
            }
            break;
        case ComputeMode::DisplayPrimesOnly:
            if (facts.isPrime) WriteFactorLine(out, facts);
            break;
        default:
            WriteFactorLine(out, facts);
            break;
    }
}

char* NumberLines::WriteHeadOf(char* at, const NumberFacts& facts) const {
    return format::WriteLineHead(at, facts.n, facts.result->Color(), HeadWith(facts.filterIndex));
}

char* NumberLines::WriteHeadNotes(char* at, const NumberFacts& facts) const {
    return format::WriteHeadNotes(at, facts.result->Color(), HeadWith(facts.filterIndex));
}

void NumberLines::WriteFactorLine(std::string& out, const NumberFacts& facts) const {
    // The line is put together in place and appended in one piece: these
    // are the lines of the long runs.
    std::array<char, kLineRoom> line;
    char* at = WriteFactorText(line.data(), facts);
    if (m_showFactorCount) {
        out.append(line.data(), static_cast<size_t>(at - line.data()));
        format::AppendFactorCountNote(out, facts.result->count,
                                      EkValue(facts.n, facts.result->count), m_decimalMark);
        out += LineEnd();
        return;
    }
    at = WriteLineEnd(at);
    out.append(line.data(), static_cast<size_t>(at - line.data()));
}

}  // namespace engine
