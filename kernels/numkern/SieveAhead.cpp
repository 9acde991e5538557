#include "SieveAhead.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include <pthread.h>

#include "BlockSieve.h"

namespace numkern {

struct SieveAhead::Ring {
    // Three blocks: the one the caller reads, the one the thread fills, and
    // one that absorbs a moment when other work takes the thread's core. Two
    // and four measured no faster; with four the blocks tended to wait long
    // enough to leave the thread's cache before the caller read them.
    static constexpr uint32_t kBlocks = 3;

    std::array<FactorBlock, kBlocks> blocks{};
    BlockSieve sieve;  // the thread's own: its steps go on from the thread's last block
    std::thread thread;
    std::mutex mutex;
    std::condition_variable workWanted;  // the thread waits for work or room
    std::condition_variable blockReady;  // the caller waits for its block

    // Guarded by mutex. The blocks of a stretch are numbered from 0; block i
    // holds first + i * kBlockSize onwards and lies in blocks[i % kBlocks].
    bool stop = false;
    bool aimed = false;       // whether a Restart gave the stretch its first number
    uint32_t first = 0;       // block 0's first number
    uint32_t last = 0;        // the run's last number: no block goes beyond it
    uint32_t generation = 0;  // counts Restarts, so that a block of a discarded stretch is dropped
    uint32_t sieved = 0;      // blocks of the stretch ready
    uint32_t taken = 0;       // blocks handed out; the caller reads block taken - 1

    uint64_t BlockFirst(uint32_t index) const {
        return uint64_t{first} + uint64_t{index} * kBlockSize;
    }
    // The thread may overwrite every block but the one the caller reads.
    bool HasWork() const {
        const uint32_t released = taken == 0 ? 0 : taken - 1;
        return aimed && BlockFirst(sieved) <= last && sieved < released + kBlocks;
    }

    void Run(const PrimeTable& table);
};

void SieveAhead::Ring::Run(const PrimeTable& table) {
    std::unique_lock lock(mutex);
    for (;;) {
        workWanted.wait(lock, [this] { return stop || HasWork(); });
        if (stop) return;
        const uint32_t index = sieved;
        const uint32_t stretch = generation;
        const uint64_t blockFirst = BlockFirst(index);
        const uint64_t blockEnd = std::min(blockFirst + kBlockSize, uint64_t{last} + 1);
        FactorBlock& block = blocks[index % kBlocks];
        lock.unlock();
        sieve.Sieve(table, static_cast<uint32_t>(blockFirst), static_cast<uint32_t>(blockEnd),
                    block);
        lock.lock();
        if (stretch != generation) continue;
        sieved = index + 1;
        blockReady.notify_one();
    }
}

void SieveAhead::RingDeleter::operator()(Ring* ring) const { delete ring; }

SieveAhead::~SieveAhead() { Stop(); }

void SieveAhead::Start(const PrimeTable& table, uint32_t last) {
    Stop();
    try {
        if (!m_ring) m_ring.reset(new Ring());
        Ring& ring = *m_ring;
        // No thread runs: nothing to lock.
        ring.stop = false;
        ring.aimed = false;
        ring.last = last;
        ring.sieved = 0;
        ring.taken = 0;
        ring.thread = std::thread(&Ring::Run, &ring, std::cref(table));
        // Named before the run's first number, so that it can be told apart
        // in a list of the process's threads.
        pthread_setname_np(ring.thread.native_handle(), kThreadName);
        m_running = true;
    } catch (const std::exception&) {
        // No memory or no thread: the run sieves in the caller's thread.
        m_running = false;
    }
}

void SieveAhead::Stop() {
    if (!m_running) return;
    Ring& ring = *m_ring;
    {
        const std::lock_guard lock(ring.mutex);
        ring.stop = true;
    }
    ring.workWanted.notify_one();
    ring.thread.join();
    m_running = false;
}

void SieveAhead::Restart(uint32_t first) {
    if (!m_running) return;
    Ring& ring = *m_ring;
    {
        const std::lock_guard lock(ring.mutex);
        ++ring.generation;
        ring.aimed = true;
        ring.first = first;
        ring.sieved = 0;
        ring.taken = 0;
    }
    ring.workWanted.notify_one();
}

const FactorBlock* SieveAhead::Take(uint32_t first) {
    if (!m_running) return nullptr;
    Ring& ring = *m_ring;
    std::unique_lock lock(ring.mutex);
    const uint32_t index = ring.taken;
    if (!ring.aimed || ring.BlockFirst(index) != first || first > ring.last) return nullptr;
    ring.blockReady.wait(lock, [&ring, index] { return ring.sieved > index; });
    ring.taken = index + 1;
    lock.unlock();
    // The block read so far is free now.
    ring.workWanted.notify_one();
    return &ring.blocks[index % Ring::kBlocks];
}

}  // namespace numkern
