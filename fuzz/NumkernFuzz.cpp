// The number-theory kernel under random call sequences: calculate_primes,
// runs of factor() in scan order (also across the blocks the helper thread
// sieves) and single calls out of order, finish_run, set_sieve_threads,
// is_prime, count_primes and separate_thousands, with arguments inside and
// outside the contract.
//
// Checked against oracles of this file: a factorisation multiplies back to n
// and lists ascending primes (trial division by a table sieved here), the
// colour is Omega(n) mod 8, a number outside 1 .. 2,147,483,646 writes only
// primes[0] = -1, is_prime and count_primes agree with trial division, and
// separate_thousands writes the grouped text and never touches the canaries
// around its buffer.
// The arrays handed to factor() are exactly 10 elements on the heap, so that
// AddressSanitizer catches a write beyond element 9.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "numkern.h"

namespace {

constexpr int64_t kMaxNumber = 2147483646;
constexpr uint32_t kRootBound = 46341;  // 46341^2 > kMaxNumber

// Whether each number up to kRootBound is prime, sieved once.
const std::vector<bool>& SmallPrimeFlags() {
    static const std::vector<bool> flags = [] {
        std::vector<bool> prime(kRootBound + 1, true);
        prime[0] = prime[1] = false;
        for (uint32_t p = 2; p * p <= kRootBound; ++p) {
            if (!prime[p]) continue;
            for (uint32_t m = p * p; m <= kRootBound; m += p) prime[m] = false;
        }
        return prime;
    }();
    return flags;
}

// The primes up to kRootBound, ascending.
const std::vector<uint32_t>& SmallPrimes() {
    static const std::vector<uint32_t> primes = [] {
        std::vector<uint32_t> list;
        for (uint32_t p = 2; p <= kRootBound; ++p) {
            if (SmallPrimeFlags()[p]) list.push_back(p);
        }
        return list;
    }();
    return primes;
}

// Trial division: exact for every n up to kRootBound^2.
bool OracleIsPrime(int64_t n) {
    if (n <= kRootBound) return n >= 0 && SmallPrimeFlags()[static_cast<std::size_t>(n)];
    for (uint32_t p : SmallPrimes()) {
        if (int64_t{p} * p > n) return true;
        if (n % p == 0) return false;
    }
    return true;
}

std::string Describe(int32_t first, int32_t n) {
    return "first " + std::to_string(first) + ", n " + std::to_string(n);
}

constexpr int32_t kPrimeSentinel = 0x5A5A5A5A;
constexpr int16_t kExponentSentinel = 0x5A5A;

// `full`: also prove the primes above kRootBound prime by trial division,
// which costs up to 4,800 divisions; the long runs do it for a sample only.
void CheckFactor(int32_t first, int32_t n, bool full) {
    // Exactly 10 elements each, made once: AddressSanitizer's red zones lie right after.
    static const std::unique_ptr<int32_t[]> primes(new int32_t[10]);
    static const std::unique_ptr<int16_t[]> exponents(new int16_t[10]);
    std::fill_n(primes.get(), 10, kPrimeSentinel);
    exponents[0] = kExponentSentinel;
    // The caller's part of the contract: exponents 1..9 cleared.
    std::fill_n(exponents.get() + 1, 9, int16_t{0});

    const int32_t k = factor(first, n, primes.get(), exponents.get());

    if (n < 1 || n > kMaxNumber) {
        FUZZ_CHECK(k == 0, Describe(first, n) + ": k " + std::to_string(k));
        FUZZ_CHECK(primes[0] == -1,
                   Describe(first, n) + ": primes[0] " + std::to_string(primes[0]));
        for (int i = 1; i < 10; ++i) {
            FUZZ_CHECK(primes[i] == kPrimeSentinel, Describe(first, n) + ": prime element written");
            FUZZ_CHECK(exponents[i] == 0, Describe(first, n) + ": exponent element written");
        }
        FUZZ_CHECK(exponents[0] == kExponentSentinel,
                   Describe(first, n) + ": exponents[0] written");
        return;
    }

    FUZZ_CHECK(k >= 0 && k <= 9, Describe(first, n) + ": k " + std::to_string(k));
    FUZZ_CHECK((k == 0) == (n == 1), Describe(first, n) + ": k " + std::to_string(k));
    uint64_t product = 1;
    uint32_t omega = 0;
    int64_t previous = 1;
    for (int i = 1; i <= k; ++i) {
        const int64_t p = primes[i];
        const int e = exponents[i];
        FUZZ_CHECK(p > previous,
                   Describe(first, n) + ": primes not ascending at " + std::to_string(i));
        if (p <= kRootBound || full) {
            FUZZ_CHECK(OracleIsPrime(p),
                       Describe(first, n) + ": " + std::to_string(p) + " is not prime");
        }
        FUZZ_CHECK(e >= 1 && e <= 31, Describe(first, n) + ": exponent " + std::to_string(e));
        for (int j = 0; j < e; ++j) {
            product *= static_cast<uint64_t>(p);
            FUZZ_CHECK(product <= static_cast<uint64_t>(n),
                       Describe(first, n) + ": product exceeds n");
        }
        omega += static_cast<uint32_t>(e);
        previous = p;
    }
    FUZZ_CHECK(product == static_cast<uint64_t>(n),
               Describe(first, n) + ": product " + std::to_string(product));
    FUZZ_CHECK(primes[0] == static_cast<int32_t>(omega & 7u),
               Describe(first, n) + ": colour " + std::to_string(primes[0]) + ", Omega " +
                   std::to_string(omega));
    for (int i = k + 1; i < 10; ++i) {
        FUZZ_CHECK(exponents[i] == 0,
                   Describe(first, n) + ": exponent above k at " + std::to_string(i));
    }
}

void CheckIsPrime(int32_t n) {
    const int16_t answer = is_prime(n, n);
    const int16_t expected = (n >= 0 && n <= kMaxNumber && OracleIsPrime(n)) ? 1 : 0;
    FUZZ_CHECK(answer == expected,
               "is_prime(" + std::to_string(n) + ") = " + std::to_string(answer));
}

// The grouping as the header describes it: an optional leading minus, then the
// other characters with the separator between groups of three from the right,
// cut to 19 characters, never ending in an inserted separator.
std::string GroupedText(const char* text, char separator) {
    std::string out;
    std::vector<bool> inserted;
    const char* rest = text;
    if (*rest == '-') {
        out += '-';
        inserted.push_back(false);
        ++rest;
    }
    const std::size_t count = std::strlen(rest);
    for (std::size_t i = 0; i < count; ++i) {
        if (i != 0 && (count - i) % 3 == 0) {
            out += separator;
            inserted.push_back(true);
        }
        out += rest[i];
        inserted.push_back(false);
    }
    if (out.size() > 19) {
        out.resize(19);
        inserted.resize(19);
        if (inserted.back()) out.pop_back();
    }
    return out;
}

void CheckSeparateThousands(const std::string& text, int32_t separator) {
    constexpr std::size_t kGuard = 16;
    constexpr std::size_t kSize = 20;
    constexpr char kCanary = '\xA5';
    std::array<char, kGuard + kSize + kGuard> memory;
    memory.fill(kCanary);
    char* const output = memory.data() + kGuard;
    std::fill_n(output, kSize, ' ');

    separate_thousands(text.c_str(), separator, output);

    const std::string where =
        "separate_thousands(\"" + text + "\", " + std::to_string(separator) + ")";
    for (std::size_t i = 0; i < kGuard; ++i) {
        FUZZ_CHECK(memory[i] == kCanary, where + ": wrote before the buffer");
        FUZZ_CHECK(memory[kGuard + kSize + i] == kCanary, where + ": wrote past the buffer");
    }
    const std::string expected = GroupedText(text.c_str(), static_cast<char>(separator));
    FUZZ_CHECK(
        std::memcmp(output, expected.data(), expected.size()) == 0 &&
            output[expected.size()] == '\0',
        where + ": gave \"" + std::string(output, kSize) + "\", expected \"" + expected + "\"");
}

// A number argument: mostly in range, near its ends or the block size, or any
// 32-bit value.
int32_t PickNumber(FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange(0, 4)) {
        case 0:
            return data.ConsumeIntegralInRange<int32_t>(1, 100000);
        case 1:
            return static_cast<int32_t>(kMaxNumber - data.ConsumeIntegralInRange(0, 100000));
        case 2:
            return data.ConsumeIntegralInRange<int32_t>(1, static_cast<int32_t>(kMaxNumber));
        case 3:
            return 32768 * data.ConsumeIntegralInRange(0, 65535) +
                   data.ConsumeIntegralInRange(-2, 2);
        default:
            return data.ConsumeIntegral<int32_t>();
    }
}

