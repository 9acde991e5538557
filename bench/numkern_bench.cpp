// Speed of the number-theory kernel as the program uses it: the kernel is
// loaded from this program's folder through its C exports, prepared once per
// range, and asked for every number of the range in order; the caller clears
// the exponents and reads k and whether the number is prime, as a scan does.
// GNU factor on 10^6 numbers of each range is the reference.
//
// numkern_bench [--whole]   --whole also times the full range 1 .. 2,147,483,646.
#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "numkern.h"

namespace {

constexpr int32_t kMaxNumber = 2147483646;
constexpr int64_t kGnuCount = 1000000;

struct Kernel {
    decltype(&calculate_primes) calculatePrimes = nullptr;
    decltype(&factor) factorNumber = nullptr;
};

struct ScanResult {
    double seconds = 0;     // wall clock
    double cpuSeconds = 0;  // this process's processor time: others' load doesn't count
    int64_t sumOfK = 0;
    int64_t primes = 0;
};

std::string ProgramFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "./";
    path[length] = '\0';
    std::string folder(path);
    return folder.substr(0, folder.rfind('/') + 1);
}

bool LoadKernel(Kernel& kernel) {
    const std::string path = ProgramFolder() + "libnumkern.so";
    void* library = dlopen(path.c_str(), RTLD_NOW);
    if (library == nullptr) {
        std::fprintf(stderr, "numkern_bench: %s\n", dlerror());
        return false;
    }
    kernel.calculatePrimes =
        reinterpret_cast<decltype(&calculate_primes)>(dlsym(library, "calculate_primes"));
    kernel.factorNumber = reinterpret_cast<decltype(&factor)>(dlsym(library, "factor"));
    return kernel.calculatePrimes != nullptr && kernel.factorNumber != nullptr;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One run over first .. last, as the program's scan makes it.
ScanResult Scan(const Kernel& kernel, int32_t first, int32_t last) {
    ScanResult result;
    int32_t primes[10];
    int16_t exponents[10];
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ProcessCpuSeconds();
    kernel.calculatePrimes(last);
    for (int64_t n = first; n <= last; ++n) {
        std::memset(exponents + 1, 0, 9 * sizeof exponents[0]);
        const int32_t k = kernel.factorNumber(first, static_cast<int32_t>(n), primes, exponents);
        result.sumOfK += k;
        result.primes += static_cast<int64_t>((k == 1) & (exponents[1] == 1));
    }
    result.seconds = SecondsSince(start);
    result.cpuSeconds = ProcessCpuSeconds() - cpuStart;
    return result;
}

// GNU factor's time per number on first .. first + kGnuCount - 1; negative
// when it can't be run.
double GnuFactorNanoseconds(int64_t first) {
    const std::string command = "seq " + std::to_string(first) + " " +
                                std::to_string(first + kGnuCount - 1) +
                                " | factor > /dev/null";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) return -1;
    return SecondsSince(start) * 1e9 / kGnuCount;
}

void Report(const Kernel& kernel, const char* name, int32_t first, int32_t last, bool withGnu) {
    const ScanResult scan = Scan(kernel, first, last);
    const double count = static_cast<double>(int64_t{last} - first + 1);
    const double nanoseconds = scan.seconds * 1e9 / count;
    std::printf("%-28s %7.3f s %6.2f ns/number (CPU %.2f)  sum of k %lld, primes %lld\n", name,
                scan.seconds, nanoseconds, scan.cpuSeconds * 1e9 / count,
                static_cast<long long>(scan.sumOfK), static_cast<long long>(scan.primes));
    if (!withGnu) return;
    const double gnu = GnuFactorNanoseconds(first);
    if (gnu < 0) {
        std::printf("%-28s GNU factor could not be run\n", "");
        return;
    }
    std::printf("%-28s GNU factor %.1f ns/number on %d..%lld: the kernel is %.0fx faster\n", "",
                gnu, first, static_cast<long long>(first + kGnuCount - 1), gnu / nanoseconds);
}

}  // namespace

int main(int argc, char** argv) {
    const bool whole = argc > 1 && std::strcmp(argv[1], "--whole") == 0;
    Kernel kernel;
    if (!LoadKernel(kernel)) return 1;
    Report(kernel, "[10^9, 10^9 + 10^8)", 1000000000, 1099999999, true);
    Report(kernel, "[1, 10^8)", 1, 99999999, true);
    Report(kernel, "last 10^8 up to 2147483646", kMaxNumber - 99999999, kMaxNumber, true);
    if (whole) Report(kernel, "whole range 1..2147483646", 1, kMaxNumber, false);
    return 0;
}
