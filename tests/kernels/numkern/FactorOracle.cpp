#include "FactorOracle.h"

namespace numkern_test {

const std::vector<int32_t>& OraclePrimes() {
    static const std::vector<int32_t> primes = [] {
        constexpr int32_t kBound = 46341;
        std::vector<bool> composite(kBound + 1, false);
        std::vector<int32_t> found;
        for (int32_t i = 2; i <= kBound; ++i) {
            if (composite[i]) continue;
            found.push_back(i);
            for (int64_t j = int64_t{i} * i; j <= kBound; j += i) composite[j] = true;
        }
        return found;
    }();
    return primes;
}

std::vector<std::pair<int32_t, int>> OracleFactor(int32_t n) {
    std::vector<std::pair<int32_t, int>> factors;
    int32_t rest = n;
    for (int32_t p : OraclePrimes()) {
        if (int64_t{p} * p > rest) break;
        int exponent = 0;
        while (rest % p == 0) {
            rest /= p;
            ++exponent;
        }
        if (exponent > 0) factors.emplace_back(p, exponent);
    }
    if (rest > 1) factors.emplace_back(rest, 1);
    return factors;
}

bool OracleIsPrime(int32_t n) {
    const auto factors = OracleFactor(n);
    return n >= 2 && factors.size() == 1 && factors[0].second == 1;
}

}  // namespace numkern_test
