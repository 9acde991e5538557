#pragma once

#include <cstdint>
#include <string>

#include "numlib/FactorResult.h"
#include "numlib/KernelLibrary.h"
#include "util/SharedLibrary.h"

namespace numlib {

// The number-theory kernel libnumkern.so, loaded from the program's folder.
// The one way the program reaches the kernel.
class NumKernel {
public:
    static constexpr const char* kLibraryName = "libnumkern.so";

    // The process's kernel, loaded on first use; throws KernelLoadError.
    static const NumKernel& Instance();
    // Loads the kernel from `folder` (for tools and tests that keep it elsewhere).
    static NumKernel Load(const std::string& folder);

    // Prepares a run whose numbers go up to `limit`.
    void CalculatePrimes(int32_t limit) const { m_calculatePrimes(limit); }

    // Factors n of a run that began at `first`. Clears exponents 1..9 first,
    // as the kernel's contract asks of its caller.
    void Factor(int32_t first, int32_t n, FactorResult& result) const {
        for (int i = 1; i < 10; ++i) result.exponents[i] = 0;
        int32_t k = m_factor(first, n, result.primes.data(), result.exponents.data());
        // The low 16 bits of k count, bounded to the arrays.
        int16_t count = static_cast<int16_t>(k);
        result.count = count < 0 ? 0 : (count > 9 ? 9 : count);
    }

    // What Factor() tells of n without its primes, in the same run: a kernel
    // that can count factors writes nothing, which halves the cost.
    FactorCounts CountFactors(int32_t first, int32_t n) const {
        if (m_countFactors == nullptr) [[unlikely]]
            return FactorCountsOf(first, n);
        const int32_t packed = m_countFactors(first, n);
        if (packed < 0) [[unlikely]]
            return {0, -1, false};
        return {packed & 0xFF, (packed >> 8) & 0xFF, ((packed >> 16) & 1) != 0};
    }

    bool IsPrime(int32_t n) const { return m_isPrime(n, n) == 1; }

    // Beyond the four functions every kernel has, ours also counts primes and
    // prime pairs and lists primes at sieve speed, gives the counts of a
    // factorisation alone and sieves ahead on a second thread. A kernel
    // without them still serves: counting and listing then factor each
    // number, and nothing runs ahead.
    bool CanCountPrimes() const { return m_countPrimes != nullptr; }
    // The primes of lo .. hi; only when CanCountPrimes().
    int64_t CountPrimes(int32_t lo, int32_t hi) const {
        return Checked(m_countPrimes(lo, hi), "count the primes");
    }
    bool CanCountPrimesModulo() const { return m_countPrimesModulo != nullptr; }
    // The primes of lo .. hi that leave residue1 or residue2 (-1: none) on
    // division by modulus; only when CanCountPrimesModulo().
    int64_t CountPrimesModulo(int32_t lo, int32_t hi, int32_t modulus, int32_t residue1,
                              int32_t residue2) const {
        return Checked(m_countPrimesModulo(lo, hi, modulus, residue1, residue2),
                       "count the primes");
    }
    bool CanCountPrimePairs() const { return m_countPrimePairs != nullptr; }
    // The prime pairs (p, p + 2) with lo <= p, p + 2 <= hi; only when CanCountPrimePairs().
    int64_t CountPrimePairs(int32_t lo, int32_t hi) const {
        return Checked(m_countPrimePairs(lo, hi), "count the prime pairs");
    }
    bool CanCountBlocks() const { return m_factorCounts != nullptr; }
    // What CountFactors tells of each number of first .. first + count - 1
    // but primality, a byte each (k in bits 0-3, the colour in bits 4-6);
    // only when CanCountBlocks().
    void FactorCountsOfBlock(int32_t first, int32_t count, uint8_t* bytes) const {
        if (m_factorCounts(first, count, bytes) != count) Failed("count the prime factors");
    }
    bool CanListPrimes() const { return m_nextPrimes != nullptr; }
    // The primes of lo .. hi ascending, at most `capacity`, into `primes`; how
    // many. Calls that go on from the last one run at sieve speed. Only when
    // CanListPrimes().
    int32_t NextPrimes(int32_t lo, int32_t hi, int32_t* primes, int32_t capacity) const {
        return static_cast<int32_t>(
            Checked(m_nextPrimes(lo, hi, primes, capacity), "list the primes"));
    }
    // The run has ended: the kernel stops sieving ahead.
    void FinishRun() const {
        if (m_finishRun != nullptr) m_finishRun();
    }
    // 1 sieves in the caller's thread only, 2 also on a second thread, 0 the
    // kernel's default (2 when the process may use two processors). The
    // program's scans follow the same choice for their own second thread.
    void SetSieveThreads(int32_t count) const {
        m_threads = count < 0 ? 0 : count;
        if (m_setSieveThreads != nullptr) m_setSieveThreads(count);
    }
    // The count last chosen; 0 for the default.
    int32_t SieveThreads() const { return m_threads; }

private:
    NumKernel() = default;
    FactorCounts FactorCountsOf(int32_t first, int32_t n) const {
        FactorResult result;
        Factor(first, n, result);
        return {result.count, result.Color(), result.IsPrime()};
    }
    // A kernel call's failure (a negative result) ends the run with an error
    // that names what could not be done.
    [[noreturn]] static void Failed(const char* what);
    static int64_t Checked(int64_t result, const char* what) {
        if (result < 0) [[unlikely]]
            Failed(what);
        return result;
    }

    util::SharedLibrary m_library;
    void (*m_calculatePrimes)(int32_t) = nullptr;
    int32_t (*m_factor)(int32_t, int32_t, int32_t*, int16_t*) = nullptr;
    int32_t (*m_countFactors)(int32_t, int32_t) = nullptr;
    int16_t (*m_isPrime)(int32_t, int32_t) = nullptr;
    int64_t (*m_countPrimes)(int32_t, int32_t) = nullptr;
    int64_t (*m_countPrimesModulo)(int32_t, int32_t, int32_t, int32_t, int32_t) = nullptr;
    int64_t (*m_countPrimePairs)(int32_t, int32_t) = nullptr;
    int32_t (*m_nextPrimes)(int32_t, int32_t, int32_t*, int32_t) = nullptr;
    int32_t (*m_factorCounts)(int32_t, int32_t, uint8_t*) = nullptr;
    void (*m_finishRun)() = nullptr;
    void (*m_setSieveThreads)(int32_t) = nullptr;
    mutable int32_t m_threads = 0;  // set and read by the thread that runs the scans
};

}  // namespace numlib
