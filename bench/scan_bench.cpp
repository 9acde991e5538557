// scan_bench: what the compute engine's scan costs on top of the kernel.
//
// Each figure is a whole run through engine::RunCompute with a host that
// keeps nothing (as `primorator-cli --no-limit` does), beside the bare
// kernel loop over the same numbers (calculate_primes, then factor for each
// number, reading k and whether it is prime). Prints ns per number and the
// scan's share. Options: --quick (smaller ranges), --full (also count only
// over 1 .. 2,147,483,646), --threads N (sieve threads: 1, or 2 with the
// helper; the kernel's default otherwise).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "BenchHost.h"
#include "numlib/NumKernel.h"

namespace {

double Seconds(const std::function<void()>& work) {
    const auto begin = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

double KernelLoop(const numlib::NumKernel& kernel, int32_t start, int32_t end) {
    volatile int64_t sink = 0;
    return Seconds([&] {
        kernel.CalculatePrimes(end);
        numlib::FactorResult result;
        int64_t primes = 0;
        for (int32_t n = start;; ++n) {
            kernel.Factor(start, n, result);
            primes += result.IsPrime() ? 1 : 0;
            if (n == end) break;
        }
        sink = primes;
    });
}

engine::ComputeRequest Request(engine::ComputeMode mode, int64_t start, int64_t end) {
    engine::ComputeRequest request;
    request.mode = mode;
    request.startText = std::to_string(start);
    request.endText = std::to_string(end);
    request.separator = format::Separator::None;
    return request;
}

void Compare(const char* name, engine::ComputeMode mode, int32_t start, int32_t end) {
    const auto& kernel = numlib::NumKernel::Instance();
    const double numbers = static_cast<double>(end) - start + 1;
    const double bare = KernelLoop(kernel, start, end);
    size_t written = 0;
    engine::ComputeRequest request = Request(mode, start, end);
    request.strategy = engine::ScanStrategy::EveryNumber;  // the scan itself, no shortcut
    const double run = bench::TimedRun(request, &written);
    std::printf(
        "%-34s %12.0f numbers  kernel %6.2f ns/n  run %6.2f ns/n  scan +%5.1f %%  (%zu bytes "
        "out)\n",
        name, numbers, 1e9 * bare / numbers, 1e9 * run / numbers, 100.0 * (run - bare) / bare,
        written);
}

void Filtered(const char* name, engine::ComputeMode mode, const char* caption, const char* a,
              const char* b, int32_t start, int32_t end) {
    engine::ComputeRequest request = Request(mode, start, end);
    request.filterForm = engine::ParseFilterCaption(caption);
    request.filterAText = a;
    request.filterBText = b;
    const double fast = bench::TimedRun(request);
    request.strategy = engine::ScanStrategy::EveryNumber;
    const double walk = bench::TimedRun(request);
    std::printf("%-34s fastest way %8.3f s   every number %8.3f s   (%.1fx)\n", name, fast, walk,
                walk / fast);
}

}  // namespace

int main(int argc, char** argv) {
    bool quick = false, full = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) quick = true;
        if (std::strcmp(argv[i], "--full") == 0) full = true;
        if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
            numlib::NumKernel::Instance().SetSieveThreads(std::atoi(argv[++i]));
        }
    }
    const int32_t span = quick ? 10000000 : 100000000;
    using engine::ComputeMode;
    std::printf("scan_bench: whole runs through the engine, no output limit, separator none\n");
    Compare("count only, 1e9 ..", ComputeMode::CountPrimesOnly, 1000000000, 1000000000 + span - 1);
    Compare("count only, 1 ..", ComputeMode::CountPrimesOnly, 1, span);
    Compare("factor all, 1e9 ..", ComputeMode::DisplayAllNumbers, 1000000000,
            1000000000 + span / 10 - 1);
    Compare("primes only, 1e9 ..", ComputeMode::DisplayPrimesOnly, 1000000000,
            1000000000 + span - 1);
    Filtered("Mersenne primes, whole range", ComputeMode::DisplayPrimesOnly, "^ N   -", "2", "1", 1,
             quick ? span : 2147483646);
    Filtered("Fermat primes, whole range", ComputeMode::DisplayPrimesOnly, "^ N   +", "2", "1", 1,
             quick ? span : 2147483646);
    {
        const int32_t end = quick ? span : 2147483646;
        const double chunks = bench::TimedRun(Request(ComputeMode::CountPrimesOnly, 1, end));
        std::printf("%-34s %8.3f s (counted in chunks by the kernel)\n", "count only, 1 .. end",
                    chunks);
    }
    Filtered("count only, 10*N+1", ComputeMode::CountPrimesOnly, "* N   +", "10", "1", 1, span);
    {
        // The filtered count over the whole range against the unfiltered
        // scan that factors every number of it.
        const int32_t end = quick ? span : 2147483646;
        engine::ComputeRequest filtered = Request(ComputeMode::CountPrimesOnly, 1, end);
        filtered.filterForm = engine::ParseFilterCaption("* N   +");
        filtered.filterAText = "10";
        filtered.filterBText = "1";
        const double counted = bench::TimedRun(filtered);
        engine::ComputeRequest every = Request(ComputeMode::CountPrimesOnly, 1, end);
        every.strategy = engine::ScanStrategy::EveryNumber;
        const double walked = bench::TimedRun(every);
        std::printf("%-34s %8.3f s   unfiltered, every number factored %8.3f s   (%.3f of it)\n",
                    "count only, 10*N+1, 1 .. end", counted, walked, counted / walked);
    }
    if (full) {
        const double seconds =
            bench::TimedRun(Request(ComputeMode::CountPrimesOnly, 1, 2147483646));
        std::printf("count only, 1 .. 2,147,483,646: %.2f s\n", seconds);
    }
    return 0;
}
