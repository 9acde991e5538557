// Whole runs through the compute driver: refusals, the numbers 1 and 2, each
// text mode's lines and the summary, with exact output texts.
#include <gtest/gtest.h>

#include "FakeHost.h"

namespace enginetest {
namespace {

using engine::ComputeMode;
using engine::RunOutcome;

struct RunCase {
    const char* name;
    std::string start;
    std::string end;
    ComputeMode mode;
    std::string expected;
};

FakeHost HostFor(const std::string& start, const std::string& end, ComputeMode mode) {
    FakeHost host;
    host.request.startText = start;
    host.request.endText = end;
    host.request.mode = mode;
    return host;
}

class TextRuns : public ::testing::TestWithParam<RunCase> {};

TEST_P(TextRuns, WriteExactLines) {
    const RunCase& c = GetParam();
    FakeHost host = HostFor(c.start, c.end, c.mode);
    EXPECT_EQ(host.Run(), RunOutcome::Completed);
    EXPECT_EQ(host.Text(), c.expected);
    EXPECT_TRUE(host.messages.shown.empty());
    EXPECT_EQ(host.busyEntered, 1);
    EXPECT_EQ(host.busyLeft, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Driver, TextRuns,
    ::testing::Values(
        RunCase{"OneAlone", "1", "", ComputeMode::DisplayAllNumbers, Lines({" 1"})},
        RunCase{"OneAndTwo", "1", "2", ComputeMode::DisplayAllNumbers,
                Lines({" 1", " 2 is prime", " 1 prime found in range 1 through 2."})},
        RunCase{"CountTwoToTen", "2", "10", ComputeMode::CountPrimesOnly,
                Lines({" 4 primes found in range 2 through 10."})},
        RunCase{"FactorOneToTwelve", "1", "12", ComputeMode::DisplayAllNumbers,
                Lines({" 1", " 2 is prime", " 3 is prime", " 4 = 2^2", " 5 is prime", " 6 = 2 * 3",
                       " 7 is prime", " 8 = 2^3", " 9 = 3^2", " 10 = 2 * 5", " 11 is prime",
                       " 12 = (2^2) * 3", " 5 primes found in range 1 through 12."})},
        RunCase{
            "LargeNumbersCarrySeparators", "1000001", "1000003", ComputeMode::DisplayAllNumbers,
            Lines({" 1,000,001 = 101 * 9,901", " 1,000,002 = 2 * 3 * 166,667",
                   " 1,000,003 is prime", " 1 prime found in range 1,000,001 through 1,000,003."})},
        RunCase{"TopOfRange", "2147483646", "", ComputeMode::DisplayAllNumbers,
                Lines({" 2,147,483,646 = 2 * (3^2) * 7 * 11 * 31 * 151 * 331"})},
        RunCase{"CountWithSummaryBreak", "1000000000", "1000000010", ComputeMode::CountPrimesOnly,
                " 2 primes found in range 1,000,000,000\r\n through 1,000,000,010.\r\n"},
        RunCase{"CountNone", "24", "28", ComputeMode::CountPrimesOnly,
                Lines({" No primes found in range 24 through 28."})},
        RunCase{"PairsAtRangeEdge", "4", "7", ComputeMode::DisplayPrimePairsOnly,
                Lines({"Prime pairs:", " 5  7", " 1 prime pair found in range 4 through 7."})},
        RunCase{"PairsNone", "24", "28", ComputeMode::DisplayPrimePairsOnly,
                Lines({"Prime pairs:", " No prime pairs found in range 24 through 28."})},
        RunCase{"PairsFromOne", "1", "100", ComputeMode::DisplayPrimePairsOnly,
                Lines({"Prime pairs:", " 3  5", " 5  7", " 11  13", " 17  19", " 29  31", " 41  43",
                       " 59  61", " 71  73", " 8 prime pairs found in range 1 through 100."})},
        RunCase{"AllFactorsOfTwelve", "12", "", ComputeMode::DisplayAllFactors,
                Lines({"# 12 has 4 proper factors:   2  3  4  6"})},
        RunCase{"AllFactorsOfPrime", "13", "", ComputeMode::DisplayAllFactors,
                Lines({"# 13 is prime"})},
        RunCase{"AllFactorsOneToFour", "1", "4", ComputeMode::DisplayAllFactors,
                Lines({"# 1", "# 2 is prime", "# 3 is prime", "# 4 has 1 proper factor:   2",
                       " 2 primes found in range 1 through 4."})}),
    [](const auto& info) { return info.param.name; });

TEST(Driver, PrimesOneToHundred) {
    FakeHost host = HostFor("1", "100", ComputeMode::DisplayPrimesOnly);
    host.Run();
    std::string expected = "Primes:\r\n";
    for (int p : {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                  43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97}) {
        expected += " " + std::to_string(p) + "\r\n";
    }
    expected += " 25 primes found in range 1 through 100.\r\n";
    EXPECT_EQ(host.Text(), expected);
}

TEST(Driver, SingleNumberSwitchesToFactorMode) {
    for (ComputeMode mode : {ComputeMode::DisplayPrimesOnly, ComputeMode::DisplayPrimePairsOnly,
                             ComputeMode::CountPrimesOnly, ComputeMode::DoPCGraph}) {
        FakeHost host = HostFor("4", "4", mode);
        host.Run();
        EXPECT_EQ(host.Text(), Lines({" 4 = 2^2"}));
        ASSERT_FALSE(host.selectedModes.empty());
        EXPECT_EQ(host.selectedModes.front(), ComputeMode::DisplayAllNumbers);
        EXPECT_EQ(host.request.mode, ComputeMode::DisplayAllNumbers);
    }
}

TEST(Driver, SecondRunStartsWithSeparatorLine) {
    FakeHost host = HostFor("12", "", ComputeMode::DisplayAllNumbers);
    host.Run();
    host.Run();
    EXPECT_EQ(host.Text(), Lines({" 12 = (2^2) * 3", std::string(50, '-'), " 12 = (2^2) * 3"}));
}

TEST(Driver, NotesOnEveryPiece) {
    FakeHost host = HostFor("12", "13", ComputeMode::DisplayAllNumbers);
    host.request.showFactorCount = true;
    host.request.showPalmenColor = true;
    host.Run();
    // 12 = 2^2 * 3 has three prime factors with multiplicity: colour 3.
    EXPECT_EQ(host.Text(),
              Lines({" 12 [3 Y yellow] = (2^2) * 3 {2, 1.142}", " 13 [1 R red] is prime {1, 0.060}",
                     " 1 prime found in range 12 through 13."}));
}

TEST(Driver, TwoInAllFactorsModeWithCountNote) {
    FakeHost host = HostFor("2", "2", ComputeMode::DisplayAllFactors);
    host.request.showFactorCount = true;
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"# 2 is prime {1}"}));
}

