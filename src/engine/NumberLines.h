#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/ComputeMode.h"
#include "format/DecimalCounter.h"
#include "format/ResultLine.h"
#include "numlib/FactorResult.h"

namespace engine {

// What the line of one number n >= 3 that passed the filter shows.
struct NumberFacts {
    int32_t n = 0;
    const numlib::FactorResult* result = nullptr;
    bool isPrime = false;
    int32_t filterIndex = 0;  // N of the filter's form, when a filter is active
    // The prime pairs: n - 2 passed the filter and is prime too, with this colour.
    bool isPair = false;
    int pairedColor = 0;
    // The counter that holds n's text when the caller counts the numbers up.
    const format::DecimalCounter* counter = nullptr;
};

// The lines of a text run, fixed for the run and free of state, so that a
// second thread may write lines with the same object while the scan goes on.
class NumberLines {
public:
    // `head` without its filter index, which comes with each number.
    // Lines end in `lineEnd`, "\n" or "\r\n".
    NumberLines(ComputeMode mode, const format::LineHeadOptions& head, bool showFactorCount,
                std::string_view lineEnd = format::kLineEnd)
        : m_mode(mode),
          m_head(head),
          m_showFactorCount(showFactorCount),
          m_lineEndSize(std::min<size_t>(lineEnd.size(), 2)),
          m_decimalMark(format::DecimalMark()),
          m_shortTexts(&format::ShortNumberTexts::For(head.separator)),
          m_headNotes((head.filterActive && !head.primePairsMode) || head.showColor) {
        std::copy_n(lineEnd.begin(), m_lineEndSize, m_lineEnd.begin());
    }

    // Appends n's line (nothing for a composite in the prime listings).
    void Write(std::string& out, const NumberFacts& facts) const;
    // Whether the run's lines can be written with WriteLineAt: those of
    // "factor all numbers" without the factor-count note, which have a bound.
    bool WritesInPlace() const {
        return m_mode == ComputeMode::DisplayAllNumbers && !m_showFactorCount;
    }
    static constexpr size_t kLineRoom = format::kMaxHeadWidth + format::kMaxDecompositionWidth + 8;
    // Write's line when WritesInPlace, written at `at` (room for kLineRoom
    // characters); the end. Inline: it writes the lines of the long runs.
    char* WriteLineAt(char* at, const NumberFacts& facts) const {
        return WriteLineEnd(WriteFactorText(at, facts));
    }
    // Appends the line of 1 or 2, which have no factorisation of the kernel's
    // (nothing where the mode lists neither).
    void WriteOneOrTwo(std::string& out, int32_t n, int32_t filterIndex) const;
    format::Separator Separator() const { return m_head.separator; }
    // Appends the head of n's line (any n, 1 and 2 too); its length.
    int Head(std::string& out, int32_t n, int color, int32_t filterIndex) const;

private:
    // The line of "factor all numbers", or of a prime in the listing.
    void WriteFactorLine(std::string& out, const NumberFacts& facts) const;
    // That line without its note and line end, at `at`; the end.
    char* WriteFactorText(char* at, const NumberFacts& facts) const {
        at = WriteHead(at, facts);
        if (m_mode != ComputeMode::DisplayAllNumbers) return at;
        if (facts.isPrime) {
            std::memcpy(at, format::kPrimeMarker.data(), format::kPrimeMarker.size());
            return at + format::kPrimeMarker.size();
        }
        std::memcpy(at, format::kDecompositionLead.data(), format::kDecompositionLead.size());
        return format::WritePrimeDecomposition(at + format::kDecompositionLead.size(),
                                               *facts.result, *m_shortTexts);
    }
    // The head of a number's line, at `at`; the end.
    char* WriteHead(char* at, const NumberFacts& facts) const {
        if (facts.counter == nullptr) return WriteHeadOf(at, facts);
        *at = ' ';
        at = facts.counter->Write(at + (m_head.bare ? 0 : 1));
        return m_headNotes ? WriteHeadNotes(at, facts) : at;
    }
    // The run's head options with a number's filter index.
    format::LineHeadOptions HeadWith(int32_t filterIndex) const;
    // The head written from n itself, when no counter holds its text.
    char* WriteHeadOf(char* at, const NumberFacts& facts) const;
    // The filter index and colour after the number.
    char* WriteHeadNotes(char* at, const NumberFacts& facts) const;
    char* WriteLineEnd(char* at) const {
        std::memcpy(at, m_lineEnd.data(), 2);
        return at + m_lineEndSize;
    }
    std::string_view LineEnd() const { return std::string_view(m_lineEnd.data(), m_lineEndSize); }
    ComputeMode m_mode;
    format::LineHeadOptions m_head;
    bool m_showFactorCount;
    // "\n" or "\r\n", kept whole so that a line end is copied in one piece.
    size_t m_lineEndSize;
    std::array<char, 2> m_lineEnd{};
    std::string m_decimalMark;  // the locale's, read once: the lines of a run share it
    const format::ShortNumberTexts* m_shortTexts;
    bool m_headNotes;  // the head shows more than the number
};

}  // namespace engine
