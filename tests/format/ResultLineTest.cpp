#include "format/ResultLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/DigitGrouping.h"
#include "support/EkValue.h"
#include "support/Factoring.h"

namespace {

using format::LineHeadOptions;
using format::Separator;

TEST(PalmenColorNames, EightNamesInIndexOrder) {
    const std::string_view expected[] = {"0 A black", "1 R red",     "2 G green", "3 Y yellow",
                                         "4 U blue",  "5 M magenta", "6 C cyan",  "7 W white"};
    const auto& names = format::PalmenColorNames();
    ASSERT_EQ(names.size(), 8u);
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], expected[i]);
}

TEST(ResultLinePieces, ConstantTexts) {
    EXPECT_EQ(format::kPrimeMarker, " is prime");
    EXPECT_EQ(format::kDecompositionLead, " = ");
    EXPECT_EQ(format::kAllFactorsPrefix, "#");
    EXPECT_EQ(format::kLineEnd, "\r\n");
    EXPECT_EQ(format::kTwoFactorNote, " {1}");
}

struct HeadCase {
    int32_t n;
    int color;
    LineHeadOptions options;
    std::string text;
};

LineHeadOptions Options(bool filter, int32_t index, bool pairs, bool color, Separator s) {
    LineHeadOptions options;
    options.filterActive = filter;
    options.filterIndex = index;
    options.primePairsMode = pairs;
    options.showColor = color;
    options.separator = s;
    return options;
}

TEST(LineHead, TextAndLengthWithoutTheLeadingBlank) {
    const Separator comma = Separator::Comma;
    const HeadCase cases[] = {
        {12, -1, Options(false, 0, false, false, comma), " 12"},
        {1000001, -1, Options(false, 0, false, false, comma), " 1,000,001"},
        {1000001, 3, Options(false, 0, false, false, Separator::Space), " 1 000 001"},
        {1000001, 3, Options(false, 0, false, false, Separator::None), " 1000001"},
        {35, -1, Options(true, 3, false, false, comma), " 35 (N=3)"},
        {12, 3, Options(false, 0, false, true, comma), " 12 [3 Y yellow]"},
        {35, 6, Options(true, 3, false, true, comma), " 35 (N=3) [6 C cyan]"},
        {2147483646, 0, Options(true, 1073741823, false, true, Separator::Apostrophe),
         " 2'147'483'646 (N=1'073'741'823) [0 A black]"},
        // no filter note in the prime-pairs mode
        {41, 1, Options(true, 5, true, true, comma), " 41 [1 R red]"},
        {41, -1, Options(true, 5, true, false, comma), " 41"},
        // a colour note only while it is shown and for the indices 0..7
        {12, 3, Options(false, 0, false, false, comma), " 12"},
        {12, -1, Options(false, 0, false, true, comma), " 12"},
        {12, 8, Options(false, 0, false, true, comma), " 12"},
        {12, 7, Options(false, 0, false, true, comma), " 12 [7 W white]"},
        {12, 0, Options(false, 0, false, true, comma), " 12 [0 A black]"},
    };
    for (const HeadCase& c : cases) {
        std::string out = "before\r\n";
        const int length = format::LineHead(out, c.n, c.color, c.options);
        EXPECT_EQ(out, "before\r\n" + c.text);
        EXPECT_EQ(length, static_cast<int>(c.text.size()) - 1) << c.text;
    }
}

struct DecompositionCase {
    int32_t n;
    Separator separator;
    std::string text;
};

