#pragma once

#include <cmath>
#include <cstdint>

namespace engine {

// (NPF(n) - ln ln n) / sqrt(ln ln n), for n >= 3.
inline double EkValue(int32_t n, int npf) {
    const double l = std::log(std::log(static_cast<double>(n)));
    return (npf - l) / std::sqrt(l);
}

}  // namespace engine
