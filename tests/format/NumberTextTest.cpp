#include "format/NumberText.h"
#include "format/ShortNumberTexts.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "support/DigitGrouping.h"

namespace {

using format::Separator;

struct SeparatorCase {
    Separator separator;
    char character;  // 0 for None
};

const SeparatorCase kSeparators[] = {{Separator::Comma, ','},
                                     {Separator::Space, ' '},
                                     {Separator::Apostrophe, '\''},
                                     {Separator::None, 0}};

TEST(FormatWithSeparator, LargestNumberWithEachSeparator) {
    EXPECT_EQ(format::FormatWithSeparator("2147483646", Separator::Comma), "2,147,483,646");
    EXPECT_EQ(format::FormatWithSeparator("2147483646", Separator::Space), "2 147 483 646");
    EXPECT_EQ(format::FormatWithSeparator("2147483646", Separator::Apostrophe), "2'147'483'646");
    EXPECT_EQ(format::FormatWithSeparator("2147483646", Separator::None), "2147483646");
    for (Separator separator : {Separator::Comma, Separator::Space, Separator::Apostrophe}) {
        EXPECT_EQ(format::FormatWithSeparator(format::kMaxNumberText, separator).size(), 13u);
    }
}

TEST(FormatWithSeparator, SmallNumbersAndThousand) {
    for (const SeparatorCase& c : kSeparators) {
        EXPECT_EQ(format::FormatWithSeparator("999", c.separator), "999");
        EXPECT_EQ(format::FormatWithSeparator("0", c.separator), "0");
        EXPECT_EQ(format::FormatWithSeparator("-999", c.separator), "-999");
    }
    EXPECT_EQ(format::FormatWithSeparator("1000", Separator::Comma), "1,000");
    EXPECT_EQ(format::FormatWithSeparator("1000", Separator::None), "1000");
}

TEST(FormatWithSeparator, TrimsBlanksAroundTheDigits) {
    EXPECT_EQ(format::FormatWithSeparator(" 1234567", Separator::Comma), "1,234,567");
    EXPECT_EQ(format::FormatWithSeparator("  1234  ", Separator::Apostrophe), "1'234");
    EXPECT_EQ(format::FormatWithSeparator(" 12 ", Separator::None), "12");
    EXPECT_EQ(format::FormatWithSeparator("-1234567 ", Separator::Comma), "-1,234,567");
    EXPECT_EQ(format::FormatWithSeparator("   ", Separator::Comma), "");
    EXPECT_EQ(format::FormatWithSeparator("   ", Separator::None), "");
}

std::vector<int64_t> SampleNumbers() {
    std::vector<int64_t> numbers = {
        0,         1,         9,          10,         99,        100,      999,     1000,
        9999,      10000,     99999,      100000,     999999,    1000000,  1000001, 12345678,
        123456789, 999999999, 1000000000, 2147483646, INT32_MAX, INT32_MIN};
    // Each width's edges, and those of powers of two, where the width is
    // found from the bit length.
    for (int64_t power = 10; power <= 1000000000; power *= 10) {
        numbers.insert(numbers.end(), {power - 1, power, power + 1});
    }
    for (int64_t power = 2; power <= INT32_MAX; power *= 2) {
        numbers.insert(numbers.end(), {power - 1, power});
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 2000; ++i) numbers.push_back(any(random));
    const size_t fixed = numbers.size();
    for (size_t i = 0; i < fixed; ++i) numbers.push_back(-numbers[i]);
    return numbers;
}

TEST(FormatNumber, AgreesWithHandGroupingForEverySeparator) {
    for (const SeparatorCase& c : kSeparators) {
        for (int64_t n : SampleNumbers()) {
            if (n < INT32_MIN || n > INT32_MAX) continue;
            EXPECT_EQ(format::FormatNumber(n, c.separator), oracle::GroupDigits(n, c.character))
                << n;
        }
    }
}

TEST(AppendNumber, AppendsWhatFormatNumberGivesAndReturnsItsLength) {
    for (const SeparatorCase& c : kSeparators) {
        std::string out = "head";
        std::string expected = "head";
        for (int64_t n : SampleNumbers()) {
            if (n < INT32_MIN || n > INT32_MAX) continue;
            const std::string text = oracle::GroupDigits(n, c.character);
            EXPECT_EQ(format::AppendNumber(out, static_cast<int32_t>(n), c.separator),
                      static_cast<int>(text.size()))
                << n;
            expected += text;
        }
        EXPECT_EQ(out, expected);
    }
}

TEST(ShortNumberTexts, EveryNumberOfTheTableWithEverySeparator) {
    for (const SeparatorCase& c : kSeparators) {
        const format::ShortNumberTexts& texts = format::ShortNumberTexts::For(c.separator);
        EXPECT_EQ(&texts, &format::ShortNumberTexts::For(c.separator));
        EXPECT_EQ(texts.Separator(), c.separator);
        for (int32_t n = 0; n < 65536; ++n) {
            ASSERT_TRUE(texts.Holds(n));
            std::array<char, 8> text{};
            const char* end = texts.Write(text.data(), n);
            ASSERT_EQ(std::string(text.data(), static_cast<size_t>(end - text.data())),
                      oracle::GroupDigits(n, c.character));
        }
        EXPECT_FALSE(texts.Holds(65536));
        EXPECT_FALSE(texts.Holds(-1));
    }
}

struct ParseCase {
    std::string text;
    int32_t result;
};

TEST(ParseNumberText, TableOfTexts) {
    const ParseCase cases[] = {
        {"1,234,567", 1234567},
        {"1 234'567", 1234567},
        {"", 0},
        {"-5", -1},
        {"12345678901", -1},
        {"2147483647", -1},
        {"2147483646", 2147483646},
        {"0000000007", 7},
        {"02147483646", -1},
        {"2,147,483,646", 2147483646},
        {"2147483650", -1},
        {"9999999999", -1},
        {"1999999999", 1999999999},
        {"5-", -1},
        {"12-34", -1},
        {"abc", 0},
        {"P 17", 17},
        {"  0  ", 0},
        {"1x2y3", 123},
        {"0000000000", 0},
        {"00000000000", -1},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(format::ParseNumberText(c.text, format::kMaxNumberText), c.result) << c.text;
    }
}

TEST(ParseNumberText, DefaultMaximumIsTheLargestNumber) {
    EXPECT_EQ(format::ParseNumberText("2147483646"), 2147483646);
    EXPECT_EQ(format::ParseNumberText("2147483647"), -1);
}

TEST(ParseNumberText, HugeTexts) {
    EXPECT_EQ(format::ParseNumberText(std::string(1 << 20, '7')), -1);
    EXPECT_EQ(format::ParseNumberText(std::string(1 << 20, ',')), 0);
    std::string separatorsAroundOneNumber(1 << 20, '\'');
    separatorsAroundOneNumber[500000] = '4';
    separatorsAroundOneNumber[900000] = '2';
    EXPECT_EQ(format::ParseNumberText(separatorsAroundOneNumber), 42);
    std::string minusAtTheEnd(1 << 20, 'x');
    minusAtTheEnd.back() = '-';
    EXPECT_EQ(format::ParseNumberText(minusAtTheEnd), -1);
}

TEST(ParseNumberText, NonUtf8AndBinaryBytesAreSkipped) {
    using namespace std::string_literals;
    EXPECT_EQ(format::ParseNumberText("\xff\xfe"
                                      "1\x80\xc3 2\0"
                                      "3"s),
              123);
    EXPECT_EQ(format::ParseNumberText("\xe2\x80\x89"
                                      "1\xe2\x80\x89"
                                      "000"),
              1000);
    EXPECT_EQ(format::ParseNumberText("\0\0\0"s), 0);
}

// The reading rule written out plainly: digits kept, a minus gives -1,
// more than ten digits or ten above the maximum give -1.
int32_t ParseByRule(const std::string& text) {
    if (text.find('-') != std::string::npos) return -1;
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') digits += c;
    }
    if (digits.size() > 10) return -1;
    if (digits.size() == 10 && digits > "2147483646") return -1;
    return digits.empty() ? 0 : static_cast<int32_t>(std::stoll(digits));
}

TEST(ParseNumberText, RandomBytesAgreeWithTheRule) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> length(0, 16);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> digit('0', '9');
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int size = length(random);
        for (int j = 0; j < size; ++j) {
            // Mostly digits, so that long and near-limit digit strings occur.
            const int b = byte(random);
            text += static_cast<char>(b < 200 ? digit(random) : (b < 203 ? '-' : b));
        }
        EXPECT_EQ(format::ParseNumberText(text), ParseByRule(text)) << text;
    }
}

}  // namespace
