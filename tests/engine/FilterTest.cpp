// The filter: its caption, the reading and checks of a and b, the membership
// test, and whole filtered runs.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeHost.h"
#include "engine/Filter.h"
#include "engine/FilterChecks.h"
#include "engine/FilterMembership.h"
#include "support/DigitGrouping.h"
#include "support/Factoring.h"
#include "support/ResultLines.h"

namespace enginetest {
namespace {

using engine::ComputeMode;
using engine::Filter;
using engine::FilterMembership;
using engine::ParseFilterCaption;

Filter MakeFilter(const std::string& caption, int32_t a, int32_t b) {
    return Filter{ParseFilterCaption(caption), a, b};
}

TEST(FilterCaption, FormsOfAllNineCaptionsAndBack) {
    using engine::FilterOperator;
    using engine::FilterSign;
    struct Case {
        const char* caption;
        FilterOperator op;
        FilterSign sign;
    };
    const Case cases[] = {
        {"* N   +", FilterOperator::Multiply, FilterSign::Plus},
        {"* N   -", FilterOperator::Multiply, FilterSign::Minus},
        {"* N   +|-", FilterOperator::Multiply, FilterSign::Both},
        {"/ N   +", FilterOperator::Divide, FilterSign::Plus},
        {"/ N   -", FilterOperator::Divide, FilterSign::Minus},
        {"/ N   +|-", FilterOperator::Divide, FilterSign::Both},
        {"^ N   +", FilterOperator::Power, FilterSign::Plus},
        {"^ N   -", FilterOperator::Power, FilterSign::Minus},
        {"^ N   +|-", FilterOperator::Power, FilterSign::Both},
    };
    for (const Case& c : cases) {
        const engine::FilterForm form = ParseFilterCaption(c.caption);
        EXPECT_EQ(form, (engine::FilterForm{c.op, c.sign})) << c.caption;
        EXPECT_EQ(engine::FilterCaption(form), c.caption);
    }
    // A caption no button makes (a state file's): the operator "^" and the
    // sign "+|-" where none is named, as the buttons and the description read it.
    EXPECT_EQ(ParseFilterCaption("N"),
              (engine::FilterForm{FilterOperator::Power, FilterSign::Both}));
}

TEST(FilterDescription, TextsAsTheyStand) {
    EXPECT_EQ(engine::FilterDescription(ParseFilterCaption("* N   +"), 1, "3", "1"), "3*N + 1");
    EXPECT_EQ(engine::FilterDescription(ParseFilterCaption("^ N   -"), 1, "2", "1"), "2^N - 1");
    EXPECT_EQ(engine::FilterDescription(ParseFilterCaption("/ N   +"), 0, "12", "0"), "12/N ");
    EXPECT_EQ(engine::FilterDescription(ParseFilterCaption("* N   +|-"), 1000, "10", "1,000"),
              "10*N +|- 1,000");
}

TEST(IsInFilter, MultiplesWithNegativeIndex) {
    FilterMembership test(MakeFilter("* N   +", 3, 10));
    ASSERT_TRUE(test.IsInFilter(4));
    EXPECT_EQ(test.FilterIndex(), -2);
    EXPECT_FALSE(test.IsInFilter(5));
    EXPECT_EQ(test.GatheredCount(), 1);
}

TEST(IsInFilter, DivisorsOfA) {
    FilterMembership test(MakeFilter("/ N   +", 12, 0));
    std::vector<std::pair<int, int>> passed;
    for (int n = 1; n <= 20; ++n) {
        if (test.IsInFilter(n)) passed.emplace_back(n, test.FilterIndex());
    }
    EXPECT_EQ(passed,
              (std::vector<std::pair<int, int>>{{1, 12}, {2, 6}, {3, 4}, {4, 3}, {6, 2}, {12, 1}}));
}

TEST(IsInFilter, PowersThatLogarithmsAloneMiss) {
    struct Case {
        int a;
        int n;
        int64_t value;
    };
    // ln(v)/ln(a) is not exactly whole in double precision for these.
    const Case cases[] = {{2, 29, 536870912},  {3, 10, 59049},      {3, 13, 1594323},
                          {5, 12, 244140625},  {6, 11, 362797056},  {7, 10, 282475249},
                          {10, 9, 1000000000}, {2, 30, 1073741824}, {3, 19, 1162261467}};
    for (const Case& c : cases) {
        FilterMembership plus(MakeFilter("^ N   +", c.a, 5));
        ASSERT_TRUE(plus.IsInFilter(static_cast<int32_t>(c.value + 5))) << c.a << "^" << c.n;
        EXPECT_EQ(plus.FilterIndex(), c.n);
        EXPECT_FALSE(plus.IsInFilter(static_cast<int32_t>(c.value + 6)));
        FilterMembership minus(MakeFilter("^ N   -", c.a, 1));
        ASSERT_TRUE(minus.IsInFilter(static_cast<int32_t>(c.value - 1))) << c.a << "^" << c.n;
        EXPECT_EQ(minus.FilterIndex(), c.n);
    }
}

TEST(IsInFilter, PowerFormsAgainstEnumeration) {
    // Every n of 1..5000 passes exactly when some a^N + b (or - b) equals it.
    for (int a : {2, 3, 7}) {
        for (int b : {0, 1, 5}) {
            for (const char* caption : {"^ N   +", "^ N   -", "^ N   +|-"}) {
                FilterMembership test(MakeFilter(caption, a, b));
                auto form = ParseFilterCaption(caption);
                for (int n = 1; n <= 5000; ++n) {
                    bool expected = false;
                    for (int64_t p = 1; p <= 10000; p *= a) {
                        if (form.TakesPlus() && b < n && p + b == n) expected = true;
                        if (form.TakesMinus() && p - b == n) expected = true;
                    }
                    ASSERT_EQ(test.IsInFilter(n), expected)
                        << caption << " a=" << a << " b=" << b << " n=" << n;
                }
            }
        }
    }
}

TEST(IsInFilter, OverflowIsAFilterError) {
    FilterMembership test(MakeFilter("^ N   -", 2, 2147483646));
    EXPECT_FALSE(test.IsInFilter(2));
    EXPECT_TRUE(test.Error());
    EXPECT_EQ(test.ErrorText(), "Overflow");
    EXPECT_FALSE(test.IsInFilter(1));  // 1 + b = 2^31 - 1 fits, and is no power of 2
    EXPECT_FALSE(test.Error());
}

struct CheckCase {
    const char* name;
    std::string caption;
    int32_t a, b, start, end;
    ComputeMode mode;
    std::optional<std::string> refusal;
};

class FilterChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(FilterChecks, RefuseInOrder) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(engine::CheckFilter(MakeFilter(c.caption, c.a, c.b), c.start, c.end, c.mode),
              c.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Filter, FilterChecks,
    ::testing::Values(
        CheckCase{"AOne", "* N   +", 1, 0, 1, 10, ComputeMode::DisplayAllNumbers,
                  "First filter value must be > 1."},
        CheckCase{"MultNoResidue", "* N   +", 10, 3, 24, 28, ComputeMode::DisplayAllNumbers,
                  "Filtered range is empty."},
        CheckCase{"MultLongRangeNotTested", "* N   +", 10, 3, 24, 33,
                  ComputeMode::DisplayAllNumbers, std::nullopt},
        CheckCase{"MultWrapHolds", "* N   +", 10, 3, 29, 33, ComputeMode::DisplayAllNumbers,
                  std::nullopt},
        CheckCase{"MultMinusHolds", "* N   -", 10, 3, 24, 28, ComputeMode::DisplayAllNumbers,
                  std::nullopt},
        CheckCase{"DivPlusEmpty", "/ N   +", 12, 0, 13, 20, ComputeMode::DisplayAllNumbers,
                  "Filtered range is empty."},
        CheckCase{"DivMinusEmpty", "/ N   -", 12, 2, 11, 20, ComputeMode::DisplayAllNumbers,
                  "Filtered range is empty."},
        CheckCase{"DivPlusMinusEitherSide", "/ N   +|-", 12, 2, 11, 20,
                  ComputeMode::DisplayAllNumbers, std::nullopt},
        CheckCase{"EndTooLarge", "* N   -", 3, 100, 1, 2147483600, ComputeMode::DisplayAllNumbers,
                  "End number too large for this filter."},
        CheckCase{"EndJustFits", "* N   -", 3, 100, 1, 2147483546, ComputeMode::DisplayAllNumbers,
                  std::nullopt},
        CheckCase{"PairsEvenForm", "* N   +", 6, 4, 1, 100, ComputeMode::DisplayPrimePairsOnly,
                  "Filter condition implies no prime pairs."},
        CheckCase{"PairsPowerOfThreeOnlyOneAndThree", "^ N   +", 3, 0, 1, 100,
                  ComputeMode::DisplayPrimePairsOnly, "Filter condition implies no prime pairs."},
        CheckCase{"PairsPowerOfThree", "^ N   +", 3, 2, 1, 100, ComputeMode::DisplayPrimePairsOnly,
                  std::nullopt},
        CheckCase{"PairsPowerOfFour", "^ N   +", 4, 1, 1, 100, ComputeMode::DisplayPrimePairsOnly,
                  "Filter condition implies no prime pairs."},
        CheckCase{"PairsPowerBothSigns", "^ N   +|-", 6, 1, 1, 100,
                  ComputeMode::DisplayPrimePairsOnly, std::nullopt},
        CheckCase{"PairsPowerMinus", "^ N   -", 2, 1, 1, 100, ComputeMode::DisplayPrimePairsOnly,
                  "Filter condition implies no prime pairs."},
        CheckCase{"PairsPowerOutOfRange", "^ N   +", 2, 1, 5, 100,
                  ComputeMode::DisplayPrimePairsOnly, "Filter condition implies no prime pairs."},
        CheckCase{"PairsPowerAccepted", "^ N   +", 2, 1, 1, 100, ComputeMode::DisplayPrimePairsOnly,
                  std::nullopt},
        CheckCase{"CountOnlyTwo", "* N   +", 4, 2, 1, 100, ComputeMode::CountPrimesOnly,
                  "Filtered range contains no primes except 2."},
        CheckCase{"CountNoPrimes", "* N   +", 4, 2, 3, 100, ComputeMode::CountPrimesOnly,
                  "Filtered range contains no primes."},
        CheckCase{"FactorModeAcceptsEvenForm", "* N   +", 4, 2, 3, 100,
                  ComputeMode::DisplayAllNumbers, std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(ReadFilter, FieldRules) {
    auto form = ParseFilterCaption("* N   +");
    EXPECT_EQ(engine::ReadFilter("", "5", form).refusal, "First filter value invalid.");
    EXPECT_FALSE(engine::ReadFilter("", "", form).filter.has_value());
    EXPECT_FALSE(engine::ReadFilter("", "", form).refusal.has_value());
    EXPECT_EQ(engine::ReadFilter("-3", "", form).refusal, "First filter value invalid.");
    EXPECT_EQ(engine::ReadFilter("3", "-1", form).refusal, "Second filter value invalid.");
    EXPECT_EQ(engine::ReadFilter("3", "99999999999", form).refusal, "Second filter value invalid.");
    auto reading = engine::ReadFilter("3", "", form);
    ASSERT_TRUE(reading.filter.has_value());
    EXPECT_TRUE(reading.writeZeroIntoB);
    EXPECT_EQ(reading.filter->a, 3);
    EXPECT_EQ(reading.filter->b, 0);
}

FakeHost FilteredHost(const std::string& start, const std::string& end, ComputeMode mode,
                      const std::string& caption, const std::string& a, const std::string& b) {
    FakeHost host;
    host.request.startText = start;
    host.request.endText = end;
    host.request.mode = mode;
    host.request.filterForm = engine::ParseFilterCaption(caption);
    host.request.filterAText = a;
    host.request.filterBText = b;
    return host;
}

TEST(FilteredRuns, FermatPrimes) {
    FakeHost host = FilteredHost("1", "70000", ComputeMode::DisplayPrimesOnly, "^ N   +", "2", "1");
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"Filter: 2^N + 1", "Fermat primes:", " 2 (N=0)", " 3 (N=1)",
                                  " 5 (N=2)", " 17 (N=4)", " 257 (N=8)", " 65,537 (N=16)",
                                  " 6 primes found in (filtered) range 1 through 70,000."}));
}

TEST(FilteredRuns, MersennePrimes) {
    FakeHost host =
        FilteredHost("1", "600000", ComputeMode::DisplayPrimesOnly, "^ N   -", "2", "1");
    host.Run();
    EXPECT_EQ(host.Text(),
              Lines({"Filter: 2^N - 1", "Mersenne primes:", " 3 (N=2)", " 7 (N=3)", " 31 (N=5)",
                     " 127 (N=7)", " 8,191 (N=13)", " 131,071 (N=17)", " 524,287 (N=19)",
                     " 7 primes found in (filtered) range 1 through 600,000."}));
}

TEST(FilteredRuns, BothSignsHeading) {
    FakeHost host = FilteredHost("1", "40", ComputeMode::DisplayPrimesOnly, "^ N   +|-", "2", "1");
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"Filter: 2^N +|- 1", "Fermat and Mersenne primes:", " 2 (N=0)",
                                  " 3 (N=1)", " 5 (N=2)", " 7 (N=3)", " 17 (N=4)", " 31 (N=5)",
                                  " 6 primes found in (filtered) range 1 through 40."}));
}

