#pragma once

#include <cstdint>
#include <memory>

#include "FactorBlock.h"
#include "PrimeTable.h"

namespace numkern {

// The second core of a run: a helper thread that sieves the blocks after the
// one the caller reads into a small ring, so that sieving and handing out
// numbers overlap. The thread lives from Start to Stop, one run; it waits on
// a condition variable while the ring is full or it has nothing to do, and
// the caller waits on another while the block it asks for is not ready. They
// meet once per block, never per number.
//
// What it gains depends on how fast one core reads what the other wrote: the
// caller reads 32 bytes of records per number from the helper's cache. Where
// that costs more than sieving the block itself (a few nanoseconds per
// number), one sieve thread is the faster choice; numkern_bench measures both.
//
// The ring serves one stretch of consecutive blocks at a time: Restart aims
// it at a block start, and Take hands out the blocks from there in order.
// The caller reads the block Take gave it until its next Take or Restart;
// the thread never writes that block meanwhile. A Restart discards whatever
// the ring held.
//
// Used from one caller thread. What the thread needs that is not
// constant-initialisable (the ring of 3 MiB, the thread, its locks) is
// allocated at the first Start and kept for later runs, so a SieveAhead can be
// static data that needs no constructor to run.
class SieveAhead {
public:
    // The helper's name among the process's threads (/proc/self/task/*/comm).
    static constexpr const char* kThreadName = "numkern-sieve";

    SieveAhead() = default;
    SieveAhead(const SieveAhead&) = delete;
    SieveAhead& operator=(const SieveAhead&) = delete;
    // Joins the thread: no thread outlives the kernel.
    ~SieveAhead();

    // Starts the thread for a run whose blocks go up to `last` at most
    // (last <= table.CoveredLimit()). `table` must stay unchanged until Stop.
    // Without a thread (none could be started) Take never serves, and the
    // caller sieves every block itself.
    void Start(const PrimeTable& table, uint32_t last);
    // Stops and joins the thread; nothing when none runs. Cost: at most one
    // block the thread is sieving.
    void Stop();
    bool Running() const { return m_running; }

    // Discards the ring and aims it at the blocks from `first` on, which the
    // thread begins to sieve at once; nothing when no thread runs. The block
    // Take gave last is released: the caller reads it no more.
    void Restart(uint32_t first);
    // The block that begins at `first` when the ring is aimed there, that is
    // `first` is the end of the block Take gave last, or the number Restart
    // aimed at; waits until it is sieved. Releases the block Take gave before.
    // nullptr when the ring holds no block from `first`: not aimed there, past
    // the run's last number, or no thread.
    const FactorBlock* Take(uint32_t first);

private:
    struct Ring;
    // Out of line, where Ring is complete.
    struct RingDeleter {
        void operator()(Ring* ring) const;
    };

    std::unique_ptr<Ring, RingDeleter> m_ring;
    bool m_running = false;
};

}  // namespace numkern
