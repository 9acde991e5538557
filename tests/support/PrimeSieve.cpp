#include "PrimeSieve.h"

#include <algorithm>

namespace oracle {

const std::vector<int32_t>& SmallPrimes() {
    static const std::vector<int32_t> primes = [] {
        constexpr int32_t kLast = 46341;
        std::vector<bool> composite(kLast + 1, false);
        std::vector<int32_t> found;
        for (int32_t i = 2; i <= kLast; ++i) {
            if (composite[i]) continue;
            found.push_back(i);
            for (int64_t j = int64_t{i} * i; j <= kLast; j += i) composite[j] = true;
        }
        return found;
    }();
    return primes;
}

std::vector<char> PrimeFlags(int64_t first, int64_t last) {
    if (last < first) return {};
    std::vector<char> prime(static_cast<size_t>(last - first + 1), 1);
    for (int64_t n = first; n <= std::min<int64_t>(last, 1); ++n) prime[n - first] = 0;
    for (const int64_t p : SmallPrimes()) {
        if (p * p > last) break;
        for (int64_t m = std::max(p * p, (first + p - 1) / p * p); m <= last; m += p) {
            prime[m - first] = 0;
        }
    }
    return prime;
}

int64_t CountPrimes(int64_t first, int64_t last) {
    // In segments, so that a long range needs little memory.
    constexpr int64_t kSegment = int64_t{1} << 24;
    int64_t count = 0;
    for (int64_t from = first; from <= last; from += kSegment) {
        const std::vector<char> prime = PrimeFlags(from, std::min(last, from + kSegment - 1));
        count += std::count(prime.begin(), prime.end(), 1);
    }
    return count;
}

}  // namespace oracle
