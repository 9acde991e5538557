// Filtered scans that visit only the candidates give exactly what a walk over
// every number gives.
#include <gtest/gtest.h>

#include <random>

#include "FakeHost.h"
#include "engine/FilterCandidates.h"
#include "engine/FilterMembership.h"

namespace enginetest {
namespace {

using engine::ComputeMode;
using engine::ScanStrategy;

engine::ComputeRequest FilteredRequest(const std::string& caption, const std::string& a,
                                       const std::string& b, const std::string& start,
                                       const std::string& end, ComputeMode mode) {
    engine::ComputeRequest request;
    request.filterForm = engine::ParseFilterCaption(caption);
    request.filterAText = a;
    request.filterBText = b;
    request.startText = start;
    request.endText = end;
    request.mode = mode;
    return request;
}

TEST(FilterCandidates, SupersetOfEveryPassingNumber) {
    std::mt19937 random(99);
    const char* captions[] = {"* N   +",   "* N   -", "* N   +|-", "/ N   +",  "/ N   -",
                              "/ N   +|-", "^ N   +", "^ N   -",   "^ N   +|-"};
    for (int trial = 0; trial < 300; ++trial) {
        engine::Filter filter{engine::ParseFilterCaption(captions[trial % 9]),
                              std::uniform_int_distribution<int32_t>(2, 60)(random),
                              std::uniform_int_distribution<int32_t>(0, 40)(random)};
        const int32_t from = std::uniform_int_distribution<int32_t>(3, 3000)(random);
        const int32_t to = from + std::uniform_int_distribution<int32_t>(0, 3000)(random);
        engine::FilterCandidates candidates(filter, from, to);
        engine::FilterMembership test(filter);
        std::vector<int32_t> listed, passing;
        int32_t n;
        while (candidates.Next(n)) listed.push_back(n);
        for (int32_t m = from; m <= to; ++m) {
            if (test.IsInFilter(m)) passing.push_back(m);
        }
        EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
        EXPECT_TRUE(std::adjacent_find(listed.begin(), listed.end()) == listed.end());
        EXPECT_TRUE(std::includes(listed.begin(), listed.end(), passing.begin(), passing.end()))
            << captions[trial % 9] << " a=" << filter.a << " b=" << filter.b;
    }
}

TEST(FilterCandidates, BothWaysGiveTheSameText) {
    std::mt19937 random(2026);
    const char* captions[] = {"* N   +",   "* N   -", "* N   +|-", "/ N   +",  "/ N   -",
                              "/ N   +|-", "^ N   +", "^ N   -",   "^ N   +|-"};
    const ComputeMode modes[] = {ComputeMode::DisplayAllNumbers, ComputeMode::DisplayAllFactors,
                                 ComputeMode::DisplayPrimesOnly, ComputeMode::DisplayPrimePairsOnly,
                                 ComputeMode::CountPrimesOnly};
    int compared = 0;
    for (int trial = 0; trial < 400; ++trial) {
        engine::ComputeRequest request;
        request.filterForm =
            engine::ParseFilterCaption(captions[std::uniform_int_distribution<int>(0, 8)(random)]);
        // Small, middling and sparse steps (a progression beyond the kernel's
        // block is visited candidate by candidate).
        const int32_t largestA = trial % 2 == 0 ? 12 : (trial % 4 == 1 ? 5000 : 300000);
        request.filterAText =
            std::to_string(std::uniform_int_distribution<int32_t>(2, largestA)(random));
        request.filterBText =
            trial % 7 == 0 ? ""
                           : std::to_string(std::uniform_int_distribution<int32_t>(0, 50)(random));
        const int32_t start =
            std::uniform_int_distribution<int32_t>(1, trial % 5 == 0 ? 5 : 50000)(random);
        request.startText = std::to_string(start);
        const int32_t span = largestA > 5000 ? 1500000 : 20000;
        request.endText =
            std::to_string(start + std::uniform_int_distribution<int32_t>(0, span)(random));
        request.mode = modes[trial % 5];
        request.showFactorCount = trial % 3 == 0;
        request.showPalmenColor = trial % 4 == 0;
        StrategyOutcome walked = RunWith(ScanStrategy::EveryNumber, request);
        StrategyOutcome visited = RunWith(ScanStrategy::Fastest, request);
        ASSERT_EQ(visited.text, walked.text)
            << request.filterAText << " " << engine::FilterCaption(request.filterForm) << " "
            << request.filterBText << " range " << request.startText << ".." << request.endText;
        ASSERT_EQ(visited.messages, walked.messages);
        ASSERT_EQ(visited.result, walked.result);
        ++compared;
    }
    EXPECT_EQ(compared, 400);
}

TEST(FilterCandidates, EdgesOfTheRange) {
    struct Case {
        std::string caption, a, b, start, end;
        ComputeMode mode;
    };
    const Case cases[] = {
        {"^ N   -", "2", "1", "1", "2147483646", ComputeMode::DisplayPrimesOnly},
        {"^ N   +", "2", "1", "1", "2147483646", ComputeMode::DisplayPrimesOnly},
        {"^ N   -", "2", "2147483000", "2147482000", "2147483646", ComputeMode::DisplayAllNumbers},
        {"^ N   +|-", "3", "2000000000", "2147483000", "2147483646",
         ComputeMode::DisplayAllNumbers},
        {"* N   +", "1000000007", "5", "2147483000", "2147483646", ComputeMode::DisplayAllNumbers},
        {"/ N   +", "2147483646", "3", "1073741000", "1073742000", ComputeMode::DisplayAllFactors},
        {"/ N   -", "2147483646", "3", "715827000", "715828000", ComputeMode::DisplayAllNumbers},
        {"^ N   +", "2", "1", "1", "100", ComputeMode::DisplayPrimePairsOnly},
    };
    for (const Case& c : cases) {
        const engine::ComputeRequest request =
            FilteredRequest(c.caption, c.a, c.b, c.start, c.end, c.mode);
        StrategyOutcome visited = RunWith(ScanStrategy::Fastest, request);
        // The plain walk over two billion numbers is too slow for a test: the
        // top of the range stands in for it where the range is large.
        if (c.end == "2147483646" && c.start == "1") {
            EXPECT_NE(visited.text.find(" found in (filtered) range 1\r\n through 2,147,483,646."),
                      std::string::npos)
                << c.caption << visited.text;
            continue;
        }
        StrategyOutcome walked = RunWith(ScanStrategy::EveryNumber, request);
        EXPECT_EQ(visited.text, walked.text) << c.caption << " " << c.a;
        EXPECT_EQ(visited.messages, walked.messages);
    }
}

TEST(FilterCandidates, MersenneListingOverTheWholeRange) {
    engine::ComputeRequest request;
    request.filterForm = engine::ParseFilterCaption("^ N   -");
    request.filterAText = "2";
    request.filterBText = "1";
    request.startText = "1";
    request.endText = "2147483646";
    request.mode = ComputeMode::DisplayPrimesOnly;
    StrategyOutcome visited = RunWith(ScanStrategy::Fastest, request);
    // 2^31 - 1 lies just past the largest accepted number.
    EXPECT_EQ(visited.text,
              Lines({"Filter: 2^N - 1", "Mersenne primes:", " 3 (N=2)", " 7 (N=3)", " 31 (N=5)",
                     " 127 (N=7)", " 8,191 (N=13)", " 131,071 (N=17)", " 524,287 (N=19)"}) +
                  " 7 primes found in (filtered) range 1\r\n through 2,147,483,646.\r\n");
}

TEST(FilterCandidates, StopAtAProgressPointBetweenCandidates) {
    FakeHost host;
    host.request =
        FilteredRequest("* N   +", "100000", "7", "1", "1000000", ComputeMode::DisplayAllNumbers);
    host.onEvents = [](FakeHost& h) {
        if (h.progressShown.back() >= 500000) h.flags.stopRequested = true;
    };
    host.Run();
    // The point 500,000 lies between the candidates 400,007 and 500,007.
    EXPECT_EQ(host.Text(),
              Lines({"Filter: 100,000*N + 7", " 7 (N=0) is prime", " 100,007 (N=1) = 97 * 1,031",
                     " 200,007 (N=2) = (3^2) * 71 * 313", " 300,007 (N=3) is prime",
                     " 400,007 (N=4) = 19 * 37 * 569",
                     " 2 primes found in (filtered) range 1 through 500,000."}));
    EXPECT_EQ(host.progressShown, (std::vector<int32_t>{100000, 200000, 300000, 400000, 500000}));
}

// Count only with a "*" filter: the kernel counts the progressions' primes,
// and from where n + b overflows the numbers are walked.
TEST(FilterCandidates, CountedProgressionsGiveTheWalksText) {
    struct Case {
        std::string caption, a, b, start, end;
    };
    const Case cases[] = {
        {"* N   +", "10", "1", "1", "3000000"},
        {"* N   +|-", "6", "1", "5", "2000000"},
        {"* N   -", "7", "3", "1", "1000000"},
        {"* N   +", "4", "3", "2147000000", "2147483646"},
        {"* N   +", "1000", "999999", "1", "100"},                   // empty: no passing number
        {"* N   +", "3", "0", "4", "4"},                             // one number, no prime
        {"* N   -", "2", "2147483000", "2147482000", "2147483646"},  // n + b overflows from 648 on
        {"* N   +|-", "3", "2147483000", "2147482000", "2147483646"},
        {"* N   -", "5", "2147483646", "3", "1000"},  // overflow at the first number
        {"* N   +|-", "2", "2000000000", "147483000",
         "147484000"},  // no overflow before 147,483,648
        {"* N   +|-", "2", "2000000000", "147483640", "147483660"},  // overflow inside the range
    };
    for (const Case& c : cases) {
        const engine::ComputeRequest request =
            FilteredRequest(c.caption, c.a, c.b, c.start, c.end, ComputeMode::CountPrimesOnly);
        StrategyOutcome counted = RunWith(ScanStrategy::Fastest, request);
        StrategyOutcome walked = RunWith(ScanStrategy::EveryNumber, request);
        EXPECT_EQ(counted.text, walked.text) << c.a << c.caption << c.b << " " << c.start;
        EXPECT_EQ(counted.messages, walked.messages) << c.a << c.caption << c.b;
        EXPECT_EQ(counted.result, walked.result);
    }
}

TEST(FilterCandidates, StopWhileCountingProgressions) {
    // The counted scan shows its progress and takes Stop between chunks of
    // 2^24 numbers, at the last progress point of each: the first chunk from
    // 3 ends at 16,760,000. A walk told to stop there gives the same text.
    std::string texts[2];
    std::vector<int32_t> lastShown;
    for (ScanStrategy strategy : {ScanStrategy::Fastest, ScanStrategy::EveryNumber}) {
        FakeHost host;
        host.request =
            FilteredRequest("* N   +", "10", "1", "1", "40000000", ComputeMode::CountPrimesOnly);
        host.request.strategy = strategy;
        host.onEvents = [](FakeHost& h) {
            if (h.progressShown.back() >= 16760000) h.flags.stopRequested = true;
        };
        host.Run();
        texts[strategy == ScanStrategy::Fastest ? 0 : 1] = host.Text();
        lastShown.push_back(host.progressShown.back());
    }
    EXPECT_EQ(texts[0], texts[1]);
    EXPECT_NE(texts[0].find(" primes found in (filtered) range 1 through 16,760,000."),
              std::string::npos)
        << texts[0];
    EXPECT_EQ(lastShown, (std::vector<int32_t>{16760000, 16760000}));
}

}  // namespace
}  // namespace enginetest