TEST(Driver, PrimesOnlyWritesNoNoteForTwo) {
    FakeHost host = HostFor("2", "3", ComputeMode::DisplayPrimesOnly);
    host.request.showFactorCount = true;
    host.Run();
    EXPECT_EQ(host.Text(),
              Lines({"Primes:", " 2", " 3 {1, 2.954}", " 2 primes found in range 2 through 3."}));
}

TEST(Driver, SpaceSeparatorPairsCarryComma) {
    FakeHost host = HostFor("1000037", "1000039", ComputeMode::DisplayPrimePairsOnly);
    host.request.separator = format::Separator::Space;
    host.Run();
    EXPECT_EQ(host.Text(), Lines({"Prime pairs:", " 1 000 037,  1 000 039",
                                  " 1 prime pair found in range 1 000 037 through 1 000 039."}));
}

struct RefusalCase {
    const char* name;
    std::string start;
    std::string end;
    ComputeMode mode;
    std::string message;
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, ShowMessageAndWriteNothing) {
    const RefusalCase& c = GetParam();
    FakeHost host = HostFor(c.start, c.end, c.mode);
    host.output.Append("kept\r\n");
    EXPECT_EQ(host.Run(), RunOutcome::Refused);
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, c.message);
    EXPECT_EQ(host.messages.shown[0].title, "Primorator");
    EXPECT_EQ(host.messages.shown[0].icon, engine::MessageIcon::None);
    EXPECT_EQ(host.Text(), "kept\r\n");
    EXPECT_EQ(host.busyEntered, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Driver, Refusals,
    ::testing::Values(
        RefusalCase{"NothingToDo", "", "", ComputeMode::DisplayAllNumbers, "Nothing to do!"},
        RefusalCase{"NpfStartBelowTwo", "1", "10", ComputeMode::DoNPFGraph,
                    "Start number must be at least 2."},
        RefusalCase{"NpfBeforeRangeCheck", "-1", "10", ComputeMode::DoNPFGraph,
                    "Start number must be at least 2."},
        RefusalCase{"EkStartTooSmall", "5", "5", ComputeMode::DoEKGraph,
                    "Start number must be at least 1,000,000"},
        RefusalCase{"EkSingleNumber", "2000000", "2000000", ComputeMode::DoEKGraph,
                    "End number must be greater than start number."},
        RefusalCase{"NpfSingleNumber", "20", "20", ComputeMode::DoNPFGraph,
                    "End number must be greater than start number."},
        RefusalCase{"EndBeforeStart", "10", "5", ComputeMode::DisplayAllNumbers,
                    "End number must not be less than start number."},
        RefusalCase{"StartEmpty", "", "5", ComputeMode::DisplayAllNumbers, "Start number invalid."},
        RefusalCase{"StartNegative", "-5", "", ComputeMode::DisplayAllNumbers,
                    "Start number invalid."},
        RefusalCase{"StartLetters", "abc", "10", ComputeMode::DisplayAllNumbers,
                    "Start number invalid."},
        RefusalCase{"EndPastedMinus", "5", "-3", ComputeMode::DisplayAllNumbers,
                    "End number invalid."}),
    [](const auto& info) { return info.param.name; });

TEST(Driver, EkStartMessageUsesSelectedSeparator) {
    FakeHost host = HostFor("5", "10", ComputeMode::DoEKGraph);
    host.request.separator = format::Separator::Space;
    host.Run();
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "Start number must be at least 1 000 000");
}

TEST(Driver, NothingToDoFocusesStartField) {
    FakeHost host = HostFor("", "", ComputeMode::DisplayAllNumbers);
    host.Run();
    EXPECT_EQ(host.startFieldFocused, 1);
}

TEST(Driver, TooLargeNumberIsRefusedByNormalisation) {
    FakeHost host = HostFor("2147483647", "", ComputeMode::DisplayAllNumbers);
    EXPECT_EQ(host.Run(), RunOutcome::Refused);
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "Start number too large.");
    EXPECT_EQ(host.request.startText, "2,147,483,646");
    EXPECT_EQ(host.Text(), "");
}

TEST(Driver, ZeroEndFieldMakesASingleNumberRun) {
    FakeHost host = HostFor("12", "0", ComputeMode::DisplayAllNumbers);
    host.Run();
    EXPECT_EQ(host.Text(), Lines({" 12 = (2^2) * 3"}));
}

}  // namespace
}  // namespace enginetest
