// Scans with a second thread give exactly what the scan in one thread gives:
// the whole text, the messages, the histogram's counts and sums, and where
// and how a run ends.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "FakeHost.h"
#include "engine/HistogramView.h"
#include "engine/SecondThread.h"
#include "numlib/NumKernel.h"

namespace enginetest {
namespace {

using engine::ComputeMode;

// The threads of this process by name.
std::vector<std::string> ThreadNames() {
    std::vector<std::string> names;
    DIR* tasks = opendir("/proc/self/task");
    if (tasks == nullptr) return names;
    while (const dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream comm(std::string("/proc/self/task/") + entry->d_name + "/comm");
        std::string name;
        std::getline(comm, name);
        names.push_back(name);
    }
    closedir(tasks);
    return names;
}

bool ScanThreadRuns() {
    for (const std::string& name : ThreadNames()) {
        if (name == "primorator-scan") return true;
    }
    return false;
}

// A picture that keeps what each rendering saw, with the EK bins entry `entry`.
class RecordingView : public engine::HistogramView {
public:
    explicit RecordingView(int entry) : m_entry(entry) {}
    int SelectedBinsEntry() const override { return m_entry; }
    void SelectBinsEntry(int index) override { m_entry = index; }
    void BeginGraph(const engine::HistogramState&, const std::string&) override {}
    void Render(const engine::HistogramState& state, bool final) override {
        renderings.push_back({state.gatheredCount, state.lastNumber, state.valueSum,
                              state.valueSquareSum, state.valueCount, final});
    }
    void HideGraph() override {}

