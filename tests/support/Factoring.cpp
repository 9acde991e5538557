#include "Factoring.h"

#include <algorithm>

#include "PrimeSieve.h"

namespace oracle {

namespace {

// Below this the smallest prime factor comes from a table: the kernel tests
// factor millions of small numbers and stay quick.
constexpr int32_t kTableBound = 1 << 21;

const std::vector<int32_t>& SmallestPrimeFactors() {
    static const std::vector<int32_t> table = [] {
        std::vector<int32_t> smallest(kTableBound, 0);
        for (int32_t i = 2; i < kTableBound; ++i) {
            if (smallest[i] != 0) continue;
            smallest[i] = i;
            for (int64_t j = int64_t{i} * i; j < kTableBound; j += i) {
                if (smallest[j] == 0) smallest[j] = i;
            }
        }
        return smallest;
    }();
    return table;
}

int Multiplicity(const std::vector<PrimePower>& powers) {
    int count = 0;
    for (const PrimePower& power : powers) count += power.exponent;
    return count;
}

}  // namespace

std::vector<PrimePower> PrimePowers(int32_t n) {
    std::vector<PrimePower> powers;
    const auto add = [&powers](int32_t p) {
        if (!powers.empty() && powers.back().prime == p) {
            ++powers.back().exponent;
        } else {
            powers.push_back({p, 1});
        }
    };
    int32_t rest = n;
    if (n < kTableBound) {
        const std::vector<int32_t>& smallest = SmallestPrimeFactors();
        for (; rest > 1; rest /= smallest[rest]) add(smallest[rest]);
        return powers;
    }
    for (const int32_t p : SmallPrimes()) {
        if (int64_t{p} * p > rest) break;
        for (; rest % p == 0; rest /= p) add(p);
    }
    if (rest > 1) add(rest);
    return powers;
}

numlib::FactorResult FactorResultOf(int32_t n, int16_t color) {
    numlib::FactorResult result;
    result.primes[0] = color;
    for (const auto& [prime, exponent] : PrimePowers(n)) {
        ++result.count;
        result.primes[result.count] = prime;
        result.exponents[result.count] = static_cast<int16_t>(exponent);
    }
    return result;
}

numlib::FactorCounts FactorCountsOf(int32_t n) {
    const std::vector<PrimePower> powers = PrimePowers(n);
    const int multiplicity = Multiplicity(powers);
    return {static_cast<int32_t>(powers.size()), multiplicity % 8, multiplicity == 1};
}

int CountDistinctPrimes(int32_t n) { return static_cast<int>(PrimePowers(n).size()); }

int CountPrimeFactors(int32_t n) { return Multiplicity(PrimePowers(n)); }

int PalmenColor(int32_t n) { return CountPrimeFactors(n) % 8; }

bool IsPrime(int32_t n) { return CountPrimeFactors(n) == 1; }

std::vector<int32_t> Divisors(int32_t n) {
    std::vector<int32_t> divisors = {1};
    for (const auto& [prime, exponent] : PrimePowers(n)) {
        const size_t count = divisors.size();
        int32_t power = 1;
        for (int e = 1; e <= exponent; ++e) {
            power *= prime;
            for (size_t i = 0; i < count; ++i) divisors.push_back(divisors[i] * power);
        }
    }
    std::sort(divisors.begin(), divisors.end());
    return divisors;
}

std::vector<int32_t> ProperDivisors(int32_t n) {
    std::vector<int32_t> divisors = Divisors(n);
    if (divisors.size() <= 2) return {};
    return {divisors.begin() + 1, divisors.end() - 1};
}

}  // namespace oracle
