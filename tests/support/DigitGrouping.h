#pragma once

#include <cstdint>
#include <string>

namespace oracle {

// n in decimal with `separator` between groups of three digits from the
// right (no separator when it is 0), a minus sign before the digits.
std::string GroupDigits(int64_t n, char separator = ',');

}  // namespace oracle
