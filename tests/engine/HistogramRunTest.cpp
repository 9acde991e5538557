// Histogram data gathering: values, statistics, bins, redraw cadence and the
// closing of a run, through whole runs with a recording view.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "FakeHost.h"
#include "engine/HistogramRun.h"
#include "engine/HistogramView.h"
#include "support/EkValue.h"
#include "support/Factoring.h"

namespace enginetest {
namespace {

using engine::ComputeMode;
using engine::HistogramKind;

class RecordingView : public engine::HistogramView {
public:
    int SelectedBinsEntry() const override { return selected; }
    void SelectBinsEntry(int index) override {
        selected = index;
        selections.push_back(index);
    }
    void BeginGraph(const engine::HistogramState&, const std::string& text) override {
        explanation = text;
        ++begun;
    }
    void Render(const engine::HistogramState& state, bool final) override {
        if (final ? failFinal : failAll) throw std::runtime_error("no line fit");
        renders.push_back(state.gatheredCount);
        if (final) ++finals;
    }
    void HideGraph() override { ++hidden; }

    int selected = 5;
    std::vector<int> selections;
    std::string explanation;
    std::vector<int32_t> renders;
    int begun = 0;
    int finals = 0;
    int hidden = 0;
    bool failAll = false;    // every rendering throws
    bool failFinal = false;  // the final one throws
};

FakeHost GraphHost(RecordingView& view, const std::string& start, const std::string& end,
                   ComputeMode mode) {
    FakeHost host;
    host.view = &view;
    host.request.startText = start;
    host.request.endText = end;
    host.request.mode = mode;
    return host;
}

TEST(HistogramRun, NpfValuesAndStatistics) {
    RecordingView view;
    FakeHost host = GraphHost(view, "2", "100", ComputeMode::DoNPFGraph);
    host.Run();
    const engine::HistogramState& s = host.histogram;
    // Oracle: distinct primes of 2..100.
    double sum = 0, squares = 0;
    std::array<int, 10> perCount{};
    for (int n = 2; n <= 100; ++n) {
        const int k = oracle::CountDistinctPrimes(n);
        sum += k;
        squares += k * k;
        ++perCount[static_cast<size_t>(k)];
    }
    EXPECT_EQ(s.valueCount, 99);
    EXPECT_DOUBLE_EQ(s.valueSum, sum);
    EXPECT_DOUBLE_EQ(s.valueSquareSum, squares);
    EXPECT_DOUBLE_EQ(s.valueMean, sum / 99);
    EXPECT_NEAR(s.valueStdDev, std::sqrt(squares / 99 - (sum / 99) * (sum / 99)), 1e-12);
    // k distinct primes land in bin floor(k / (10/96)) of setting 4.
    const int bins[] = {0, 9, 19, 28};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(s.binCounts[static_cast<size_t>(bins[k])][4], perCount[static_cast<size_t>(k)]);
    }
    EXPECT_EQ(host.Text(), "");
    EXPECT_EQ(view.finals, 1);
    EXPECT_EQ(view.selections, (std::vector<int>{4, 5}));  // fixed 96 bins, then put back
    EXPECT_EQ(host.selectedModes,
              (std::vector<ComputeMode>{ComputeMode::DisplayAllNumbers, ComputeMode::DoNPFGraph}));
    ASSERT_FALSE(host.messages.shown.empty());
    EXPECT_EQ(host.messages.shown.back(),
              (engine::Message{"Click OK to close the text box at left.",
                               "Frequencies of integers with n prime factors"}));
}

TEST(HistogramRun, AnUnselectedBinsListFallsBackToTheDefaultEntry) {
    for (const ComputeMode mode : {ComputeMode::DoEKGraph, ComputeMode::DoNPFGraph}) {
        RecordingView view;
        view.selected = -1;  // "none", as a state file may leave the list
        FakeHost host = GraphHost(view, "1000000", "1001000", mode);
        EXPECT_EQ(host.Run(), engine::RunOutcome::Completed);
        EXPECT_EQ(view.selected, 5);  // 120 bins
        EXPECT_EQ(view.finals, 1);
        if (mode == ComputeMode::DoEKGraph) {
            EXPECT_EQ(host.histogram.numBins, 120);
        }
    }
}

TEST(HistogramRun, ARenderingThatFailsEndsTheRunAsFailedAndClosesIt) {
    for (const bool duringTheScan : {true, false}) {
        RecordingView view;
        view.failAll = duringTheScan;
        view.failFinal = true;
        FakeHost host = GraphHost(view, "1", "2000", ComputeMode::DoPCGraph);
        EXPECT_EQ(host.Run(), engine::RunOutcome::Failed);
        // Reported once, however many renderings failed; then the run is closed.
        ASSERT_EQ(host.messages.shown.size(), 2u);
        EXPECT_EQ(host.messages.shown[0].text, "no line fit");
        EXPECT_EQ(host.messages.shown[1].title, "Palmen color frequencies");
        EXPECT_EQ(host.Text(), "\r\n\r\nError: no line fit\r\n");
        EXPECT_EQ(host.busyLeft, 1);
        EXPECT_EQ(view.selected, 5);  // the bins entry put back
        EXPECT_EQ(host.selectedModes.back(), ComputeMode::DoPCGraph);
    }
}

TEST(HistogramRun, NineBinTableBothWays) {
    // The quotient x / (10/96) in extended precision.
    const int expected[] = {9, 19, 28, 38, 47, 57, 67, 76, 86};
    for (int value = 1; value <= 9; ++value) {
        engine::HistogramState state;
        engine::HistogramRun npf(ComputeMode::DoNPFGraph, state, nullptr, std::nullopt, "");
        npf.SetUp(2);
        npf.SetValue(30, value, 0);
        npf.Record(30, 1);
        EXPECT_EQ(state.binCounts[static_cast<size_t>(expected[value - 1])][4], 1) << value;
    }
}

TEST(HistogramRun, PalmenColourFourInBin47) {
    engine::HistogramState state;
    engine::HistogramRun run(ComputeMode::DoPCGraph, state, nullptr, std::nullopt, "");
    run.SetUp(1);
    run.SetValue(16, 1, 4);  // colour 4: value 5
    run.Record(16, 1);
    EXPECT_EQ(state.binCounts[47][4], 1);
    EXPECT_EQ(state.binCounts[48][4], 0);
}

TEST(HistogramRun, EkZeroInBin25With96Bins) {
    RecordingView view;
    view.selected = 4;
    engine::HistogramState state;
    engine::HistogramRun run(ComputeMode::DoEKGraph, state, &view, std::nullopt, "");
    run.SetUp(1000000);
    state.value = 0.0;
    run.Record(1000000, 1);
    EXPECT_EQ(state.binCounts[25][4], 1);
    EXPECT_NEAR(state.binLowerEdges[4], -25 * 5.0 / 96, 1e-15);
    // Counted once in every listed setting.
    int total = 0;
    for (const auto& row : state.binCounts) {
        for (int32_t count : row) total += count;
    }
    EXPECT_EQ(total, 8);
}

TEST(HistogramRun, CadenceByFilterOperator) {
    struct Case {
        std::string caption, a, b;
        int32_t gathered;
        int expectedRenders;  // during the run, the final one not counted
    };
    const Case cases[] = {
        {"* N   +", "", "", 1999, 3},    // every 500 numbers without a filter
        {"* N   +", "2", "1", 999, 19},  // the odd numbers, every 50 with "*"
        {"/ N   +", "720", "0", 29, 5},  // the divisors of 720 above 1, every 5 with "/"
        {"^ N   +", "2", "0", 10, 10},   // 2 .. 1024, every number with "^"
    };
    for (const Case& c : cases) {
        RecordingView view;
        FakeHost host = GraphHost(view, "2", "2000", ComputeMode::DoNPFGraph);
        host.request.filterForm = engine::ParseFilterCaption(c.caption);
        host.request.filterAText = c.a;
        host.request.filterBText = c.b;
        host.Run();
        EXPECT_EQ(host.histogram.gatheredCount, c.gathered) << c.caption << c.a;
        EXPECT_EQ(static_cast<int>(view.renders.size()) - 1, c.expectedRenders) << c.caption << c.a;
    }
}

// What a rendering reads: every gathered number counted in its bin and in
// the sums, whatever way the run keeps its counts between renderings.
class SnapshotView : public RecordingView {
public:
    struct Snapshot {
        int32_t gathered = 0;
        int32_t lastNumber = 0;
        std::array<int32_t, 10> perValue{};  // by whole value, read from the bins
        int32_t valueCount = 0;
        double valueSum = 0;
        double valueSquareSum = 0;
        double valueMean = 0;
    };
    void Render(const engine::HistogramState& state, bool final) override {
        RecordingView::Render(state, final);
        Snapshot shot{state.gatheredCount,  state.lastNumber, {}, state.valueCount, state.valueSum,
                      state.valueSquareSum, state.valueMean};
        const int bins[] = {0, 9, 19, 28, 38, 47, 57, 67, 76, 86};
        for (size_t v = 0; v < shot.perValue.size(); ++v) {
            shot.perValue[v] = state.binCounts[static_cast<size_t>(bins[v])][4];
        }
        snapshots.push_back(shot);
    }
    std::vector<Snapshot> snapshots;
};

TEST(HistogramRun, EveryRenderingSeesEveryNumberSoFar) {
    struct Case {
        ComputeMode mode;
        std::string start, end;
        int firstNumber;  // the first number of the range
    };
    const Case cases[] = {
        {ComputeMode::DoNPFGraph, "2", "12345", 2},
        {ComputeMode::DoPCGraph, "1", "12345", 1},
        {ComputeMode::DoNPFGraph, "1000", "4321", 1000},
    };
    for (const Case& c : cases) {
        SnapshotView view;
        FakeHost host = GraphHost(view, c.start, c.end, c.mode);
        host.Run();
        const bool npf = c.mode == ComputeMode::DoNPFGraph;
        ASSERT_GE(view.snapshots.size(), 3u) << c.start;
        // Oracle: the value of each number by trial division, tallied up to each snapshot.
        std::array<int32_t, 10> perValue{};
        double sum = 0, squares = 0;
        int32_t counted = 0;
        int n = c.firstNumber;
        for (const SnapshotView::Snapshot& shot : view.snapshots) {
            for (; counted < shot.gathered; ++n, ++counted) {
                // A colour's value is one more than its index, so 1 has the value 1.
                const int value = npf ? oracle::CountDistinctPrimes(n) : oracle::PalmenColor(n) + 1;
                ++perValue[static_cast<size_t>(value)];
                sum += value;
                squares += value * value;
            }
            EXPECT_EQ(shot.lastNumber, n - 1) << c.start << " at " << shot.gathered;
            EXPECT_EQ(shot.perValue, perValue) << c.start << " at " << shot.gathered;
            if (npf) {
                EXPECT_EQ(shot.valueCount, shot.gathered) << c.start;
                EXPECT_EQ(shot.valueSum, sum) << c.start << " at " << shot.gathered;
                EXPECT_EQ(shot.valueSquareSum, squares) << c.start << " at " << shot.gathered;
                EXPECT_EQ(shot.valueMean, sum / shot.gathered) << c.start;
            }
        }
        EXPECT_EQ(n - 1, std::stoi(c.end)) << c.start;
    }
}

// An EK run as its rules make it, from the formula: each value counted in the
// bin of each setting (an extended-precision quotient, its floor); every 500
// numbers a rendering point merges the first two adjacent filled bins of the
// selected setting into the higher one and stops the run; the final
// rendering merges once more.
struct EkRunModel {
    std::vector<std::array<int32_t, 8>> bins = std::vector<std::array<int32_t, 8>>(241);
    int32_t last = 0;

