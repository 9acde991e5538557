// Whole runs checked against trial division and a plain sieve.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "support/DigitGrouping.h"
#include "support/Factoring.h"
#include "support/PrimeSieve.h"
#include "support/ResultLines.h"

namespace enginetest {
namespace {

using engine::ComputeMode;

engine::RunOutcome RunNoLimit(FakeHost& host, const std::string& start, const std::string& end,
                              ComputeMode mode) {
    host.request.startText = start;
    host.request.endText = end;
    host.request.mode = mode;
    return host.Run();
}

TEST(Oracle, FactorRangesAcrossTheDomain) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int64_t> pick(3, 2147483646 - 400);
    for (int trial = 0; trial < 12; ++trial) {
        const int64_t start = trial == 0 ? 2147483646 - 399 : pick(random);
        const int64_t end = start + 399;
        FakeHost host;
        RunNoLimit(host, std::to_string(start), std::to_string(end),
                   ComputeMode::DisplayAllNumbers);
        std::string expected;
        int64_t primes = 0;
        for (int64_t n = start; n <= end; ++n) {
            expected += oracle::FactorLine(n) + "\r\n";
            primes += oracle::IsPrime(n) ? 1 : 0;
        }
        expected += oracle::SummaryLine({.count = primes, .start = start, .last = end});
        ASSERT_EQ(host.Text(), expected) << "range from " << start;
    }
}

TEST(Oracle, CountsAndPairsAgainstASieve) {
    const int limit = 300000;
    const std::vector<char> prime = oracle::PrimeFlags(0, limit);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(1, limit);
    for (int trial = 0; trial < 20; ++trial) {
        int a = pick(random), b = pick(random);
        if (a > b) std::swap(a, b);
        if (a == b) continue;
        int64_t primes = 0, pairs = 0;
        std::string pairLines;
        for (int n = a; n <= b; ++n) {
            if (!prime[n]) continue;
            ++primes;
            if (n - 2 >= a && n >= 5 && prime[n - 2]) {
                ++pairs;
                pairLines +=
                    " " + oracle::GroupDigits(n - 2) + "  " + oracle::GroupDigits(n) + "\r\n";
            }
        }
        FakeHost count;
        RunNoLimit(count, std::to_string(a), std::to_string(b), ComputeMode::CountPrimesOnly);
        EXPECT_EQ(count.Text(), oracle::SummaryLine({.count = primes, .start = a, .last = b}))
            << a << ".." << b;

        FakeHost pairsHost;
        RunNoLimit(pairsHost, std::to_string(a), std::to_string(b),
                   ComputeMode::DisplayPrimePairsOnly);
        const std::string& text = pairsHost.Text();
        if (text.find("Buffer full.") != std::string::npos) continue;  // too many to list
        EXPECT_EQ(text,
                  "Prime pairs:\r\n" + pairLines +
                      oracle::SummaryLine({.count = pairs, .pairs = true, .start = a, .last = b}))
            << a << ".." << b;
    }
}

TEST(Oracle, ProperFactorsOfRandomNumbers) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int64_t> pick(4, 2147483646);
    for (int trial = 0; trial < 40; ++trial) {
        const int64_t n = pick(random);
        FakeHost host;
        RunNoLimit(host, std::to_string(n), "", ComputeMode::DisplayAllFactors);
        const std::string& text = host.Text();
        if (oracle::IsPrime(n)) {
            EXPECT_EQ(text, "# " + oracle::GroupDigits(n) + " is prime\r\n");
            continue;
        }
        // Read the factors back out of the wrapped lines.
        std::vector<int32_t> listed;
        size_t colon = text.find(": ");
        ASSERT_NE(colon, std::string::npos) << text;
        std::string digits;
        for (size_t i = colon + 1; i < text.size(); ++i) {
            char c = text[i];
            if (c >= '0' && c <= '9') {
                digits += c;
            } else if (c == ',') {
                continue;
            } else if (!digits.empty()) {
                listed.push_back(std::stoi(digits));
                digits.clear();
            }
        }
        const std::vector<int32_t> expected = oracle::ProperDivisors(n);
        EXPECT_EQ(listed, expected) << n;
        const std::string count = std::to_string(expected.size());
        EXPECT_NE(text.find(" has " + count + " proper factor"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace enginetest
