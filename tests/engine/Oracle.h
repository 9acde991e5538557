#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace enginetest {

// Independent of the kernel: the prime powers of n by trial division.
inline std::vector<std::pair<int64_t, int>> TrialFactors(int64_t n) {
    std::vector<std::pair<int64_t, int>> factors;
    for (int64_t p = 2; p * p <= n; ++p) {
        int e = 0;
        while (n % p == 0) {
            n /= p;
            ++e;
        }
        if (e > 0) factors.emplace_back(p, e);
    }
    if (n > 1) factors.emplace_back(n, 1);
    return factors;
}

inline bool TrialIsPrime(int64_t n) {
    if (n < 2) return false;
    for (int64_t p = 2; p * p <= n; ++p) {
        if (n % p == 0) return false;
    }
    return true;
}

// The number with the comma separator, written without the formatter.
inline std::string Comma(int64_t n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return n < 0 ? "-" + out : out;
}

// The "factor all numbers" line of n (n >= 3), comma separator, no notes.
inline std::string FactorLine(int64_t n) {
    auto factors = TrialFactors(n);
    std::string line = " " + Comma(n);
    if (factors.size() == 1 && factors[0].second == 1) return line + " is prime";
    line += " = ";
    for (size_t i = 0; i < factors.size(); ++i) {
        if (i > 0) line += " * ";
        const bool power = factors[i].second > 1;
        const bool paren = power && factors.size() > 1;
        if (paren) line += "(";
        line += Comma(factors[i].first);
        if (power) line += "^" + std::to_string(factors[i].second);
        if (paren) line += ")";
    }
    return line;
}

}  // namespace enginetest
