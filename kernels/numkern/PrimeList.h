#pragma once

#include <cstdint>

#include <primesieve/iterator.h>

namespace numkern {

// The primes of a run in ascending order, a buffer at a time, from one
// primesieve iterator that each call goes on with: a call whose lo is the
// number after what the last call covered continues where it stopped,
// any other lo starts the iterator there.
class PrimeList {
public:
    PrimeList();
    ~PrimeList();
    PrimeList(const PrimeList&) = delete;
    PrimeList& operator=(const PrimeList&) = delete;

    // Writes the primes of lo .. hi (clamped to 0 .. kMaxNumber), at most
    // `capacity` of them, into `primes`; returns how many.
    int32_t Next(int32_t lo, int32_t hi, int32_t* primes, int32_t capacity);

private:
    primesieve_iterator m_iterator;
    bool m_open = false;
    uint64_t m_next = 0;  // the lowest number the last call did not cover
    uint64_t m_held = 0;  // a prime taken from the iterator past the last call's hi
};

}  // namespace numkern
