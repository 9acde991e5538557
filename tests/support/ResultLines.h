#pragma once

// Result lines as their rules define them, for the tests that expect whole
// lines rather than single numbers.

#include <cstdint>
#include <string>

namespace oracle {

// The prime decomposition of n >= 2: its prime powers, ascending, joined by
// " * "; a power is "p^e", in parentheses when n has more than one prime:
// "(2^2) * 3", "2^10", "7".
std::string Decomposition(int32_t n, char separator = ',');

// The line "Factor all numbers in range" writes for n >= 1, without notes or
// line end: " 1", " 13 is prime", " 12 = (2^2) * 3".
std::string FactorLine(int32_t n, char separator = ',');

// What the summary line of a prime count reports.
struct Summary {
    int64_t count = 0;
    bool pairs = false;  // prime pairs rather than primes
    bool filtered = false;
    int64_t start = 0;
    int64_t last = 0;  // the last number scanned
    char separator = ',';
};

// The summary line: " No primes found in range 24 through 28.", " 1 prime ...",
// " 25 primes found in (filtered) range 1 through 100." (" prime pair(s)" for
// pairs), ending in CR LF; a CR LF before " through" when the last number is
// above 999,999,999.
std::string SummaryLine(const Summary& summary);

}  // namespace oracle