TEST(FilteredRuns, PowerFormWithoutAIsNoFilter) {
    FakeHost host = FilteredHost("1", "10", ComputeMode::DisplayPrimesOnly, "^ N   -", "", "");
    host.Run();
    EXPECT_EQ(host.Text(),
              Lines({"Primes:", " 2", " 3", " 5", " 7", " 4 primes found in range 1 through 10."}));
}

TEST(FilteredRuns, EmptyRangeLineUsesFieldTexts) {
    FakeHost host =
        FilteredHost("1000", "1002", ComputeMode::DisplayAllNumbers, "^ N   +", "2", "0");
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"Filter: 2^N ", "Filtered range 1,000 through 1,002 is empty."}));
}

TEST(FilteredRuns, EmptyBIsWrittenBackAsZero) {
    FakeHost host = FilteredHost("1", "10", ComputeMode::DisplayAllNumbers, "* N   +", "3", "");
    host.Run();
    EXPECT_EQ(host.request.filterBText, "0");
    EXPECT_EQ(host.Text(),
              Lines({"Filter: 3*N ", " 3 (N=1) is prime", " 6 (N=2) = 2 * 3", " 9 (N=3) = 3^2",
                     " 1 prime found in (filtered) range 1 through 10."}));
}

TEST(FilteredRuns, AllFactorsWithIndex) {
    FakeHost host = FilteredHost("30", "40", ComputeMode::DisplayAllFactors, "* N   +", "10", "5");
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"Filter: 10*N + 5", "# 35 (N=3) has 2 proper factors:   5  7",
                                  " No primes found in (filtered) range 30 through 40."}));
}

