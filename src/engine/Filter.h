#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/FilterForm.h"

namespace engine {

// An active filter: its form and its values a and b.
struct Filter {
    FilterForm form;
    int32_t a = 0;
    int32_t b = 0;
};

// "3*N + 1", "2^N - 1", "12/N ": the field texts as they stand.
std::string FilterDescription(const FilterForm& form, int32_t b, std::string_view aText,
                              std::string_view bText);

}  // namespace engine
