#include "numlib/NumKernel.h"

#include "util/ProgramFolder.h"

namespace numlib {

NumKernel NumKernel::Load(const std::string& folder) {
    NumKernel kernel;
    const std::string path = util::JoinPath(folder, kLibraryName);
    std::string error;
    if (!kernel.m_library.Open(path, error)) {
        throw KernelLoadError("Cannot load the number-theory library " + path + ": " + error);
    }
    std::string missing;
    util::ResolveExport(kernel.m_library, "calculate_primes", kernel.m_calculatePrimes, missing);
    util::ResolveExport(kernel.m_library, "factor", kernel.m_factor, missing);
    util::ResolveExport(kernel.m_library, "is_prime", kernel.m_isPrime, missing);
    util::ResolveExport(kernel.m_library, "separate_thousands", kernel.m_separateThousands,
                        missing);
    if (!missing.empty()) {
        throw KernelLoadError("The number-theory library " + path + " has no function '" +
                              missing + "'.");
    }
    return kernel;
}

const NumKernel& NumKernel::Instance() {
    // Loaded once; a failed load throws again on each call.
    static const NumKernel kernel = Load(util::ProgramFolder());
    return kernel;
}

}  // namespace numlib
