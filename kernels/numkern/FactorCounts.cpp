#include "FactorCounts.h"

#include <system_error>
#include <thread>

#include "Limits.h"

namespace numkern {

namespace {

// Below this a second thread costs more to start than it saves.
constexpr int32_t kShareFrom = 1 << 17;

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
    const uint32_t half = total / 2;
    try {
        std::thread helper([&] { m_helper.Sieve(start + half, total - half, counts + half); });
        m_caller.Sieve(start, half, counts);
        helper.join();
    } catch (const std::system_error&) {
        // No thread to be had: the caller sieves it all.
        m_caller.Sieve(start, total, counts);
    }
    return count;
}

}  // namespace numkern