    struct Rendering {
        int32_t gathered, last;
        double sum, squareSum;
        int32_t count;
        bool final;
        bool operator==(const Rendering&) const = default;
    };
    std::vector<Rendering> renderings;

private:
    int m_entry;
};

struct Outcome {
    std::string text;
    std::vector<engine::Message> messages;
    engine::RunOutcome result = engine::RunOutcome::Completed;
    engine::HistogramState histogram;
    std::vector<RecordingView::Rendering> renderings;
    int32_t currentNumber = 0;
    std::vector<int32_t> progress;  // the numbers of the progress points shown
    bool scanThreadSeen = false;
};

// One run with the given thread count; `stopAtEvent` > 0 presses Stop at that
// progress point, `binsEntry` is the EK bins the picture shows, and
// `limited` false lets the text grow beyond the text buffer's limit.
Outcome RunWith(int threads, const engine::ComputeRequest& request, int stopAtEvent = 0,
                int binsEntry = engine::kDefaultBinsEntry, bool limited = true) {
    numlib::NumKernel::Instance().SetSieveThreads(threads);
    FakeHost host;
    host.request = request;
    host.output.limited = limited;
    RecordingView view(binsEntry);
    host.view = &view;
    Outcome outcome;
    int events = 0;
    host.onEvents = [&](FakeHost& h) {
        // The first few points show whether the second thread works.
        if (events < 5) outcome.scanThreadSeen = outcome.scanThreadSeen || ScanThreadRuns();
        if (++events == stopAtEvent) h.flags.stopRequested = true;
    };
    outcome.result = host.Run();
    numlib::NumKernel::Instance().SetSieveThreads(0);
    outcome.text = host.Text();
    outcome.messages = host.messages.shown;
    outcome.histogram = host.histogram;
    outcome.renderings = view.renderings;
    outcome.currentNumber = host.flags.currentNumber;
    outcome.progress = host.progressShown;
    return outcome;
}

void ExpectSame(const Outcome& two, const Outcome& one, const std::string& what) {
    ASSERT_EQ(two.text, one.text) << what;
    EXPECT_EQ(two.messages, one.messages) << what;
    EXPECT_EQ(two.result, one.result) << what;
    EXPECT_EQ(two.currentNumber, one.currentNumber) << what;
    EXPECT_EQ(two.progress, one.progress) << what;
    EXPECT_EQ(two.histogram.binCounts, one.histogram.binCounts) << what;
    EXPECT_EQ(two.histogram.valueSum, one.histogram.valueSum) << what;
    EXPECT_EQ(two.histogram.valueSquareSum, one.histogram.valueSquareSum) << what;
    EXPECT_EQ(two.histogram.valueCount, one.histogram.valueCount) << what;
    EXPECT_EQ(two.histogram.gatheredCount, one.histogram.gatheredCount) << what;
    EXPECT_EQ(two.histogram.lastNumber, one.histogram.lastNumber) << what;
    EXPECT_EQ(two.renderings, one.renderings) << what;
    EXPECT_FALSE(one.scanThreadSeen) << what;
}

std::string Describe(const engine::ComputeRequest& request) {
    return request.filterAText + " " + engine::FilterCaption(request.filterForm) + " " +
           request.filterBText + " range " + request.startText + ".." + request.endText + " mode " +
           std::to_string(static_cast<int>(request.mode));
}

// In a child process that may start no thread (a process limit of 1, as a
// user other than root, whom the limit does not bind): the run goes on in one
// thread and writes what one thread writes.
TEST(TwoThreads, WithoutASecondThreadTheRunGoesOnInOne) {
    engine::ComputeRequest request;
    request.startText = "1000000";
    request.endText = "1100000";
    request.mode = ComputeMode::DisplayAllNumbers;
    const Outcome one = RunWith(1, request, 0, engine::kDefaultBinsEntry, false);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit single{1, 1};
        if ((geteuid() == 0 && setuid(65534) != 0) || setrlimit(RLIMIT_NPROC, &single) != 0)
            _exit(3);
        // The limit holds: no thread can be started.
        try {
            std::thread([] {}).join();
            _exit(4);
        } catch (const std::system_error&) {
        }
        const Outcome two = RunWith(2, request, 0, engine::kDefaultBinsEntry, false);
        _exit(two.result == engine::RunOutcome::Completed && two.text == one.text ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(TwoThreads, RandomRunsGiveWhatOneThreadGives) {
    std::mt19937 random(808);
    const ComputeMode modes[] = {ComputeMode::DisplayAllNumbers, ComputeMode::DisplayAllFactors,
                                 ComputeMode::DoEKGraph, ComputeMode::DisplayAllNumbers,
                                 ComputeMode::DoEKGraph};
    const char* captions[] = {"* N   +", "* N   -", "* N   +|-", "/ N   +", "/ N   +|-"};
    const format::Separator separators[] = {format::Separator::Comma, format::Separator::None,
                                            format::Separator::Space,
                                            format::Separator::Apostrophe};
    int batched = 0;
    for (int trial = 0; trial < 60; ++trial) {
        engine::ComputeRequest request;
        request.mode = modes[trial % 5];
        const bool ek = request.mode == ComputeMode::DoEKGraph;
        // Starts low, middling and at the top; spans from one batch to a few.
        const int32_t lowest = ek ? 1000000 : 1;
        const int32_t start =
            trial % 6 == 5
                ? 2147483646 - std::uniform_int_distribution<int32_t>(0, 30000)(random)
                : std::uniform_int_distribution<int32_t>(lowest, lowest + 3000000)(random);
        const int32_t span =
            std::uniform_int_distribution<int32_t>(0, trial % 3 == 0 ? 300 : 30000)(random);
        request.startText = std::to_string(start);
        request.endText = std::to_string(std::min<int64_t>(int64_t{start} + span, 2147483646));
        if (trial % 4 == 1) {
            request.filterForm = engine::ParseFilterCaption(
                captions[std::uniform_int_distribution<int>(0, 4)(random)]);
            const bool divisors = request.filterForm.op == engine::FilterOperator::Divide;
            request.filterAText = std::to_string(
                divisors ? 720720 : std::uniform_int_distribution<int32_t>(2, 40)(random));
            request.filterBText =
                std::to_string(std::uniform_int_distribution<int32_t>(0, 30)(random));
            if (divisors) request.strategy = engine::ScanStrategy::EveryNumber;
        }
        request.showFactorCount = trial % 3 == 1;
        request.showPalmenColor = trial % 5 == 2;
        request.separator = separators[trial % 4];
        // Half the text runs go past the text buffer's limit, as on the command line.
        const bool limited = trial % 2 == 0;
        const Outcome one = RunWith(1, request, 0, engine::kDefaultBinsEntry, limited);
        const Outcome two = RunWith(2, request, 0, engine::kDefaultBinsEntry, limited);
        ExpectSame(two, one, Describe(request) + (limited ? "" : ", no limit"));
        if (two.scanThreadSeen) ++batched;
    }
    // Most runs reach a progress point while the second thread works.
    EXPECT_GE(batched, 20);
}

TEST(TwoThreads, EndingsWithinABatch) {
    struct Case {
        const char* name;
        ComputeMode mode;
        const char* start;
        const char* end;
        int stopAtEvent;
        int binsEntry;
        bool limited = true;
    };
    const Case cases[] = {
        // The text buffer fills some 1,500 lines in.
        {"output limit, factor all", ComputeMode::DisplayAllNumbers, "1000000000", "1000100000", 0,
         5},
        {"output limit, all factors", ComputeMode::DisplayAllFactors, "3", "100000", 0, 5},
        // Stop at a progress point (every 20 numbers), in the first batch or a later one.
        {"stop, factor all", ComputeMode::DisplayAllNumbers, "5", "20000", 3, 5},
        // A streamed text goes through the numbers between progress points at once.
        {"stop, factor all, no limit", ComputeMode::DisplayAllNumbers, "5", "20000", 3, 5, false},
        {"stop, factor all, no limit, in a later batch", ComputeMode::DisplayAllNumbers,
         "1000000000", "1000100000", 1500, 5, false},
        {"stop, EK", ComputeMode::DoEKGraph, "1000000", "1100000", 3, 5},
        {"stop, EK, in a later batch", ComputeMode::DoEKGraph, "2000000", "2400000", 400, 5},
        // Two adjacent bins filled: the scan stops at a rendering point.
        {"overlap, EK, 240 bins", ComputeMode::DoEKGraph, "1000000", "1100000", 0, 7},
        {"overlap, EK, 120 bins", ComputeMode::DoEKGraph, "2000000", "2400000", 0, 5},
    };
    for (const Case& c : cases) {
        engine::ComputeRequest request;
        request.mode = c.mode;
        request.startText = c.start;
        request.endText = c.end;
        const Outcome one = RunWith(1, request, c.stopAtEvent, c.binsEntry, c.limited);
        const Outcome two = RunWith(2, request, c.stopAtEvent, c.binsEntry, c.limited);
        ExpectSame(two, one, c.name);
        EXPECT_TRUE(two.scanThreadSeen) << c.name;
        EXPECT_FALSE(ScanThreadRuns()) << c.name << ": the thread outlived the run";
        // Each ends early, where it should.
        EXPECT_LT(one.currentNumber, std::stoi(c.end)) << c.name;
    }
}

TEST(TwoThreads, OneThreadIsChosenByTheKernelsThreadCount) {
    engine::ComputeRequest request;
    request.startText = "1000000";
    request.endText = "1300000";
    request.mode = ComputeMode::DisplayAllNumbers;
    EXPECT_FALSE(RunWith(1, request).scanThreadSeen);
    EXPECT_TRUE(RunWith(2, request).scanThreadSeen);
    // The modes whose lines are few, or that need only counts, stay in one thread.
    for (ComputeMode mode :
         {ComputeMode::DisplayPrimesOnly, ComputeMode::DisplayPrimePairsOnly,
          ComputeMode::CountPrimesOnly, ComputeMode::DoNPFGraph, ComputeMode::DoPCGraph}) {
        request.mode = mode;
        request.strategy = engine::ScanStrategy::EveryNumber;
        EXPECT_FALSE(RunWith(2, request).scanThreadSeen) << static_cast<int>(mode);
    }
}

TEST(SecondThread, RunsJobsInTurnAndPassesOnWhatTheyThrow) {
    engine::SecondThread second;
    int value = 0;
    second.Begin([&] { value = 41; });
    second.Wait();
    EXPECT_EQ(value, 41);
    second.Begin([] { throw std::runtime_error("job failed"); });
    EXPECT_THROW(second.Wait(), std::runtime_error);
    // The thread goes on after a job that threw.
    second.Begin([&] { ++value; });
    second.Wait();
    EXPECT_EQ(value, 42);
}

TEST(SecondThread, EndsOnlyAfterTheJobItWasGiven) {
    bool done = false;
    {
        engine::SecondThread second;
        second.Begin([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            done = true;
        });
    }
    EXPECT_TRUE(done);
    EXPECT_FALSE(ScanThreadRuns());
}

}  // namespace
}  // namespace enginetest
