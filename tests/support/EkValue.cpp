#include "EkValue.h"

#include <cmath>

#include "Factoring.h"

namespace oracle {

double EkValue(int32_t n) {
    const double lnLn = std::log(std::log(static_cast<double>(n)));
    return (CountDistinctPrimes(n) - lnLn) / std::sqrt(lnLn);
}

}  // namespace oracle
