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

// The checks of an active filter against the range and the mode, in order;
// the first refusal's message, or nothing when the filter can run.
std::optional<std::string> CheckFilter(const Filter& filter, int32_t start, int32_t end,
                                       ComputeMode mode);

}  // namespace engine
