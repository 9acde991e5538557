#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "format/ResultLine.h"
#include "support/DigitGrouping.h"
#include "support/Factoring.h"

namespace {

using format::Separator;

struct SeparatorCase {
    Separator separator;
    char character;
};

const SeparatorCase kSeparators[] = {{Separator::Comma, ','},
                                     {Separator::Space, ' '},
                                     {Separator::Apostrophe, '\''},
                                     {Separator::None, 0}};

// "#" + head + factor list, as the all-factors mode writes a line.
std::string AllFactorsLine(int32_t n, Separator separator, bool showColor = false) {
    format::LineHeadOptions options;
    options.separator = separator;
    options.showColor = showColor;
    std::string line = "#";
    const int head = format::LineHead(line, n, 5, options);
    format::AppendProperFactors(line, n, oracle::FactorResultOf(n, 5), head, separator);
    return line;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return lines;
        start = end + 2;
    }
}

// What the wrapping counts of a line: everything but the "#" of the first.
size_t Counted(const std::string& line, size_t index) {
    return index == 0 ? line.size() - 1 : line.size();
}

// Checks a whole all-factors line of n against the divisors found by trial
// division: the lead, every factor once in ascending order with its blanks
// and semicolons, lines of at most 63 counted characters up to their last
// factor, and no line broken earlier than needed. Returns the number of
// lines that reach exactly 63 counted characters.
int CheckAllFactorsLine(int32_t n, const SeparatorCase& c, bool showColor) {
    const std::string line = AllFactorsLine(n, c.separator, showColor);
    const std::vector<int32_t> divisors = oracle::ProperDivisors(n);
    const std::string lead = " has " + std::to_string(divisors.size()) +
                             (divisors.size() == 1 ? " proper factor: " : " proper factors: ");
    const size_t leadAt = line.find(lead);
    EXPECT_NE(leadAt, std::string::npos) << line;
    if (leadAt == std::string::npos) return 0;
    const std::string head = line.substr(0, leadAt);

    // The list without its line breaks, built from the divisors.
    std::string expectedList;
    std::vector<std::string> factorTexts;
    for (size_t i = 0; i < divisors.size(); ++i) {
        factorTexts.push_back(oracle::GroupDigits(divisors[i], c.character));
        if (c.separator == Separator::Space && i > 0) expectedList += ";";
        expectedList += "  " + factorTexts.back();
    }
    std::string list = line.substr(leadAt + lead.size());
    size_t breakAt;
    while ((breakAt = list.find("\r\n ")) != std::string::npos) {
        // A break stands between the two blanks before a factor and the factor.
        EXPECT_GE(breakAt, 2u);
        EXPECT_EQ(list.substr(breakAt - 2, 2), "  ");
        list.erase(breakAt, 3);
    }
    EXPECT_EQ(list, expectedList) << n;

    const std::vector<std::string> lines = SplitLines(line);
    int exactly63 = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& current = lines[i];
        if (i > 0) {
            EXPECT_EQ(current.substr(0, 1), " ") << n;
        }
        // A broken line ends in the blanks (and semicolon) before the next factor.
        std::string upToLastFactor = current;
        while (upToLastFactor.back() == ' ' || upToLastFactor.back() == ';') {
            upToLastFactor.pop_back();
        }
        const size_t counted = Counted(upToLastFactor, i);
        EXPECT_LE(counted, 63u) << n << " line " << i << ": " << current;
        if (counted == 63) ++exactly63;
        if (i + 1 < lines.size()) {
            // The first factor of the next line would not have fitted on this one.
            std::string first = lines[i + 1].substr(1);
            first = first.substr(0, first.find(';'));
            first = first.substr(0, first.find("  "));
            EXPECT_GT(Counted(current, i) + first.size(), 63u) << n << " line " << i;
        }
    }
    return exactly63;
}

