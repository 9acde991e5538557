// Speed of the number-theory kernel as the program uses it: the kernel is
// loaded from this program's folder through its C exports, prepared once per
// range, and asked for every number of the range in order; the caller clears
// the exponents and reads k and whether the number is prime, as a scan does.
// Each range is run with one sieve thread and with two (the helper that
// sieves ahead), one after the other. GNU factor on 10^6 numbers of each
// range is the reference.
//
// Then prime counting over 1 .. 2,147,483,646: count_primes in chunks of 2^24
// as the program calls it, and in one call; primesieve's library in the same
// chunks with two threads, the choice count_primes did not make; and the
// primesieve command with one thread as the reference, run in the same
// process's time.
//
// numkern_bench [--whole]   --whole also times the full range 1 .. 2,147,483,646.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <primesieve.h>

#include "numkern.h"

namespace {

constexpr int32_t kMaxNumber = 2147483646;
constexpr int64_t kGnuCount = 1000000;
constexpr int64_t kCountChunk = int64_t{1} << 24;

struct Kernel {
    decltype(&calculate_primes) calculatePrimes = nullptr;
    decltype(&factor) factorNumber = nullptr;
    decltype(&finish_run) finishRun = nullptr;
    decltype(&set_sieve_threads) setSieveThreads = nullptr;
    decltype(&count_primes) countPrimes = nullptr;
};

struct ScanResult {
    double seconds = 0;  // wall clock
    // This process's processor time, all its threads: others' load doesn't count.
    double cpuSeconds = 0;
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

template <typename Function>
void Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
}

bool LoadKernel(Kernel& kernel) {
    const std::string path = ProgramFolder() + "libnumkern.so";
    void* library = dlopen(path.c_str(), RTLD_NOW);
    if (library == nullptr) {
        std::fprintf(stderr, "numkern_bench: %s\n", dlerror());
        return false;
    }
    Resolve(library, "calculate_primes", kernel.calculatePrimes);
    Resolve(library, "factor", kernel.factorNumber);
    Resolve(library, "finish_run", kernel.finishRun);
    Resolve(library, "set_sieve_threads", kernel.setSieveThreads);
    Resolve(library, "count_primes", kernel.countPrimes);
    const bool complete = kernel.calculatePrimes != nullptr && kernel.factorNumber != nullptr &&
                          kernel.finishRun != nullptr && kernel.setSieveThreads != nullptr &&
                          kernel.countPrimes != nullptr;
    if (!complete) std::fprintf(stderr, "numkern_bench: %s lacks an export\n", path.c_str());
    return complete;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One run over first .. last with `threads` sieve threads, as the program's
// scan makes it.
ScanResult Scan(const Kernel& kernel, int32_t threads, int32_t first, int32_t last) {
    ScanResult result;
    int32_t primes[10];
    int16_t exponents[10];
    kernel.setSieveThreads(threads);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ProcessCpuSeconds();
    kernel.calculatePrimes(last);
    for (int64_t n = first; n <= last; ++n) {
        std::memset(exponents + 1, 0, 9 * sizeof exponents[0]);
        const int32_t k = kernel.factorNumber(first, static_cast<int32_t>(n), primes, exponents);
        result.sumOfK += k;
        result.primes += static_cast<int64_t>((k == 1) & (exponents[1] == 1));
    }
    kernel.finishRun();
    result.seconds = SecondsSince(start);
    result.cpuSeconds = ProcessCpuSeconds() - cpuStart;
    return result;
}

// GNU factor's time per number on first .. first + kGnuCount - 1; negative
// when it can't be run.
double GnuFactorNanoseconds(int64_t first) {
    const std::string command = "seq " + std::to_string(first) + " " +
                                std::to_string(first + kGnuCount - 1) + " | factor > /dev/null";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) return -1;
    return SecondsSince(start) * 1e9 / kGnuCount;
}

void Report(const Kernel& kernel, const char* name, int32_t first, int32_t last, bool withGnu) {
    const double count = static_cast<double>(int64_t{last} - first + 1);
    double nanoseconds[3] = {};
    for (int32_t threads : {1, 2}) {
        const ScanResult scan = Scan(kernel, threads, first, last);
        nanoseconds[threads] = scan.seconds * 1e9 / count;
        std::printf(
            "%-28s %d thread%s %7.3f s %6.2f ns/number (CPU %5.2f)  sum of k %lld, primes %lld\n",
            threads == 1 ? name : "", threads, threads == 1 ? " " : "s", scan.seconds,
            nanoseconds[threads], scan.cpuSeconds * 1e9 / count,
            static_cast<long long>(scan.sumOfK), static_cast<long long>(scan.primes));
    }
    std::printf("%-28s two sieve threads are %.2fx as fast as one\n", "",
                nanoseconds[1] / nanoseconds[2]);
    if (!withGnu) return;
    const double gnu = GnuFactorNanoseconds(first);
    if (gnu < 0) {
        std::printf("%-28s GNU factor could not be run\n", "");
        return;
    }
    std::printf(
        "%-28s GNU factor %.1f ns/number on %d..%lld: the kernel is %.0fx faster with one "
        "thread, %.0fx with two\n",
        "", gnu, first, static_cast<long long>(first + kGnuCount - 1), gnu / nanoseconds[1],
        gnu / nanoseconds[2]);
}

// Counts 1 .. kMaxNumber in chunks of kCountChunk with `count`; its seconds.
template <typename Count>
double TimeChunkedCount(Count count, int64_t& primes) {
    const auto start = std::chrono::steady_clock::now();
    primes = 0;
    for (int64_t lo = 1; lo <= kMaxNumber; lo += kCountChunk) {
        primes += count(lo, std::min<int64_t>(lo + kCountChunk - 1, kMaxNumber));
    }
    return SecondsSince(start);
}

// The primesieve command with one thread on 1 .. kMaxNumber: its wall time
// including start-up, or negative when it can't be run; `primes` is the
// count it printed.
double PrimesieveCommandSeconds(int64_t& primes) {
    const auto start = std::chrono::steady_clock::now();
    FILE* pipe = popen("primesieve 1 2147483646 -t1 -q 2>/dev/null", "r");
    if (pipe == nullptr) return -1;
    long long printed = -1;
    const int fields = std::fscanf(pipe, "%lld", &printed);
    const int status = pclose(pipe);
    if (fields != 1 || status != 0) return -1;
    primes = printed;
    return SecondsSince(start);
}

void ReportCounting(const Kernel& kernel) {
    std::printf("\nPrime count of 1..2147483646\n");
    int64_t chunked = 0;
    const double chunkedSeconds = TimeChunkedCount(
        [&kernel](int64_t lo, int64_t hi) {
            return kernel.countPrimes(static_cast<int32_t>(lo), static_cast<int32_t>(hi));
        },
        chunked);
    std::printf("%-44s %7.3f s  %lld primes\n", "count_primes, chunks of 2^24", chunkedSeconds,
                static_cast<long long>(chunked));

    const auto start = std::chrono::steady_clock::now();
    const int64_t whole = kernel.countPrimes(1, kMaxNumber);
    std::printf("%-44s %7.3f s  %lld primes\n", "count_primes, one call", SecondsSince(start),
                static_cast<long long>(whole));

    // The library is the one the kernel calls; count_primes sets its own
    // thread count on every call, so this setting stays here.
    primesieve_set_num_threads(2);
    int64_t twoThreads = 0;
    const double twoThreadSeconds = TimeChunkedCount(
        [](int64_t lo, int64_t hi) {
            return static_cast<int64_t>(
                primesieve_count_primes(static_cast<uint64_t>(lo), static_cast<uint64_t>(hi)));
        },
        twoThreads);
    std::printf("%-44s %7.3f s  %lld primes\n", "primesieve library, 2 threads, chunks of 2^24",
                twoThreadSeconds, static_cast<long long>(twoThreads));

    int64_t reference = 0;
    const double referenceSeconds = PrimesieveCommandSeconds(reference);
    if (referenceSeconds < 0) {
        std::printf("%-44s could not be run\n", "primesieve 1 2147483646 -t1");
        return;
    }
    std::printf("%-44s %7.3f s  %lld primes\n", "primesieve 1 2147483646 -t1 (reference)",
                referenceSeconds, static_cast<long long>(reference));
    std::printf("%-44s %.2fx the reference's time%s\n", "count_primes in chunks takes",
                chunkedSeconds / referenceSeconds, chunked == reference ? "" : ", COUNTS DIFFER");
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
    ReportCounting(kernel);
    return 0;
}
