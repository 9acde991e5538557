// Whole runs checked against trial division and a plain sieve written here.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "FakeHost.h"
#include "Oracle.h"

namespace enginetest {
namespace {

using engine::ComputeMode;

std::string Summary(int64_t count, const std::string& what, int64_t start, int64_t last,
                    bool filtered = false) {
    std::string line;
    if (count == 0) {
        line = " No " + what + "s";
    } else if (count == 1) {
        line = " 1 " + what;
    } else {
        line = " " + Comma(count) + " " + what + "s";
    }
    line += " found in ";
    if (filtered) line += "(filtered) ";
    line += "range " + Comma(start);
    if (last > 999999999) line += "\r\n";
    return line + " through " + Comma(last) + ".\r\n";
}

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
            expected += FactorLine(n) + "\r\n";
            primes += TrialIsPrime(n) ? 1 : 0;
        }
        expected += Summary(primes, "prime", start, end);
        ASSERT_EQ(host.Text(), expected) << "range from " << start;
    }
}

TEST(Oracle, CountsAndPairsAgainstASieve) {
    const int limit = 300000;
    std::vector<bool> composite(limit + 1, false);
    composite[0] = composite[1] = true;
    for (int p = 2; p * p <= limit; ++p) {
        if (!composite[p]) {
            for (int m = p * p; m <= limit; m += p) composite[m] = true;
        }
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(1, limit);
    for (int trial = 0; trial < 20; ++trial) {
        int a = pick(random), b = pick(random);
        if (a > b) std::swap(a, b);
        if (a == b) continue;
        int64_t primes = 0, pairs = 0;
        std::string pairLines;
        for (int n = a; n <= b; ++n) {
            if (composite[n]) continue;
            ++primes;
            if (n - 2 >= a && n >= 5 && !composite[n - 2]) {
                ++pairs;
                pairLines += " " + Comma(n - 2) + "  " + Comma(n) + "\r\n";
            }
        }
        FakeHost count;
        RunNoLimit(count, std::to_string(a), std::to_string(b), ComputeMode::CountPrimesOnly);
        EXPECT_EQ(count.Text(), Summary(primes, "prime", a, b)) << a << ".." << b;

        FakeHost pairsHost;
        RunNoLimit(pairsHost, std::to_string(a), std::to_string(b),
                   ComputeMode::DisplayPrimePairsOnly);
        const std::string& text = pairsHost.Text();
        if (text.find("Buffer full.") != std::string::npos) continue;  // too many to list
        EXPECT_EQ(text, "Prime pairs:\r\n" + pairLines + Summary(pairs, "prime pair", a, b))
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
        if (TrialIsPrime(n)) {
            EXPECT_EQ(text, "# " + Comma(n) + " is prime\r\n");
            continue;
        }
        // Read the factors back out of the wrapped lines.
        std::vector<int64_t> listed;
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
                listed.push_back(std::stoll(digits));
                digits.clear();
            }
        }
        std::vector<int64_t> expected;
        for (int64_t d = 2; d * d <= n; ++d) {
            if (n % d == 0) {
                expected.push_back(d);
                if (d != n / d) expected.push_back(n / d);
            }
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(listed, expected) << n;
        const std::string count = std::to_string(expected.size());
        EXPECT_NE(text.find(" has " + count + " proper factor"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace enginetest
