#include "FactorCounts.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

#include "Limits.h"

namespace numkern {

namespace {

// Below this a second thread costs more to start than it saves.
constexpr int32_t kShareFrom = 1 << 17;
// A piece: long enough that placing the primes at its start is a small part
// of its work, short enough that the last pieces even out the two threads.
constexpr uint32_t kPiece = 1u << 20;

}  // namespace

int32_t FactorCounts::Fill(int32_t first, int32_t count, uint8_t* counts, int threads) {
    if (counts == nullptr || first < 1 || count < 1 ||
        static_cast<int64_t>(first) + count - 1 > kMaxNumber) {
        return 0;
    }
    const auto start = static_cast<uint32_t>(first);
    const auto total = static_cast<uint32_t>(count);
    if (threads < 2 || count < kShareFrom) {
        m_caller.Sieve(start, total, counts);
        return count;
    }
    // A block shorter than two pieces is cut in halves.
    const uint32_t piece = total < 2 * kPiece ? (total + 1) / 2 : kPiece;
    const uint32_t pieces = (total + piece - 1) / piece;
    std::atomic<uint32_t> taken{0};
    const auto work = [&](CountSieve& sieve) {
        for (uint32_t next = taken++; next < pieces; next = taken++) {
            const uint32_t offset = next * piece;
            sieve.Sieve(start + offset, std::min(piece, total - offset), counts + offset);
        }
    };
    try {
        std::thread helper([&] { work(m_helper); });
        work(m_caller);
        helper.join();
    } catch (const std::system_error&) {
        // No thread to be had: the caller sieves what is left.
        work(m_caller);
    }
    return count;
}

}  // namespace numkern