TEST(PrimeDecompositionText, PowersInParenthesesOnlyWithSeveralPrimes) {
    const DecompositionCase cases[] = {
        {8, Separator::Comma, "2^3"},
        {4, Separator::Comma, "2^2"},
        {13, Separator::Comma, "13"},
        {30, Separator::Comma, "2 * 3 * 5"},
        {12, Separator::Comma, "(2^2) * 3"},
        {1000000, Separator::Comma, "(2^6) * (5^6)"},
        {1024, Separator::Comma, "2^10"},
        {1073741824, Separator::Comma, "2^30"},
        {2147483646, Separator::Comma, "2 * (3^2) * 7 * 11 * 31 * 151 * 331"},
        {2147483578, Separator::Comma, "2 * 1,073,741,789"},
        {2147483578, Separator::Space, "2 * 1 073 741 789"},
        {2147483578, Separator::Apostrophe, "2 * 1'073'741'789"},
        {2147483578, Separator::None, "2 * 1073741789"},
        {223092870, Separator::Comma, "2 * 3 * 5 * 7 * 11 * 13 * 17 * 19 * 23"},
        {1018081, Separator::Comma, "1,009^2"},
        {2036162, Separator::Comma, "2 * (1,009^2)"},
        {2036162, Separator::None, "2 * (1009^2)"},
        {2147483629, Separator::Comma, "2,147,483,629"},
        {1022117, Separator::Space, "1 009 * 1 013"},
        {2147117569, Separator::Apostrophe, "46'337^2"},
        {2146654199, Separator::Comma, "46,327 * 46,337"},
    };
    for (const DecompositionCase& c : cases) {
        const numlib::FactorResult result = oracle::FactorResultOf(c.n, 2);
        EXPECT_EQ(format::PrimeDecompositionText(result, c.separator), c.text) << c.n;
        std::string out = " 12 = ";
        format::AppendPrimeDecomposition(out, result, c.separator);
        EXPECT_EQ(out, " 12 = " + c.text);
    }
}

TEST(PrimeDecompositionText, PrimesBeforeTheLargestAboveTheShortTextsStillWritten) {
    // Not a factorisation the kernel gives, but one a caller may hand in.
    numlib::FactorResult result;
    result.count = 3;
    result.primes = {0, 65537, 1000003, 2147483629};
    result.exponents = {0, 2, 1, 1};
    EXPECT_EQ(format::PrimeDecompositionText(result, Separator::Comma),
              "(65,537^2) * 1,000,003 * 2,147,483,629");
}

TEST(PrimeDecompositionText, EveryExponentAlone_AndBesideAnotherPrime) {
    for (int exponent = -2; exponent <= 1100; ++exponent) {
        const std::string power =
            exponent >= 2 && exponent <= 999 ? "^" + std::to_string(exponent) : "";
        numlib::FactorResult result;
        result.count = 1;
        result.primes[1] = 3;
        result.exponents[1] = static_cast<int16_t>(exponent);
        ASSERT_EQ(format::PrimeDecompositionText(result, Separator::Comma), "3" + power);
        result.count = 2;
        result.primes[2] = 1009;
        result.exponents[2] = 1;
        const std::string parenthesised = power.empty() ? "3" : "(3" + power + ")";
        ASSERT_EQ(format::PrimeDecompositionText(result, Separator::Comma),
                  parenthesised + " * 1,009");
    }
}

// The widest head and decomposition any caller can hand in, written into
// heap blocks of exactly their room: a store past it is a sanitizer's error.
TEST(ResultLineRoom, TheWidestHeadAndDecompositionFitTheirRoom) {
    const int32_t widest = std::numeric_limits<int32_t>::min();
    numlib::FactorResult result;
    result.count = 9;
    for (int i = 1; i <= 9; ++i) {
        result.primes[static_cast<size_t>(i)] = widest;
        result.exponents[static_cast<size_t>(i)] = 999;
    }
    for (const auto& [separator, mark] :
         {std::pair{Separator::Comma, ','}, std::pair{Separator::None, '\0'}}) {
        const std::string prime = "(" + oracle::GroupDigits(widest, mark) + "^999)";
        std::string expected = prime;
        for (int i = 2; i <= 9; ++i) expected += " * " + prime;
        std::vector<char> decomposition(format::kMaxDecompositionWidth);
        const char* end = format::WritePrimeDecomposition(decomposition.data(), result, separator);
        const char* first = decomposition.data();
        EXPECT_EQ(std::string(first, end), expected);

        format::LineHeadOptions options;
        options.filterActive = true;
        options.filterIndex = widest;
        options.showColor = true;
        options.separator = separator;
        std::vector<char> head(format::kMaxHeadWidth);
        end = format::WriteLineHead(head.data(), widest, 5, options);
        first = head.data();
        EXPECT_EQ(std::string(first, end), " " + oracle::GroupDigits(widest, mark) +
                                               " (N=" + oracle::GroupDigits(widest, mark) +
                                               ") [5 M magenta]");
    }
}

