// The helper thread that sieves ahead: when it runs, that it stops, and that
// runs stay right whatever the caller does in between.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include "FactorCheck.h"
#include "numkern.h"

namespace numkern_test {
namespace {

// The kernel's block: a run longer than this reads blocks the helper sieved.
constexpr int32_t kBlock = 32768;

// The kernel's helper threads among the process's threads; the sanitizers
// may run threads of their own.
int HelperCount() {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(entry.path() / "comm");
        std::string name;
        // A thread that ended meanwhile has no name to read.
        if (std::getline(comm, name) && name == "numkern-sieve") ++count;
    }
    return count;
}

// The helper count once it is `expected`, or what it is after two seconds:
// the entry of a joined thread may linger for a moment after the join.
int SettledHelperCount(int expected) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    int count = HelperCount();
    while (count != expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        count = HelperCount();
    }
    return count;
}

// The helper's life with two sieve threads; each test ends its run and
// leaves the default.
class SieveThreadsLifecycle : public testing::Test {
protected:
    void SetUp() override { set_sieve_threads(2); }
    void TearDown() override {
        finish_run();
        set_sieve_threads(0);
    }
};

// Runs the calling thread, whose affinity the kernel reads, on the first
// `count` of the processors it may use; false when there are fewer.
bool KeepProcessors(const cpu_set_t& allowed, int count) {
    if (CPU_COUNT(&allowed) < count) return false;
    cpu_set_t kept;
    CPU_ZERO(&kept);
    for (int cpu = 0, left = count; cpu < CPU_SETSIZE && left > 0; ++cpu) {
        if (!CPU_ISSET(cpu, &allowed)) continue;
        CPU_SET(cpu, &kept);
        --left;
    }
    return sched_setaffinity(0, sizeof kept, &kept) == 0;
}

TEST_F(SieveThreadsLifecycle, TheDefaultSievesAheadWhenTwoProcessorsAreThere) {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
    set_sieve_threads(0);
    ASSERT_TRUE(KeepProcessors(allowed, 1));
    calculate_primes(200000000);
    EXPECT_EQ(HelperCount(), 0);
    EXPECT_TRUE(RangeMatchesOracle(150000000, 150000000, 150000000 + 2 * kBlock));
    if (KeepProcessors(allowed, 2)) {
        calculate_primes(200000000);
        EXPECT_EQ(SettledHelperCount(1), 1);
        EXPECT_TRUE(RangeMatchesOracle(160000000, 160000000, 160000000 + 2 * kBlock));
        finish_run();
        // A count below 0 is the default too.
        set_sieve_threads(-3);
        calculate_primes(200000000);
        EXPECT_EQ(SettledHelperCount(1), 1);
    }
    ASSERT_EQ(sched_setaffinity(0, sizeof allowed, &allowed), 0);
}

TEST_F(SieveThreadsLifecycle, TheHelperLivesFromCalculatePrimesToFinishRun) {
    constexpr int32_t kFirst = 100000000;
    calculate_primes(200000000);
    EXPECT_EQ(HelperCount(), 1);
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst, kFirst + 3 * kBlock));
    EXPECT_EQ(HelperCount(), 1);
    finish_run();
    EXPECT_EQ(SettledHelperCount(0), 0);
    // The run may go on: the caller's own sieve serves it.
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst + 3 * kBlock + 1, kFirst + 5 * kBlock));
    EXPECT_EQ(HelperCount(), 0);
}

TEST_F(SieveThreadsLifecycle, OneSieveThreadStartsNoHelper) {
    set_sieve_threads(1);
    calculate_primes(200000000);
    EXPECT_EQ(HelperCount(), 0);
    EXPECT_TRUE(RangeMatchesOracle(150000000, 150000000, 150000000 + 3 * kBlock));
    EXPECT_EQ(HelperCount(), 0);
}

TEST_F(SieveThreadsLifecycle, ARunThatOneBlockHoldsStartsNoHelper) {
    calculate_primes(kBlock + 2);
    EXPECT_EQ(HelperCount(), 0);
    EXPECT_TRUE(RangeMatchesOracle(3, 3, kBlock + 2));
    calculate_primes(kBlock + 3);
    EXPECT_EQ(HelperCount(), 1);
    EXPECT_TRUE(RangeMatchesOracle(3, 3, kBlock + 3));
}