TEST(ProperFactorsText, TwelveWithCommaAndSpace) {
    EXPECT_EQ(AllFactorsLine(12, Separator::Comma), "# 12 has 4 proper factors:   2  3  4  6");
    EXPECT_EQ(AllFactorsLine(12, Separator::Space), "# 12 has 4 proper factors:   2;  3;  4;  6");
    EXPECT_EQ(AllFactorsLine(12, Separator::None), "# 12 has 4 proper factors:   2  3  4  6");
}

TEST(ProperFactorsText, OneProperFactorIsSingular) {
    for (int32_t n : {4, 9, 25, 49, 1018081}) {
        const std::string text =
            format::ProperFactorsText(n, oracle::FactorResultOf(n), 1, Separator::Comma);
        EXPECT_EQ(text.substr(0, 22), " has 1 proper factor: ") << n;
    }
    EXPECT_EQ(format::ProperFactorsText(4, oracle::FactorResultOf(4), 1, Separator::Comma),
              " has 1 proper factor:   2");
    EXPECT_EQ(
        format::ProperFactorsText(1018081, oracle::FactorResultOf(1018081), 9, Separator::Space),
        " has 1 proper factor:   1 009");
}

TEST(ProperFactorsText, LargePrimeFactorCarriesSeparators) {
    EXPECT_EQ(format::ProperFactorsText(2147483578, oracle::FactorResultOf(2147483578), 13,
                                        Separator::Comma),
              " has 2 proper factors:   2  1,073,741,789");
}

TEST(ProperFactorsText, AppendsToWhatIsAlreadyWritten) {
    std::string out = "# 10 has 2 proper factors:   2  5\r\n#";
    const std::string before = out;
    format::LineHeadOptions options;
    const int head = format::LineHead(out, 223092870, -1, options);
    format::AppendProperFactors(out, 223092870, oracle::FactorResultOf(223092870), head,
                                Separator::Comma);
    EXPECT_EQ(out, before + AllFactorsLine(223092870, Separator::Comma).substr(1));
}

TEST(ProperFactorsText, ProductOfTheFirstNinePrimes) {
    const int32_t n = 223092870;
    EXPECT_EQ(oracle::ProperDivisors(n).size(), 510u);
    for (const SeparatorCase& c : kSeparators) {
        CheckAllFactorsLine(n, c, false);
        CheckAllFactorsLine(n, c, true);
        const std::string line = AllFactorsLine(n, c.separator);
        EXPECT_EQ(line.substr(0, 2 + oracle::GroupDigits(n, c.character).size() + 27),
                  "# " + oracle::GroupDigits(n, c.character) + " has 510 proper factors:   ");
        const size_t semicolons = std::count(line.begin(), line.end(), ';');
        EXPECT_EQ(semicolons, c.separator == Separator::Space ? 509u : 0u);
    }
}

TEST(ProperFactorsText, LargestNumber) {
    const int32_t n = 2147483646;
    EXPECT_EQ(oracle::ProperDivisors(n).size(), 190u);
    for (const SeparatorCase& c : kSeparators) CheckAllFactorsLine(n, c, true);
}

TEST(ProperFactorsText, RangesOfNumbersAgainstTrialDivision) {
    std::vector<int32_t> numbers;
    for (int32_t n = 4; n <= 3000; ++n) numbers.push_back(n);
    std::mt19937 random(3);
    std::uniform_int_distribution<int32_t> large(1000000, 2147483646);
    for (int i = 0; i < 200; ++i) numbers.push_back(large(random));
    // Numbers with many divisors, with factors of every length.
    for (int32_t n : {720720, 1081080, 2095133040, 1396755360, 735134400, 2141691552}) {
        numbers.push_back(n);
    }
    int exactly63 = 0;
    for (const SeparatorCase& c : kSeparators) {
        for (int32_t n : numbers) {
            if (oracle::FactorResultOf(n).IsPrime()) continue;
            exactly63 += CheckAllFactorsLine(n, c, n % 2 == 0);
        }
    }
    // The limit is compared with greater-than: some lines reach 63 exactly.
    EXPECT_GT(exactly63, 0);
}

}  // namespace
