#include "PrimeCount.h"

#include <algorithm>

#include <primesieve.h>

#include "Limits.h"

namespace numkern {

int64_t CountPrimes(int32_t lo, int32_t hi) {
    const int64_t from = std::max<int64_t>(lo, 0);
    const int64_t to = std::min<int64_t>(hi, kMaxNumber);
    if (to < from) return 0;
    // One thread: the program counts in chunks of 2^24 numbers, which
    // primesieve counts no faster with two, and the other core belongs to
    // the program's other work. Set on every call, as the setting is
    // primesieve's, shared by the whole process.
    primesieve_set_num_threads(1);
    const uint64_t count =
        primesieve_count_primes(static_cast<uint64_t>(from), static_cast<uint64_t>(to));
    return count == PRIMESIEVE_ERROR ? 0 : static_cast<int64_t>(count);
}

}  // namespace numkern