TEST(FactorCountNote, CountAndEkValueWithThreeDecimals) {
    struct Case {
        int32_t n;
        std::string text;
    };
    const Case cases[] = {{12, " {2, 1.142}"},
                          {13, " {1, 0.060}"},
                          {1622, " {2, 0.000}"},  // -0.000226
                          {999999, " {5, 1.465}"},
                          {1000003, " {1, -1.003}"}};
    for (const Case& c : cases) {
        EXPECT_EQ(format::FactorCountNote(oracle::CountDistinctPrimes(c.n), oracle::EkValue(c.n)),
                  c.text)
            << c.n;
    }
}

TEST(FactorCountNote, LeadingZeroSignAndRounding) {
    EXPECT_EQ(format::FactorCountNote(3, 0.0), " {3, 0.000}");
    EXPECT_EQ(format::FactorCountNote(0, -0.5), " {0, -0.500}");
    EXPECT_EQ(format::FactorCountNote(9, 12.3456), " {9, 12.346}");
    EXPECT_EQ(format::FactorCountNote(1, 0.0004), " {1, 0.000}");
    EXPECT_EQ(format::FactorCountNote(2, 0.9996), " {2, 1.000}");
    // A value that rounds to zero is written without a sign.
    EXPECT_EQ(format::FactorCountNote(2, -0.0004), " {2, 0.000}");
    EXPECT_EQ(format::FactorCountNote(2, -0.0), " {2, 0.000}");
    EXPECT_EQ(format::FactorCountNote(2, -1e-300), " {2, 0.000}");
    EXPECT_EQ(format::FactorCountNote(2, -0.0005), " {2, -0.001}");
}

// The note's digits are printf's "%.3f" in the C locale, for any value:
// ties of the exact binary value, tiny and huge values, the sign of a zero,
// which is left out.
TEST(FactorCountNote, DigitsAsPrintfGivesThem) {
    auto printf3 = [](int npf, double value) {
        char text[512];
        std::snprintf(text, sizeof text, " {%d, %.3f}", npf, value);
        std::string note(text);
        if (note.ends_with(", -0.000}")) note.erase(note.size() - 7, 1);
        return note;
    };
    std::vector<double> values = {0.0625, 0.1875,  -0.0625,        2.0005, 0.0005,  -0.0005, -0.0,
                                  1e-300, -1e-300, 123456789.0005, 1e300,  -4.4375, 7.9995};
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> ek(-3, 8);
    for (int i = 0; i < 20000; ++i) values.push_back(ek(random));
    // Values on a grid of thousandths and halfway between, as doubles round them.
    for (int i = -3000; i <= 3000; ++i) {
        values.push_back(i / 1000.0);
        values.push_back((i + 0.5) / 1000.0);
    }
    for (double value : values) {
        ASSERT_EQ(format::FactorCountNote(4, value), printf3(4, value)) << value;
    }
}

TEST(FactorCountNote, DecimalMarkGivenAndNonNumbers) {
    std::string out = "x";
    format::AppendFactorCountNote(out, 2, 1.1416, ",");
    EXPECT_EQ(out, "x {2, 1,142}");
    out.clear();
    format::AppendFactorCountNote(out, 1, -0.25, "\xd9\xab");  // a mark of two bytes
    EXPECT_EQ(out,
              " {1, -0\xd9\xab"
              "250}");
    EXPECT_EQ(format::FactorCountNote(0, std::numeric_limits<double>::infinity()), " {0, inf}");
    EXPECT_EQ(format::FactorCountNote(0, -std::numeric_limits<double>::infinity()), " {0, -inf}");
    EXPECT_EQ(format::DecimalMark(), ".");  // the tests run in the C locale
}

}  // namespace