    EkRunModel(int32_t start, int32_t end, size_t selected) {
        const int binsList[] = {40, 48, 60, 80, 96, 120, 160, 240};
        for (int32_t n = start; n <= end; ++n) {
            const double x = oracle::EkValue(n);
            for (size_t s = 0; s < 8; ++s) {
                const double width = 5.0 / binsList[s];
                const double edge = -(std::floor(binsList[s] * 0.25) + 1) * width;
                const long double q =
                    static_cast<long double>(x - edge) / static_cast<long double>(width);
                ++bins[static_cast<size_t>(std::floor(q))][s];
            }
            last = n;
            if ((n - start + 1) % 500 == 0 && Merge(selected, binsList[selected])) break;
        }
        Merge(selected, binsList[selected]);
    }
    bool Merge(size_t s, int numBins) {
        for (size_t i = 0; i < static_cast<size_t>(numBins); ++i) {
            if (bins[i][s] > 0 && bins[i + 1][s] > 0) {
                bins[i + 1][s] += bins[i][s];
                bins[i][s] = 0;
                return true;
            }
        }
        return false;
    }
};

TEST(HistogramRun, EkRunsAgainstTheModel) {
    // A run that ends before any overlap, and one that stops at one (240 bins).
    for (const int entry : {0, 7}) {
        RecordingView view;
        view.selected = entry;
        FakeHost host = GraphHost(view, "1000000", "1030000", ComputeMode::DoEKGraph);
        host.Run();
        const EkRunModel model(1000000, 1030000, static_cast<size_t>(entry));
        EXPECT_EQ(host.histogram.lastNumber, model.last) << entry;
        for (size_t bin = 0; bin < model.bins.size(); ++bin) {
            for (size_t s = 0; s < 8; ++s) {
                ASSERT_EQ(host.histogram.binCounts[bin][s], model.bins[bin][s])
                    << "bin " << bin << " setting " << s << " entry " << entry;
            }
        }
        const bool stopped = model.last < 1030000;
        EXPECT_EQ(host.flags.stopRequested, stopped) << entry;
        ASSERT_GE(host.messages.shown.size(), 1u);
        if (stopped) {
            EXPECT_EQ(host.flags.currentNumber, model.last);
            EXPECT_EQ(host.messages.shown[0].text, "Bin overlap! Computation stopped.");
        }
        EXPECT_EQ(host.messages.shown.back().title, "EK values");
    }
}

TEST(HistogramRun, ARenderingPointMergesTheFirstAdjacentPairIntoTheHigherBin) {
    RecordingView view;
    view.selected = 4;  // 96 bins: bin i holds [(i - 25) w, (i - 24) w)
    engine::HistogramState state;
    // A "^" filter: a rendering point after every number.
    engine::HistogramRun run(ComputeMode::DoEKGraph, state, &view, engine::FilterOperator::Power,
                             "");
    run.SetUp(1000000);
    const auto bin = [&](size_t i) -> int32_t& { return state.binCounts[i][4]; };
    bin(24) = 3;
    bin(25) = 4;
    bin(40) = 2;
    bin(41) = 1;
    const double w = 5.0 / 96;
    const engine::EkBins ek;
    int32_t gathered = 0;
    const auto record = [&](double atBin10) {
        ++gathered;
        return run.CountEk(1000000 + gathered, ek.PointOf((10 - 25 + atBin10) * w), gathered);
    };
    // One value: no deviation, nothing is drawn and nothing merged.
    EXPECT_FALSE(record(0.3));
    EXPECT_EQ(bin(24), 3);
    // Then the first pair of each rendering point goes into its higher bin.
    EXPECT_TRUE(record(0.6));
    EXPECT_EQ((std::array{bin(24), bin(25), bin(40), bin(41)}), (std::array{0, 7, 2, 1}));
    EXPECT_TRUE(record(0.9));
    EXPECT_EQ((std::array{bin(24), bin(25), bin(40), bin(41)}), (std::array{0, 7, 0, 3}));
    // Judged anew: no pair is left.
    EXPECT_FALSE(record(0.5));
    EXPECT_FALSE(state.binOverlapFound);
    EXPECT_EQ(view.renders.size(), 4u);
}

// A picture that draws only every `every`-th rendering it is given.
class FewDrawingsView : public RecordingView {
public:
    explicit FewDrawingsView(int every) : m_every(every) {}
    void Render(const engine::HistogramState& state, bool final) override {
        if (final || ++m_given % m_every == 0) RecordingView::Render(state, final);
    }

private:
    int m_every;
    int m_given = 0;
};

TEST(HistogramRun, TheDataDoesNotDependOnWhatDraws) {
    RecordingView everyRendering;
    FewDrawingsView fewRenderings(7);
    struct Run {
        engine::HistogramView* view;
        FakeHost host;
    };
    std::vector<Run> runs;
    for (engine::HistogramView* view :
         std::initializer_list<engine::HistogramView*>{nullptr, &everyRendering, &fewRenderings}) {
        FakeHost host;
        host.view = view;
        host.request.startText = "1000000";
        host.request.endText = "3000000";
        host.request.mode = ComputeMode::DoEKGraph;
        host.Run();
        runs.push_back({view, std::move(host)});
    }
    const engine::HistogramState& first = runs[0].host.histogram;
    // The overlap stops each run at the same rendering point, long before the end.
    EXPECT_LT(first.lastNumber, 3000000);
    EXPECT_EQ(runs[0].host.messages.shown.front().text, "Bin overlap! Computation stopped.");
    for (const Run& run : runs) {
        const engine::HistogramState& s = run.host.histogram;
        EXPECT_EQ(s.binCounts, first.binCounts);
        EXPECT_EQ(s.valueSum, first.valueSum);
        EXPECT_EQ(s.valueSquareSum, first.valueSquareSum);
        EXPECT_EQ(s.valueStdDev, first.valueStdDev);
        EXPECT_EQ(s.gatheredCount, first.gatheredCount);
        EXPECT_EQ(s.lastNumber, first.lastNumber);
        EXPECT_EQ(run.host.flags.currentNumber, runs[0].host.flags.currentNumber);
    }
    EXPECT_GT(everyRendering.renders.size(), fewRenderings.renders.size());
}

TEST(HistogramRun, EqualValuesKeepDeviationZero) {
    engine::HistogramState state;
    engine::HistogramRun run(ComputeMode::DoNPFGraph, state, nullptr, std::nullopt, "");
    run.SetUp(2);
    run.SetValue(3, 1, 1);
    run.SetValue(5, 1, 1);
    run.UpdateStatistics();
    EXPECT_EQ(state.valueStdDev, 0.0);
    EXPECT_EQ(state.valueMean, 1.0);
    run.SetValue(6, 2, 2);
    run.UpdateStatistics();
    EXPECT_NEAR(state.valueStdDev, std::sqrt(6.0 / 3 - (4.0 / 3) * (4.0 / 3)), 1e-15);
}

TEST(HistogramRun, ExplanationTexts) {
    EXPECT_EQ(engine::HistogramRun::ExplanationText(HistogramKind::NPF, 96, true, "3*N + 1"),
              "This histogram is formed by counting \r\nthe integers (from the start number "
              "onwards) which have exactly 1, 2, 3 ... prime factors.  (Prime numbers and "
              "powers of prime numbers have exactly 1 prime factor.)\r\n\r\nFilter: 3*N + 1");
    const std::string ek = engine::HistogramRun::ExplanationText(HistogramKind::EK, 120, false, "");
    EXPECT_NE(ek.find("assigned to the 120 bins and the histogram"), std::string::npos);
    EXPECT_NE(ek.find("  The magenta graph is the Gaussian"), std::string::npos);
    EXPECT_EQ(
        engine::HistogramRun::ExplanationText(HistogramKind::EK, 120, true, "x").find("magenta"),
        std::string::npos);
    EXPECT_EQ(
        engine::HistogramRun::ExplanationText(HistogramKind::PC, 96, true, "2^N ").find("red line"),
        std::string::npos);
}

TEST(HistogramRun, TextRunHidesThePicture) {
    RecordingView view;
    FakeHost host = GraphHost(view, "1", "10", ComputeMode::DisplayAllNumbers);
    host.Run();
    EXPECT_EQ(view.hidden, 1);
    EXPECT_EQ(view.begun, 0);
}

}  // namespace
}  // namespace enginetest
