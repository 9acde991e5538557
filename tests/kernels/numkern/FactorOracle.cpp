#include "FactorOracle.h"

namespace numkern_test {
namespace {

// Below this the oracle reads the smallest prime factor from a table: the
// tests that factor millions of small numbers stay quick.
constexpr int32_t kTableBound = 1 << 21;

const std::vector<int32_t>& SmallestPrimeFactors() {
    static const std::vector<int32_t> table = [] {
        std::vector<int32_t> smallest(kTableBound, 0);
        for (int32_t i = 2; i < kTableBound; ++i) {
            if (smallest[i] != 0) continue;
            for (int64_t j = i; j < kTableBound; j += i) {
                if (smallest[j] == 0) smallest[j] = i;
            }
        }
        return smallest;
    }();
    return table;
}

}  // namespace

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
    auto add = [&factors](int32_t p) {
        if (!factors.empty() && factors.back().first == p) {
            ++factors.back().second;
        } else {
            factors.emplace_back(p, 1);
        }
    };
    if (n < kTableBound) {
        const std::vector<int32_t>& smallest = SmallestPrimeFactors();
        for (int32_t rest = n; rest > 1; rest /= smallest[rest]) add(smallest[rest]);
        return factors;
    }
    int32_t rest = n;
    for (int32_t p : OraclePrimes()) {
        if (int64_t{p} * p > rest) break;
        while (rest % p == 0) {
            rest /= p;
            add(p);
        }
    }
    if (rest > 1) add(rest);
    return factors;
}

bool OracleIsPrime(int32_t n) {
    const auto factors = OracleFactor(n);
    return n >= 2 && factors.size() == 1 && factors[0].second == 1;
}

}  // namespace numkern_test
