#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/EkBins.h"
#include "engine/NumberLines.h"
#include "numlib/FactorResult.h"

namespace engine {

// The text of a part's lines, written in place: a line is put together
// where it will stay, in room made for the longest line.
class PartText {
public:
    // Room for `size` more characters at the end; EndAt then tells where the
    // text written there ends.
    char* Room(size_t size) {
        if (m_text.size() - m_size < size)
            m_text.resize(std::max(2 * m_text.size(), m_size + size));
        return m_text.data() + m_size;
    }
    void EndAt(const char* end) { m_size = static_cast<size_t>(end - m_text.data()); }
    void Append(std::string_view text) {
        std::copy(text.begin(), text.end(), Room(text.size()));
        m_size += text.size();
    }
    void Clear() { m_size = 0; }
    size_t Size() const { return m_size; }
    std::string_view View() const { return std::string_view(m_text.data(), m_size); }

private:
    std::vector<char> m_text;
    size_t m_size = 0;
};

// Consecutive numbers of a scan, factored and tested against the filter ahead
// of it, with what two threads work out for them: the lines of a text run or
// the EK points of a histogram run. The numbers are split into parts, which
// the threads claim one at a time, so neither waits while the other has
// parts left.
class ScanBatch {
public:
    static constexpr int kCapacity = 16384;
    static constexpr int kPartSize = 256;
    static constexpr int kParts = kCapacity / kPartSize;

    // What the filter said of a number.
    enum Verdict : uint8_t { kFailed, kPassed, kFilterError };

    explicit ScanBatch(bool lines);

    // Makes the batch first .. first + count - 1, each number's data to be filled in.
    void Reset(int32_t first, int count, int32_t gatheredBefore);
    // The last number is the filter's error: the batch ends there.
    void EndAt(int count) { m_count = count; }

    int32_t Number(int i) const { return m_first + i; }
    int Count() const { return m_count; }
    int32_t GatheredBefore() const { return m_gatheredBefore; }

    // The next part no thread has claimed, or -1; its numbers are begin ..
    // end - 1. The thread that filled the batch takes parts from its end,
    // whose data is still in that thread's cache, the other one from the
    // front.
    int ClaimPart(bool fromBack) {
        const int parts = (m_count + kPartSize - 1) / kPartSize;
        uint32_t seen = m_claims.load(std::memory_order_relaxed);
        for (;;) {
            const int front = static_cast<int>(seen & 0xFFFFu);
            const int back = static_cast<int>(seen >> 16);
            if (front + back >= parts) return -1;
            const uint32_t next = fromBack ? seen + 0x10000u : seen + 1u;
            if (m_claims.compare_exchange_weak(seen, next, std::memory_order_relaxed)) {
                return fromBack ? parts - 1 - back : front;
            }
        }
    }
    static int PartBegin(int part) { return part * kPartSize; }
    int PartEnd(int part) const { return std::min(m_count, (part + 1) * kPartSize); }

    // A text run: the text of a part's lines, one after the other, with where
    // each number's line ends in it.
    PartText& TextOf(int part) { return m_parts[static_cast<size_t>(part)].text; }
    void EndLine(int i, int part) {
        m_lineEnds[static_cast<size_t>(i)] =
            static_cast<uint32_t>(m_parts[static_cast<size_t>(part)].text.Size());
    }
    // The line the number at i wrote (empty when none).
    std::string_view Line(int i) const;
    // The lines of the numbers at first .. last - 1, which lie in one part.
    std::string_view Lines(int first, int last) const;

    std::vector<uint8_t> verdicts;
    std::vector<int32_t> filterIndices;
    std::vector<int32_t> gathered;              // the filter's gathered count after each number
    std::vector<numlib::FactorResult> results;  // a text run
    std::vector<uint8_t> primes;                // a text run: 1 for a prime that passed
    std::vector<numlib::FactorCounts> counts;   // an EK histogram run
    std::vector<EkPoint> points;

private:
    // Each part in cache lines of its own: the two threads append to
    // different parts at once.
    struct alignas(64) Part {
        PartText text;
    };

    int32_t m_first = 0;
    int m_count = 0;
    int32_t m_gatheredBefore = 0;        // the filter's gathered count before the first number
    std::atomic<uint32_t> m_claims = 0;  // parts claimed from the front (low 16 bits) and the back
    std::array<Part, kParts> m_parts;
    std::vector<uint32_t> m_lineEnds;
};

// What a thread needs to work on parts, a copy for each thread in cache
// lines of its own: the scan's own objects sit beside data the scan writes
// for every number, and each of those writes would make the other core read
// them again.
struct alignas(64) BatchWork {
    NumberLines lines;
    EkBins ek;
};

}  // namespace engine
