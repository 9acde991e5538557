#pragma once

// The least-squares straight line y = a + b·x through points, written out
// from the normal equations in long double.

#include <cstddef>

namespace stats_test {

struct StraightLine {
    double a = 0;
    double b = 0;
};

template <typename Values>
StraightLine LeastSquaresLine(const Values& x, const Values& y, size_t n) {
    long double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < n; ++i) {
        sx += x[i];
        sy += y[i];
        sxx += static_cast<long double>(x[i]) * x[i];
        sxy += static_cast<long double>(x[i]) * y[i];
    }
    const long double count = static_cast<long double>(n);
    const long double b = (count * sxy - sx * sy) / (count * sxx - sx * sx);
    const long double a = (sy - b * sx) / count;
    return {static_cast<double>(a), static_cast<double>(b)};
}

}  // namespace stats_test
