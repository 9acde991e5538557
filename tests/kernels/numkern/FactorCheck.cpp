#include "FactorCheck.h"

#include <string>

#include "numkern.h"
#include "support/Factoring.h"

namespace numkern_test {

FactorCall::FactorCall(int32_t first, int32_t n) {
    primes.fill(kCanary);
    exponents.fill(kShortCanary);
    for (int i = 1; i <= 9; ++i) exponents[i] = 0;
    k = factor(first, n, primes.data(), exponents.data());
}

bool FactorCall::CanariesIntact() const {
    for (size_t i = 10; i < primes.size(); ++i) {
        if (primes[i] != kCanary || exponents[i] != kShortCanary) return false;
    }
    return true;
}

testing::AssertionResult FactorMatchesOracle(int32_t first, int32_t n) {
    const FactorCall call(first, n);
    const auto expected = oracle::PrimePowers(n);
    auto failure = [&](const std::string& what) {
        return testing::AssertionFailure() << "factor(" << first << ", " << n << "): " << what;
    };
    if (!call.CanariesIntact()) return failure("wrote past element 9");
    if (call.k != static_cast<int32_t>(expected.size())) {
        return failure("k = " + std::to_string(call.k) + ", expected " +
                       std::to_string(expected.size()));
    }
    int omega = 0;
    for (int i = 1; i <= call.k; ++i) {
        const auto [prime, exponent] = expected[i - 1];
        omega += exponent;
        if (call.primes[i] != prime || call.exponents[i] != exponent) {
            return failure("factor " + std::to_string(i) + " is " + std::to_string(call.primes[i]) +
                           "^" + std::to_string(call.exponents[i]) + ", expected " +
                           std::to_string(prime) + "^" + std::to_string(exponent));
        }
    }
    for (int i = call.k + 1; i <= 9; ++i) {
        if (call.exponents[i] != 0) return failure("exponent " + std::to_string(i) + " above k");
    }
    if (call.primes[0] != omega % 8) {
        return failure("colour " + std::to_string(call.primes[0]) + ", expected " +
                       std::to_string(omega % 8));
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult RangeMatchesOracle(int32_t first, int32_t from, int32_t to) {
    constexpr int kReported = 5;
    int failures = 0;
    testing::AssertionResult result = testing::AssertionSuccess();
    for (int64_t n = from; n <= to; ++n) {
        testing::AssertionResult one = FactorMatchesOracle(first, static_cast<int32_t>(n));
        if (one) continue;
        if (failures == 0) result = testing::AssertionFailure();
        if (++failures <= kReported) result << one.message() << "\n";
    }
    if (failures > kReported) result << failures << " mismatches in all";
    return result;
}

void SieveThreadsTest::SetUp() { set_sieve_threads(GetParam()); }

void SieveThreadsTest::TearDown() {
    finish_run();
    set_sieve_threads(0);
}

std::string SieveThreadsName(const testing::TestParamInfo<int32_t>& info) {
    return info.param == 1 ? "OneThread" : "TwoThreads";
}

}  // namespace numkern_test
