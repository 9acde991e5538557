#include "engine/WholeValueTally.h"

#include <algorithm>
#include <cstring>

namespace engine {
namespace {

using Bytes = uint8_t __attribute__((vector_size(32)));

// The byte each whole value has once the other field is masked off; 0xFF,
// which no masked byte has, for a value the field cannot hold.
uint8_t FieldOf(uint8_t whole, bool npf) {
    if (npf) return whole;
    return whole >= 1 && whole <= 8 ? static_cast<uint8_t>((whole - 1) << 4) : 0xFF;
}

}  // namespace

// 32 bytes at a time, each compared with all ten values at once; the
// matches are counted in byte lanes, emptied into the tally before they can
// overflow, every 255 rounds. Built for AVX2 and for plain x86-64 (SSE2),
// chosen when the program loads.
__attribute__((target_clones("avx2", "default"))) void TallyWholeValues(
    const uint8_t* bytes, int32_t count, bool npf, std::array<int32_t, 10>& tally) {
    const uint8_t mask = npf ? 0x0F : 0x70;
    std::array<uint8_t, 10> fields{};
    for (uint8_t w = 0; w < fields.size(); ++w) fields[w] = FieldOf(w, npf);
    int32_t i = 0;
    while (count - i >= 32) {
        const int32_t rounds = std::min((count - i) / 32, 255);
        Bytes lanes[10] = {};
        for (int32_t r = 0; r < rounds; ++r, i += 32) {
            Bytes v;
            std::memcpy(&v, bytes + i, sizeof v);
            v &= mask;
            // A comparison gives 0xFF where it holds: subtracting counts one.
            // Unrolled, the ten counts stay in registers.
#pragma GCC unroll 10
            for (size_t w = 0; w < fields.size(); ++w) lanes[w] -= (Bytes)(v == fields[w]);
        }
        for (size_t w = 0; w < fields.size(); ++w) {
            int32_t sum = 0;
            for (size_t lane = 0; lane < sizeof(Bytes); ++lane) sum += lanes[w][lane];
            tally[w] += sum;
        }
    }
    for (; i < count; ++i) {
        const auto whole = static_cast<size_t>(npf ? bytes[i] & 15 : (bytes[i] >> 4 & 7) + 1);
        if (whole < tally.size()) ++tally[whole];
    }
}

}  // namespace engine
