// speed_table_bench: the speed of the program's long runs beside a reference
// measured in the same run, one row each, as a ratio.
//
//   NPF / Palmen colour histogram of 2 .. 2,147,483,646: primorator-cli beside
//       a plain segmented sieve of the distinct primes written here (one
//       thread, no pre-sieving, the logarithm test for the prime left over)
//   primes and prime pairs of 1 .. 2*10^8 listed to /dev/null, primes and
//       pairs of 1 .. 2,147,483,646 counted: primorator-cli beside the
//       primesieve command (-p, -p2, -c, -c2; both threads)
//   factor all, 10^7 numbers from 10^9 to /dev/null: primorator-cli in ns per
//       number, beside coreutils' factor over 10^6 of them
//
// Each pair is timed --runs times (default 3), the two in turn; the medians
// and their ratio are printed. --quick: a tenth of each range.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "util/ProgramFolder.h"

namespace {

double Seconds(const std::function<void()>& work) {
    const auto begin = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// A shell command with its output thrown away; false when it failed.
bool RunQuiet(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool Available(const std::string& program) { return RunQuiet("command -v " + program); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The reference for the histograms: per segment, each prime up to the square
// root adds 1 to the distinct count and its logarithm to the sum of its
// multiples; a sum short of the number's own logarithm leaves one more prime.
std::array<int64_t, 16> ReferenceOmegaSieve(int64_t lo, int64_t hi) {
    const auto root = static_cast<int64_t>(std::sqrt(static_cast<double>(hi)));
    std::vector<char> composite(static_cast<size_t>(root + 1), 0);
    std::vector<int64_t> primes;
    for (int64_t p = 2; p <= root; ++p) {
        if (composite[static_cast<size_t>(p)] != 0) continue;
        primes.push_back(p);
        for (int64_t m = p * p; m <= root; m += p) composite[static_cast<size_t>(m)] = 1;
    }
    std::vector<uint8_t> logOf;
    for (const int64_t p : primes) {
        logOf.push_back(static_cast<uint8_t>(std::lround(std::log2(static_cast<double>(p)))));
    }
    constexpr int64_t kSegment = 1 << 18;
    std::vector<uint8_t> omega(kSegment), logs(kSegment);
    std::array<int64_t, 16> histogram{};
    for (int64_t start = lo; start <= hi; start += kSegment) {
        const int64_t end = std::min(hi, start + kSegment - 1);
        std::fill(omega.begin(), omega.end(), 0);
        std::fill(logs.begin(), logs.end(), 0);
        for (size_t k = 0; k < primes.size(); ++k) {
            const int64_t p = primes[k];
            const uint8_t log = logOf[k];
            for (int64_t q = p; q <= end; q *= p) {
                const bool first = q == p;
                for (int64_t m = (start + q - 1) / q * q; m <= end; m += q) {
                    omega[static_cast<size_t>(m - start)] += first ? 1 : 0;
                    logs[static_cast<size_t>(m - start)] += log;
                }
                if (q > end / p) break;
            }
        }
        for (int64_t n = start; n <= end; ++n) {
            const size_t i = static_cast<size_t>(n - start);
            const int bits = std::bit_width(static_cast<uint64_t>(n)) - 1;
            ++histogram[static_cast<size_t>(omega[i] + (logs[i] + 8 < bits ? 1 : 0))];
        }
    }
    return histogram;
}

struct Row {
    std::string what;
    std::function<void()> ours;
    std::string referenceName;
    std::function<void()> reference;  // empty: none here
    double goal;                      // the ratio aimed at, 0 for a goal in ns per number
    double numbers = 0;               // for ns per number
};

}  // namespace

int main(int argc, char** argv) {
    int runs = 3;
    bool quick = false;
    std::string only;  // the rows whose name begins so
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) quick = true;
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) runs = std::atoi(argv[++i]);
        if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) only = argv[++i];
    }
    const std::string cli = util::ProgramFolder() + "primorator-cli";
    const std::string top = quick ? "214748364" : "2147483646";
    const std::string listTop = quick ? "20000000" : "200000000";
    const bool primesieve = Available("primesieve");
    const bool factor = Available("factor");
    using Work = std::function<void()>;
    const auto run = [](std::string command) -> Work { return [command] { RunQuiet(command); }; };

    std::vector<Row> rows = {
        {"NPF histogram 2 .. " + top, run(cli + " --npf 2 " + top), "omega sieve (1 thread)",
         [&] { ReferenceOmegaSieve(2, std::stoll(top)); }, 0.4},
        {"Palmen colours 2 .. " + top, run(cli + " --pc 2 " + top), "omega sieve (1 thread)",
         [&] { ReferenceOmegaSieve(2, std::stoll(top)); }, 0.4},
        {"list primes 1 .. " + listTop, run(cli + " --primes 1 " + listTop), "primesieve -p",
         primesieve ? run("primesieve -p 1 " + listTop) : Work(), 1.5},
        {"list prime pairs 1 .. " + listTop, run(cli + " --pairs 1 " + listTop), "primesieve -p2",
         primesieve ? run("primesieve -p2 1 " + listTop) : Work(), 2.0},
        {"count prime pairs 1 .. " + top, run(cli + " --count --pairs 1 " + top), "primesieve -c2",
         primesieve ? run("primesieve -c2 -q 1 " + top) : Work(), 1.5},
        {"count primes 1 .. " + top, run(cli + " --count 1 " + top), "primesieve -c",
         primesieve ? run("primesieve -c -q 1 " + top) : Work(), 1.2},
    };
    const int64_t factorCount = quick ? 1000000 : 10000000;
    Row factorRow{"factor all, " + std::to_string(factorCount) + " numbers from 10^9",
                  run(cli + " 1000000000 " + std::to_string(1000000000 + factorCount - 1)),
                  "GNU factor (10^6 numbers)",
                  factor ? run("seq 1000000000 1000999999 | factor") : Work(),
                  0,
                  static_cast<double>(factorCount)};
    rows.push_back(factorRow);

    std::printf("%-40s %10s  %-26s %10s %8s %6s\n", "run", "ours s", "reference", "ref s", "ratio",
                "goal");
    for (const Row& row : rows) {
        if (row.what.rfind(only, 0) != 0) continue;
        std::vector<double> ours, reference;
        for (int i = 0; i < runs; ++i) {
            ours.push_back(Seconds(row.ours));
            if (row.reference) reference.push_back(Seconds(row.reference));
        }
        const double a = Median(ours);
        if (row.goal == 0) {
            const double ns = a * 1e9 / row.numbers;
            const double referenceNs = reference.empty() ? 0 : Median(reference) * 1e9 / 1e6;
            std::printf("%-40s %7.1f ns  %-26s %7.0f ns %8s %3.0f ns\n", row.what.c_str(), ns,
                        row.referenceName.c_str(), referenceNs, "", 30.0);
            continue;
        }
        if (reference.empty()) {
            std::printf("%-40s %10.3f  %-26s %10s\n", row.what.c_str(), a,
                        (row.referenceName + " (missing)").c_str(), "-");
            continue;
        }
        const double b = Median(reference);
        std::printf("%-40s %10.3f  %-26s %10.3f %8.2f %6.1f\n", row.what.c_str(), a,
                    row.referenceName.c_str(), b, a / b, row.goal);
    }
    return 0;
}
