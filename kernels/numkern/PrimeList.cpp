#include "PrimeList.h"

#include <algorithm>

#include <primesieve.h>

#include "Limits.h"

namespace numkern {

PrimeList::PrimeList() { primesieve_init(&m_iterator); }

PrimeList::~PrimeList() { primesieve_free_iterator(&m_iterator); }

int32_t PrimeList::Next(int32_t lo, int32_t hi, int32_t* primes, int32_t capacity) {
    const uint64_t from = static_cast<uint64_t>(std::max(lo, 0));
    const uint64_t to = std::min(static_cast<uint64_t>(std::max(hi, 0)), uint64_t{kMaxNumber});
    if (hi < 0 || to < from || capacity < 1) return 0;
    if (!m_open || from != m_next) {
        primesieve_jump_to(&m_iterator, from, kMaxNumber);
        m_held = 0;
        m_open = true;
    }
    int32_t count = 0;
    while (count < capacity) {
        const uint64_t p = m_held != 0 ? m_held : primesieve_next_prime(&m_iterator);
        m_held = 0;
        if (p == PRIMESIEVE_ERROR) {
            // The next call starts afresh.
            m_open = false;
            return -1;
        }
        if (p > to) {
            m_held = p;
            m_next = to + 1;
            return count;
        }
        primes[count++] = static_cast<int32_t>(p);
        m_next = p + 1;
    }
    return count;
}

}  // namespace numkern
