#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "numlib/KernelLibrary.h"
#include "util/SharedLibrary.h"

struct lsq_fit_record;

namespace numlib {

// The points handed to the line fit: the program fills nine slots of which
// the first `count` are the points; weights are passed as they are.
struct LineFitPoints {
    std::array<double, 9> x{};
    std::array<double, 9> y{};
    std::array<double, 9> weights{};
    int32_t count = 0;
};

// The least-squares line y = intercept + slope·x, with what else the library
// reports. `status` is 0 when the fit succeeded.
struct LineFit {
    double intercept = 0;
    double slope = 0;
    double cov00 = 0;
    double cov01 = 0;
    double cov11 = 0;
    double sumSquares = 0;
    int32_t status = 0;
};

// The line-fit library liblsqkern.so, loaded from the program's folder.
class LsqKernel {
public:
    static constexpr const char* kLibraryName = "liblsqkern.so";

    // The process's library, loaded on first use; throws KernelLoadError.
    static const LsqKernel& Instance();
    // Loads the library from `folder` (for tools and tests that keep it elsewhere).
    static LsqKernel Load(const std::string& folder);

    LineFit Fit(const LineFitPoints& points) const;

private:
    LsqKernel() = default;

    util::SharedLibrary m_library;
    int32_t (*m_fit)(lsq_fit_record*) = nullptr;
};

}  // namespace numlib
