#pragma once

#include <array>
#include <cstdint>

namespace numlib {

// What the kernel's factor() yields for one number. Only elements 1..count of
// the arrays are meaningful; element 0 of `primes` carries the Palmen colour.
struct FactorResult {
    int32_t count = 0;
    std::array<int32_t, 10> primes{};
    std::array<int16_t, 10> exponents{};

    // The Palmen colour index 0..7, or negative for no colour.
    int16_t Color() const { return static_cast<int16_t>(primes[0]); }
    // A prime is one distinct prime with exponent 1. Both tests are made, as
    // a branch on the first would be mispredicted at every prime power.
    bool IsPrime() const { return (count == 1) & (exponents[1] == 1); }
};

// The counts of a factorisation without its primes.
struct FactorCounts {
    int32_t count = 0;  // distinct primes
    int32_t color = 0;  // the Palmen colour index, negative for none
    bool isPrime = false;
};

}  // namespace numlib