// count_primes against trial division for a short range; a longer one
// (bounded, for the time it takes) only against its width.
void CheckCountPrimes(int32_t lo, int32_t hi) {
    const int64_t count = count_primes(lo, hi);
    const std::string where = "count_primes(" + std::to_string(lo) + ", " + std::to_string(hi) +
                              ") = " + std::to_string(count);
    const int64_t low = std::max<int64_t>(lo, 0);
    const int64_t high = std::min<int64_t>(hi, kMaxNumber);
    if (high < low) {
        FUZZ_CHECK(count == 0, where);
        return;
    }
    if (high - low <= 2000) {
        int64_t expected = 0;
        for (int64_t n = low; n <= high; ++n) expected += OracleIsPrime(n) ? 1 : 0;
        FUZZ_CHECK(count == expected, where + ", expected " + std::to_string(expected));
    } else {
        FUZZ_CHECK(count >= 0 && count <= (high - low + 2) / 2, where);
    }
}

// The factor() calls one input may make, so that an input takes at most
// about a tenth of a second.
constexpr int64_t kFactorBudget = 120000;

// A run in scan order: first, first + 1, ... `sampled`: the primes above
// kRootBound are proved for every 97th number and those around the block
// boundaries only.
void CheckRun(int32_t first, int64_t count, bool sampled, int64_t& budget) {
    count = std::min(count, budget);
    budget -= count;
    const int64_t last = std::min<int64_t>(int64_t{first} + count - 1, INT32_MAX);
    for (int64_t n = first; n <= last; ++n) {
        const int64_t inBlock = (n - first) % 32768;
        const bool full = !sampled || n % 97 == 0 || inBlock < 3 || inBlock > 32764;
        CheckFactor(first, static_cast<int32_t>(n), full);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    int64_t budget = kFactorBudget;
    for (int step = 0; step < 32 && data.remaining_bytes() > 0; ++step) {
        switch (data.ConsumeIntegralInRange(0, 15)) {
            case 0:
            case 1:
                calculate_primes(PickNumber(data));
                break;
            case 2:
            case 3:
            case 4:
                CheckRun(PickNumber(data), data.ConsumeIntegralInRange(1, 300), false, budget);
                break;
            case 5: {
                // A run as the program makes it, across a few blocks, so that
                // the helper thread's blocks are taken.
                const int32_t first = PickNumber(data);
                const int64_t count = data.ConsumeIntegralInRange(1, 3 * 32768 + 10);
                calculate_primes(
                    static_cast<int32_t>(std::min<int64_t>(int64_t{first} + count - 1, INT32_MAX)));
                CheckRun(first, count, true, budget);
                break;
            }
            case 6:
            case 7: {
                const int32_t first = PickNumber(data);
                CheckFactor(first, PickNumber(data), true);
                break;
            }
            case 8:
            case 9:
                CheckIsPrime(PickNumber(data));
                break;
            case 10:
                finish_run();
                break;
            case 11:
                set_sieve_threads(data.ConsumeBool() ? data.ConsumeIntegralInRange(1, 2)
                                                     : data.ConsumeIntegral<int32_t>());
                break;
            case 12: {
                const int32_t lo = PickNumber(data);
                const int32_t width = data.ConsumeBool() ? data.ConsumeIntegralInRange(-10, 2000)
                                                         : data.ConsumeIntegralInRange(0, 1 << 20);
                CheckCountPrimes(
                    lo, static_cast<int32_t>(std::min<int64_t>(int64_t{lo} + width, INT32_MAX)));
                break;
            }
            default: {
                const int32_t separator = data.ConsumeBool() ? data.PickValueInArray({44, 32, 39})
                                                             : data.ConsumeIntegral<int32_t>();
                CheckSeparateThousands(data.ConsumeRandomLengthString(40), separator);
                break;
            }
        }
    }
    return 0;
}