TEST_F(SieveThreadsLifecycle, CalculatePrimesStopsTheLastRunsHelper) {
    calculate_primes(1000000000);
    EXPECT_TRUE(RangeMatchesOracle(900000000, 900000000, 900000000 + kBlock + 100));
    calculate_primes(2000000000);
    EXPECT_EQ(SettledHelperCount(1), 1);
    EXPECT_TRUE(RangeMatchesOracle(1900000000, 1900000000, 1900000000 + 2 * kBlock));
    finish_run();
    EXPECT_EQ(SettledHelperCount(0), 0);
}

TEST_F(SieveThreadsLifecycle, OneSieveThreadStopsTheHelperAndTheRunGoesOn) {
    constexpr int32_t kFirst = 700000000;
    calculate_primes(kFirst + 10 * kBlock);
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst, kFirst + 2 * kBlock));
    set_sieve_threads(1);
    EXPECT_EQ(SettledHelperCount(0), 0);
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst + 2 * kBlock + 1, kFirst + 4 * kBlock));
}

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A caller that stops reading leaves the helper with a full ring: it waits
// without using the processor.
TEST_F(SieveThreadsLifecycle, TheHelperWaitsWhileTheCallerPauses) {
    constexpr int32_t kFirst = 1200000000;
    calculate_primes(kFirst + 100 * kBlock);
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst, kFirst + kBlock + 10));
    // Once the ring is full (soon, but later on a slow or busy machine) a
    // quarter second passes with hardly any processor time; a helper that
    // kept working or spinning would never have such a quarter.
    double used = 0;
    for (int quarter = 0; quarter < 12; ++quarter) {
        const double before = ProcessCpuSeconds();
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        used = ProcessCpuSeconds() - before;
        if (used < 0.05) break;
    }
    EXPECT_LT(used, 0.05);
    EXPECT_EQ(HelperCount(), 1);
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst + kBlock + 11, kFirst + 4 * kBlock));
}

// Runs that start anywhere, some ended by finish_run and some by the next
// calculate_primes, most reading the helper's first block; the numbers at the
// starts, at the block boundary, at the ends and a sample between are checked.
TEST_F(SieveThreadsLifecycle, AThousandShortRunsInARow) {
    std::mt19937 random(4242);
    std::uniform_int_distribution<int32_t> start(3, 1000000);
    std::uniform_int_distribution<int32_t> shortLength(1, 50);
    std::uniform_int_distribution<int32_t> pastTheBlock(0, 1000);
    int32_t primes[10];
    int16_t exponents[10];
    for (int run = 0; run < 1000; ++run) {
        const int32_t first = start(random);
        const int32_t limit = first + kBlock + 1000;
        const int32_t last =
            first - 1 + (run % 4 == 0 ? shortLength(random) : kBlock + pastTheBlock(random));
        calculate_primes(limit);
        for (int32_t n = first; n <= last; ++n) {
            const int32_t offset = n - first;
            const bool checked = offset < 10 || offset % 61 == 0 ||
                                 (offset >= kBlock - 10 && offset <= kBlock + 10) || n == last;
            if (checked) {
                ASSERT_TRUE(FactorMatchesOracle(first, n)) << "run " << run;
            } else {
                factor(first, n, primes, exponents);
            }
        }
        if (run % 3 != 0) finish_run();
    }
    finish_run();
    EXPECT_EQ(SettledHelperCount(0), 0);
}

std::string NumkernPath() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "libnumkern.so";
    path[length] = '\0';
    return (std::filesystem::path(path).parent_path() / "libnumkern.so").string();
}

