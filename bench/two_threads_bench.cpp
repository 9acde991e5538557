// two_threads_bench: each scan that a second core can speed up, run once in
// one thread and once with two, and the speed-up.
//
// "One thread" is the kernel set to sieve in the caller's thread only, which
// the scan follows; "two" is the kernel's helper that sieves ahead and the
// scan's own second thread, which writes the lines of the factor-all modes
// and works out EK values. Each figure is a whole run through
// engine::RunCompute with a host that keeps nothing and has no output limit
// (as `primorator-cli --no-limit` does); the separator is the comma, as in
// the window. Runs shorter than three seconds meet a progress point every 20
// numbers, as the window's do until its clock first ticks; a long run spends
// next to nothing there. Options: --quick (ranges a tenth as long), --full
// (also the NPF histogram over the whole range, about 20 s).
#include <cstdio>
#include <cstring>
#include <string>

#include "BenchHost.h"
#include "numlib/NumKernel.h"

namespace {

double Seconds(const engine::ComputeRequest& request, int threads) {
    numlib::NumKernel::Instance().SetSieveThreads(threads);
    return bench::TimedRun(request);
}

void Compare(const char* name, engine::ComputeMode mode, int64_t start, int64_t count,
             bool showFactorCount = false) {
    engine::ComputeRequest request;
    request.mode = mode;
    request.startText = std::to_string(start);
    request.endText = std::to_string(start + count - 1);
    request.showFactorCount = showFactorCount;
    request.strategy = engine::ScanStrategy::EveryNumber;
    const double one = Seconds(request, 1);
    const double two = Seconds(request, 2);
    const double numbers = static_cast<double>(count);
    std::printf("%-36s %7.1e numbers  one thread %7.2f ns/n  two %7.2f ns/n  %5.2fx\n", name,
                numbers, 1e9 * one / numbers, 1e9 * two / numbers, one / two);
}

}  // namespace

int main(int argc, char** argv) {
    bool quick = false, full = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) quick = true;
        if (std::strcmp(argv[i], "--full") == 0) full = true;
    }
    const int64_t tenth = quick ? 10 : 1;
    using engine::ComputeMode;
    std::printf("two_threads_bench: whole engine runs, one thread against two\n");
    Compare("factor all, 1e9 ..", ComputeMode::DisplayAllNumbers, 1000000000, 10000000 / tenth);
    Compare("factor all with counts, 1e9 ..", ComputeMode::DisplayAllNumbers, 1000000000,
            10000000 / tenth, true);
    Compare("all proper factors, 1e9 ..", ComputeMode::DisplayAllFactors, 1000000000,
            1000000 / tenth);
    Compare("NPF histogram, 1e9 ..", ComputeMode::DoNPFGraph, 1000000000, 100000000 / tenth);
    Compare("Palmen colours, 1e9 ..", ComputeMode::DoPCGraph, 1000000000, 100000000 / tenth);
    Compare("EK histogram, 1e9 ..", ComputeMode::DoEKGraph, 1000000000, 20000000 / tenth);
    Compare("NPF histogram, 2 ..", ComputeMode::DoNPFGraph, 2, 100000000 / tenth);
    Compare("count only, every number, 1e9 ..", ComputeMode::CountPrimesOnly, 1000000000,
            100000000 / tenth);
    if (full) Compare("NPF histogram, 2 .. 2147483646", ComputeMode::DoNPFGraph, 2, 2147483645);
    numlib::NumKernel::Instance().SetSieveThreads(0);
    return 0;
}
