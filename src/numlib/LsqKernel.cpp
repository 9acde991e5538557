#include "numlib/LsqKernel.h"

#include <stdexcept>

#include "lsqkern.h"
#include "util/ProgramFolder.h"

namespace numlib {

LsqKernel LsqKernel::Load(const std::string& folder) {
    static constexpr const char* kDescription = "line-fit library";
    LsqKernel kernel;
    kernel.m_library = OpenKernelLibrary(folder, kLibraryName, kDescription);
    std::string missing;
    util::ResolveExport(kernel.m_library, "fit", kernel.m_fit, missing);
    RequireExports(kernel.m_library, kDescription, missing);
    return kernel;
}

const LsqKernel& LsqKernel::Instance() {
    // Loaded once; a failed load throws again on each call.
    static const LsqKernel kernel = Load(util::ProgramFolder());
    return kernel;
}

LineFit LsqKernel::Fit(const LineFitPoints& points) const {
    if (points.count < 0 || points.count > static_cast<int32_t>(points.x.size())) {
        throw std::out_of_range("Subscript out of range");
    }
    lsq_fit_record record{};
    record.x = points.x.data();
    record.y = points.y.data();
    record.w = points.weights.data();
    record.n = points.count;
    record.status = 0;
    m_fit(&record);
    return {record.a,     record.b,     record.cov00, record.cov01,
            record.cov11, record.sumsq, record.status};
}

}  // namespace numlib