// A copy of the library is a second kernel of its own, which dlclose unloads
// while its helper runs.
TEST_F(SieveThreadsLifecycle, UnloadingTheLibraryJoinsItsHelper) {
    const std::filesystem::path copy = std::filesystem::path(testing::TempDir()) /
                                       ("numkern-unload-" + std::to_string(getpid()) + ".so");
    std::filesystem::copy_file(NumkernPath(), copy,
                               std::filesystem::copy_options::overwrite_existing);
    void* library = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    auto calculate =
        reinterpret_cast<decltype(&calculate_primes)>(dlsym(library, "calculate_primes"));
    auto factorize = reinterpret_cast<decltype(&factor)>(dlsym(library, "factor"));
    auto threads =
        reinterpret_cast<decltype(&set_sieve_threads)>(dlsym(library, "set_sieve_threads"));
    ASSERT_NE(calculate, nullptr);
    ASSERT_NE(factorize, nullptr);
    ASSERT_NE(threads, nullptr);
    threads(2);
    calculate(1000000000);
    int32_t primes[10];
    int16_t exponents[10] = {};
    EXPECT_EQ(factorize(999000000, 999000000, primes, exponents), 4);  // 2^6 3^3 5^6 37
    EXPECT_EQ(HelperCount(), 1);
    EXPECT_EQ(dlclose(library), 0);
    EXPECT_EQ(SettledHelperCount(0), 0);
    std::filesystem::remove(copy);
}

// Without a join the running helper's std::thread would end the process
// with std::terminate at exit.
TEST_F(SieveThreadsLifecycle, ExitWithTheHelperRunning) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto run = [] {
        calculate_primes(1000000000);
        int32_t primes[10];
        int16_t exponents[10] = {};
        for (int32_t n = 500000000; n < 500000000 + 1000; ++n) {
            factor(500000000, n, primes, exponents);
        }
        std::exit(0);
    };
    EXPECT_EXIT(run(), testing::ExitedWithCode(0), "");
}

class SieveThreadsRun : public SieveThreadsTest {};

struct StopAndRestart {
    int32_t limit;
    int32_t first;
    int32_t stopAfter;  // numbers of the first run
    bool finished;      // whether finish_run ends the first run
    int32_t nextLimit;
    int32_t nextFirst;
};

TEST_P(SieveThreadsRun, AStopInTheMiddleAndANewRunWithAnotherStart) {
    const StopAndRestart cases[] = {
        {2000000000, 1500000000, 2 * kBlock + 500, true, 1000000, 200000},
        {2000000000, 1500000000, 2 * kBlock + 500, false, 1000000, 200000},
        // The new run starts inside blocks the last run's helper sieved.
        {1000000000, 500000000, kBlock + 10, true, 1000000000, 500000000 + kBlock + 5000},
        {1000000000, 500000000, 100, false, 1000000000, 500000000},
        {kMaxNumber, kMaxNumber - 3 * kBlock, 3 * kBlock + 1, true, 100000, 3},
    };
    for (const StopAndRestart& c : cases) {
        SCOPED_TRACE(testing::Message() << "run " << c.first << " then " << c.nextFirst);
        calculate_primes(c.limit);
        EXPECT_TRUE(RangeMatchesOracle(c.first, c.first, c.first + c.stopAfter - 1));
        if (c.finished) finish_run();
        calculate_primes(c.nextLimit);
        const int32_t nextLast = static_cast<int32_t>(
            std::min<int64_t>(int64_t{c.nextFirst} + 2 * kBlock + 500, c.nextLimit));
        EXPECT_TRUE(RangeMatchesOracle(c.nextFirst, c.nextFirst, nextLast));
    }
}

// Out of order, a number is trial-divided and the one after it starts a
// block: forward past the ring, back behind it, and into the current block.
TEST_P(SieveThreadsRun, JumpsForwardAndBack) {
    constexpr int32_t kFirst = 1000000000;
    calculate_primes(kFirst + 2000000);
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst, kFirst + 40000));
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst + 300000, kFirst + 340000));
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst + 40001, kFirst + 80000));
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst + 60000, kFirst + 130000));
    EXPECT_TRUE(RangeMatchesOracle(kFirst, kFirst + 1999000, kFirst + 2000000));
}

INSTANTIATE_TEST_SUITE_P(SieveThreads, SieveThreadsRun, testing::Values(1, 2), SieveThreadsName);

}  // namespace
}  // namespace numkern_test