TEST(FilteredRuns, PairsWithFilterShowNoIndex) {
    FakeHost host =
        FilteredHost("1", "100", ComputeMode::DisplayPrimePairsOnly, "* N   +|-", "6", "1");
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"Filter: 6*N +|- 1", "Prime pairs:", " 5  7", " 11  13",
                                  " 17  19", " 29  31", " 41  43", " 59  61", " 71  73",
                                  " 7 prime pairs found in (filtered) range 1 through 100."}));
}

TEST(FilteredRuns, PairsOfPowersEndAfterBPlusFour) {
    FakeHost host =
        FilteredHost("1", "1000000", ComputeMode::DisplayPrimePairsOnly, "^ N   +", "2", "1");
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"Filter: 2^N + 1", "Prime pairs:", " 3  5",
                                  " 1 prime pair found in (filtered) range 1 through 1,000,000."}));
    EXPECT_LE(host.flags.currentNumber, 5);
}

// Pairs of a power form, brute force: every odd prime x of the range whose
// x + 2 is a prime of the range too, with both of the form a^N + b or a^N - b
// (N >= 0, whole powers found by multiplication).
std::vector<std::pair<int64_t, int64_t>> PowerPairs(const std::string& sign, int64_t a, int64_t b,
                                                    int64_t start, int64_t end) {
    const bool plus = sign != "-";
    const bool minus = sign != "+";
    const auto ofForm = [&](int64_t n) {
        for (int64_t p = 1; p <= 2147483647; p *= a) {
            if ((plus && p + b == n) || (minus && p - b == n)) return true;
        }
        return false;
    };
    std::vector<std::pair<int64_t, int64_t>> pairs;
    for (int64_t p = 1; p <= 2147483647; p *= a) {
        for (const int64_t x : {p + b, p - b}) {
            if (x < start || x + 2 > end || !ofForm(x) || !ofForm(x + 2)) continue;
            if (oracle::IsPrime(x) && oracle::IsPrime(x + 2)) pairs.emplace_back(x, x + 2);
        }
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    return pairs;
}

TEST(FilteredRuns, PairsOfPowersAgainstBruteForce) {
    // a = 2 and 3 have pairs of one sign; with both signs any a can, around
    // its powers (b = 1) or between two of them.
    const int64_t kMax = 2147483646;
    for (const int64_t a : {2, 3, 4, 5, 6, 7, 10, 12, 16, 30, 1000}) {
        for (int64_t b = 0; b <= 40; ++b) {
            for (const std::string sign : {"+", "-", "+|-"}) {
                // Beyond end + b = 2^31 - 1 the "-" test reports an overflow.
                const int64_t end = sign == "+" ? kMax : std::min(kMax, 2147483647 - b);
                for (const int64_t start : {int64_t{1}, b + 3, int64_t{1000}}) {
                    FakeHost host =
                        FilteredHost(std::to_string(start), std::to_string(end),
                                     ComputeMode::DisplayPrimePairsOnly, "^ N   " + sign,
                                     std::to_string(a), std::to_string(b));
                    host.Run();
                    const auto pairs = PowerPairs(sign, a, b, start, end);
                    const std::string where = "a=" + std::to_string(a) + " b=" + std::to_string(b) +
                                              " sign " + sign + " from " + std::to_string(start);
                    if (host.Text().empty()) {
                        ASSERT_TRUE(pairs.empty()) << where;
                        ASSERT_EQ(host.messages.shown.back().text,
                                  "Filter condition implies no prime pairs.")
                            << where;
                        continue;
                    }
                    std::string expected = "Filter: " + oracle::GroupDigits(a) + "^N ";
                    if (b > 0) expected += sign + " " + oracle::GroupDigits(b);
                    expected += "\r\nPrime pairs:\r\n";
                    for (const auto& [x, y] : pairs) {
                        expected +=
                            " " + oracle::GroupDigits(x) + "  " + oracle::GroupDigits(y) + "\r\n";
                    }
                    expected += oracle::SummaryLine({.count = static_cast<int64_t>(pairs.size()),
                                                     .pairs = true,
                                                     .filtered = true,
                                                     .start = start,
                                                     .last = end});
                    ASSERT_EQ(host.Text(), expected) << where;
                }
            }
        }
    }
}

TEST(FilteredRuns, PairsOfPowersOfBothSigns) {
    FakeHost host =
        FilteredHost("1", "100", ComputeMode::DisplayPrimePairsOnly, "^ N   +|-", "2", "1");
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"Filter: 2^N +|- 1", "Prime pairs:", " 3  5", " 5  7",
                                  " 2 prime pairs found in (filtered) range 1 through 100."}));
    // The last two numbers of the form 2 apart are 63 and 65: the scan ends there.
    EXPECT_EQ(host.flags.currentNumber, 65);
}

TEST(FilteredRuns, FilterErrorEndsTheRun) {
    FakeHost host =
        FilteredHost("1", "5", ComputeMode::DisplayAllNumbers, "^ N   -", "2", "2147483646");
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"Filter: 2^N - 2,147,483,646", "Filter error: Overflow"}));
    ASSERT_FALSE(host.messages.shown.empty());
    EXPECT_EQ(host.messages.shown.back().text, "Overflow");
    EXPECT_EQ(host.messages.shown.back().title, "Error condition");
    EXPECT_EQ(host.busyLeft, 1);
}

TEST(FilteredRuns, RefusalMessagesThroughTheDriver) {
    FakeHost host = FilteredHost("1", "100", ComputeMode::CountPrimesOnly, "* N   +", "4", "2");
    EXPECT_EQ(host.Run(), engine::RunOutcome::Refused);
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "Filtered range contains no primes except 2.");
    EXPECT_EQ(host.Text(), "");
}

}  // namespace
}  // namespace enginetest
