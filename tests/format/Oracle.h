#pragma once

// Independent answers for the format tests: factorisations and divisors by
// trial division, and digit grouping written out by hand.

#include <cstdint>
#include <string>
#include <vector>

#include "numlib/FactorResult.h"

namespace oracle {

// The factorisation of n >= 2 by trial division; `color` goes into element 0.
inline numlib::FactorResult TrialFactor(int32_t n, int16_t color = -1) {
    numlib::FactorResult result;
    result.primes[0] = color;
    int64_t m = n;
    for (int64_t p = 2; p * p <= m; ++p) {
        if (m % p != 0) continue;
        ++result.count;
        result.primes[result.count] = static_cast<int32_t>(p);
        while (m % p == 0) {
            m /= p;
            ++result.exponents[result.count];
        }
    }
    if (m > 1) {
        ++result.count;
        result.primes[result.count] = static_cast<int32_t>(m);
        result.exponents[result.count] = 1;
    }
    return result;
}

// Every d with 1 < d < n that divides n, ascending.
inline std::vector<int32_t> ProperDivisors(int32_t n) {
    std::vector<int32_t> low, high;
    for (int64_t d = 2; d * d <= n; ++d) {
        if (n % d != 0) continue;
        low.push_back(static_cast<int32_t>(d));
        if (d * d != n) high.push_back(static_cast<int32_t>(n / d));
    }
    low.insert(low.end(), high.rbegin(), high.rend());
    return low;
}

// n in decimal with `separator` between groups of three digits from the
// right; no separator when it is 0.
inline std::string GroupDigits(int64_t n, char separator) {
    const bool negative = n < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    std::string reversed;
    int inGroup = 0;
    do {
        if (inGroup == 3 && separator != 0) {
            reversed.push_back(separator);
            inGroup = 0;
        }
        reversed.push_back(static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
        ++inGroup;
    } while (magnitude > 0);
    if (negative) reversed.push_back('-');
    return std::string(reversed.rbegin(), reversed.rend());
}

}  // namespace oracle
