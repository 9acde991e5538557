#include "PrimeCount.h"

#include <algorithm>

#include <primesieve.h>
#include <primesieve/iterator.h>

#include "Limits.h"

namespace numkern {

namespace {

// x mod d for 32-bit x without a division: a multiplication by 2^64 / d
// rounded up gives the fraction x / d - floor(x / d) in 64 bits, and one more
// multiplication by d its remainder (exact for every x and d below 2^32).
class FastModulo {
public:
    explicit FastModulo(uint32_t d) : m_d(d), m_magic(~uint64_t{0} / d + 1) {}
    uint32_t operator()(uint32_t x) const {
        const uint64_t fraction = m_magic * x;
        __extension__ using Wide = unsigned __int128;
        return static_cast<uint32_t>((static_cast<Wide>(fraction) * m_d) >> 64);
    }

private:
    uint64_t m_d;
    uint64_t m_magic;
};

struct Span {
    int64_t from;
    int64_t to;
    bool Empty() const { return to < from; }
};

Span Clamped(int32_t lo, int32_t hi) {
    return {std::max<int64_t>(lo, 0), std::min<int64_t>(hi, kMaxNumber)};
}

// lo .. hi counted by primesieve's `count` (of primes or of pairs) on `threads` threads.
int64_t CountWith(uint64_t (*count)(uint64_t, uint64_t), int32_t lo, int32_t hi, int threads) {
    const Span span = Clamped(lo, hi);
    if (span.Empty()) return 0;
    // Set on every call: the setting is primesieve's, shared by the whole process.
    primesieve_set_num_threads(threads);
    const uint64_t counted =
        count(static_cast<uint64_t>(span.from), static_cast<uint64_t>(span.to));
    return counted == PRIMESIEVE_ERROR ? -1 : static_cast<int64_t>(counted);
}

}  // namespace

int64_t CountPrimes(int32_t lo, int32_t hi, int threads) {
    return CountWith(primesieve_count_primes, lo, hi, threads);
}

int64_t CountPrimePairs(int32_t lo, int32_t hi, int threads) {
    return CountWith(primesieve_count_twins, lo, hi, threads);
}

int64_t CountPrimesModulo(int32_t lo, int32_t hi, int32_t modulus, int32_t residue1,
                          int32_t residue2) {
    const Span span = Clamped(lo, hi);
    if (span.Empty() || modulus < 1) return 0;
    if (modulus == 1) return residue1 == 0 || residue2 == 0 ? CountPrimes(lo, hi) : 0;
    // Residues as unsigned: one outside 0 .. modulus - 1 matches nothing.
    const auto r1 = static_cast<uint32_t>(residue1);
    const auto r2 = static_cast<uint32_t>(residue2);
    const FastModulo remainder(static_cast<uint32_t>(modulus));
    primesieve_iterator it;
    primesieve_init(&it);
    primesieve_jump_to(&it, static_cast<uint64_t>(span.from), static_cast<uint64_t>(span.to));
    int64_t count = 0;
    const auto to = static_cast<uint64_t>(span.to);
    uint64_t p = primesieve_next_prime(&it);
    for (; p <= to; p = primesieve_next_prime(&it)) {
        const uint32_t r = remainder(static_cast<uint32_t>(p));
        count += static_cast<int64_t>((r == r1) | (r == r2));
    }
    primesieve_free_iterator(&it);
    return p == PRIMESIEVE_ERROR ? -1 : count;
}

}  // namespace numkern
