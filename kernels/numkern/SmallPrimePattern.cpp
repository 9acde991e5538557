#include "SmallPrimePattern.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "Inverse.h"

namespace numkern {
namespace {

constexpr std::array<FactorRecord, kPatternPeriod> MakePattern() {
    std::array<FactorRecord, kPatternPeriod> pattern{};
    for (uint32_t residue = 0; residue < kPatternPeriod; ++residue) {
        FactorRecord& record = pattern[residue];
        record.inverse = 1;
        for (uint16_t p : kPatternPrimes) {
            if (residue % p != 0) continue;
            record.primes[record.count] = p;
            record.exponents[record.count] = 1;
            ++record.count;
            record.inverse *= InverseModulo2To32(p);
        }
    }
    return pattern;
}

// Built by the compiler: the kernel needs no set-up before its first call.
constexpr std::array<FactorRecord, kPatternPeriod> kPattern = MakePattern();

}  // namespace

void LaySmallPrimePattern(FactorRecord* records, uint32_t first, uint32_t size) {
    uint32_t phase = first % kPatternPeriod;
    for (uint32_t done = 0; done < size;) {
        const uint32_t run = std::min(kPatternPeriod - phase, size - done);
        std::memcpy(records + done, kPattern.data() + phase, run * sizeof(FactorRecord));
        done += run;
        phase = 0;
    }
}

}  // namespace numkern
