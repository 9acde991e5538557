#include "numlib/NumKernel.h"

#include <stdexcept>

#include "numlib/KernelLibrary.h"
#include "util/ProgramFolder.h"

namespace numlib {

NumKernel NumKernel::Load(const std::string& folder) {
    static constexpr const char* kDescription = "number-theory library";
    NumKernel kernel;
    kernel.m_library = OpenKernelLibrary(folder, kLibraryName, kDescription);
    std::string missing;
    util::ResolveExport(kernel.m_library, "calculate_primes", kernel.m_calculatePrimes, missing);
    util::ResolveExport(kernel.m_library, "factor", kernel.m_factor, missing);
    util::ResolveExport(kernel.m_library, "is_prime", kernel.m_isPrime, missing);
    // The program groups digits itself; the export is still one of the four
    // every kernel has.
    void (*separateThousands)(const char*, int32_t, char*) = nullptr;
    util::ResolveExport(kernel.m_library, "separate_thousands", separateThousands, missing);
    RequireExports(kernel.m_library, kDescription, missing);
    std::string optional;
    util::ResolveExport(kernel.m_library, "count_primes", kernel.m_countPrimes, optional);
    util::ResolveExport(kernel.m_library, "count_primes_mod", kernel.m_countPrimesModulo, optional);
    util::ResolveExport(kernel.m_library, "count_factors", kernel.m_countFactors, optional);
    util::ResolveExport(kernel.m_library, "count_prime_pairs", kernel.m_countPrimePairs, optional);
    util::ResolveExport(kernel.m_library, "next_primes", kernel.m_nextPrimes, optional);
    util::ResolveExport(kernel.m_library, "factor_counts", kernel.m_factorCounts, optional);
    util::ResolveExport(kernel.m_library, "finish_run", kernel.m_finishRun, optional);
    util::ResolveExport(kernel.m_library, "set_sieve_threads", kernel.m_setSieveThreads, optional);
    return kernel;
}

void NumKernel::Failed(const char* what) {
    throw std::runtime_error(std::string("The number kernel could not ") + what + ".");
}

const NumKernel& NumKernel::Instance() {
    // Loaded once; a failed load throws again on each call.
    static const NumKernel kernel = Load(util::ProgramFolder());
    return kernel;
}

}  // namespace numlib
