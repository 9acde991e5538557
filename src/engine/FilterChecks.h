#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ComputeMode.h"
#include "engine/Filter.h"

namespace engine {

// What reading the two filter fields gives: no filter, an active filter, or
// a refusal. `writeZeroIntoB` asks the caller to show b = 0 in its empty field.
struct FilterReading {
    std::optional<Filter> filter;
    std::optional<std::string> refusal;
    bool writeZeroIntoB = false;
};

FilterReading ReadFilter(std::string_view aText, std::string_view bText, const FilterForm& form);

// Under a "^" filter: the larger number of the last two numbers of the form
// that differ by 2 and could be an odd prime pair of start .. end (the
// smaller one odd, at least 3 and not below start); none when no two can.
// Such two are a^N + b and a^M + b only for a = 2 (b + 2, b + 4) and a = 3
// (b + 1, b + 3), a^N - b and a^M - b never above 2, and one of each sign
// for any a, so the form's few members are compared.
std::optional<int32_t> LastPairOfPowers(const Filter& filter, int32_t start, int32_t end);

// The checks of an active filter against the range and the mode, in order;
// the first refusal's message, or nothing when the filter can run.
std::optional<std::string> CheckFilter(const Filter& filter, int32_t start, int32_t end,
                                       ComputeMode mode);

}  // namespace engine
