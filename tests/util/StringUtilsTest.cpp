#include "util/StringUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

const std::u16string kSeparators = u", '";

struct RemoveCase {
    std::u16string text;
    std::u16string set;
    int start;
    std::u16string result;
};

TEST(RemoveCharacters, Table) {
    const RemoveCase cases[] = {
        {u"2,147,483,646", kSeparators, 1, u"2147483646"},
        {u"1 000'000", kSeparators, 1, u"1000000"},
        {u", ' ,,'", kSeparators, 1, u""},
        {u"12345", kSeparators, 1, u"12345"},
        {u"", kSeparators, 1, u""},
        {u",,1", kSeparators, 1, u"1"},
        {u"1,,", kSeparators, 1, u"1"},
        {u"1,, ''2", kSeparators, 1, u"12"},
        {u"a,b,c", u",", 1, u"abc"},
        {u"1,234,567", kSeparators, 2, u"1234567"},
        {u"1,234,567", kSeparators, 3, u"1,234567"},
        {u"1,234,567", kSeparators, 6, u"1,234567"},
        {u"1,234,567", kSeparators, 7, u"1,234,567"},
        {u"1,234,567", kSeparators, 0, u"1234567"},
        {u"1,234,567", kSeparators, -4, u"1234567"},
        {u"1,234,567", kSeparators, 99, u"1,234,567"},
        {u"1,234", u"", 1, u"1,234"},
        {u"AaAa", u"a", 1, u"AA"},
        {u"1\u00a0000\u2009000", u"\u00a0\u2009", 1, u"1000000"},
        {u"x\U0001F600y", u"\U0001F600", 1, u"xy"},
    };
    for (const RemoveCase& c : cases) {
        std::u16string text = c.text;
        util::RemoveCharacters(text, c.set, c.start);
        EXPECT_EQ(text, c.result) << "start " << c.start;
    }
}

TEST(RemoveCharacters, RandomTextsAgreeWithFiltering) {
    std::mt19937 random(5);
    const std::u16string alphabet = u"12,' x\u00e9";
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<int> start(-1, 14);
    for (int i = 0; i < 5000; ++i) {
        std::u16string text;
        for (int j = length(random); j > 0; --j) text += alphabet[pick(random)];
        const int from = start(random);
        const size_t kept = from < 1 ? 0 : std::min(text.size(), static_cast<size_t>(from) - 1);
        std::u16string expected = text.substr(0, kept);
        for (size_t j = kept; j < text.size(); ++j) {
            if (kSeparators.find(text[j]) == std::u16string::npos) expected += text[j];
        }
        util::RemoveCharacters(text, kSeparators, from);
        EXPECT_EQ(text, expected);
    }
}

TEST(StripLeadingRepeats, Table) {
    struct Case {
        std::u16string text;
        std::u16string prefix;
        std::u16string result;
    };
    const Case cases[] = {
        {u"000123", u"0", u"123"}, {u"100", u"0", u"100"},    {u"0000", u"0", u""},
        {u"0", u"0", u""},         {u"", u"0", u""},          {u"007", u"", u"007"},
        {u"0120", u"0", u"120"},   {u"ababac", u"ab", u"ac"}, {u"aba", u"ab", u"a"},
        {u"a", u"ab", u"a"},       {u"abab", u"ab", u""},     {u" 0 0", u"0", u" 0 0"},
    };
    for (const Case& c : cases) {
        std::u16string text = c.text;
        util::StripLeadingRepeats(text, c.prefix);
        EXPECT_EQ(text, c.result);
    }
}

TEST(FindFirstOf, PositionInTextAndInSet) {
    struct Case {
        std::u16string text;
        int start;
        std::u16string set;
        int position;
        int setPosition;
    };
    const Case cases[] = {
        {u"12'3", 1, kSeparators, 3, 3},  {u"1,2 3", 1, kSeparators, 2, 1},
        {u"1,2 3", 3, kSeparators, 4, 2}, {u"1,2 3", 5, kSeparators, 0, 0},
        {u"1,2 3", 0, kSeparators, 2, 1}, {u"1,2 3", -7, kSeparators, 2, 1},
        {u",", 1, kSeparators, 1, 1},     {u"123", 1, kSeparators, 0, 0},
        {u"", 1, kSeparators, 0, 0},      {u"1,2", 1, u"", 0, 0},
        {u"1,2", 2, kSeparators, 2, 1},   {u"1,2", 4, kSeparators, 0, 0},
        {u"aA", 1, u"A", 2, 1},           {u"1,2", 100, kSeparators, 0, 0},
    };
    for (const Case& c : cases) {
        int setPosition = -1;
        EXPECT_EQ(util::FindFirstOf(c.text, c.start, c.set, setPosition), c.position);
        EXPECT_EQ(setPosition, c.setPosition);
        EXPECT_EQ(util::FindFirstOf(c.text, c.start, c.set), c.position);
    }
}

TEST(FindFirstNotOf, Table) {
    struct Case {
        std::u16string text;
        int start;
        std::u16string set;
        int position;
    };
    const Case cases[] = {
        {u",,1", 1, kSeparators, 3}, {u"1,,", 2, kSeparators, 0},
        {u", '", 1, kSeparators, 0}, {u"12", 1, kSeparators, 1},
        {u"12", 2, kSeparators, 2},  {u"12", 3, kSeparators, 0},
        {u",,1", 0, kSeparators, 3}, {u",,1", -3, kSeparators, 3},
        {u"", 1, kSeparators, 0},    {u"", 1, u"", 0},
        {u"abc", 1, u"", 1},         {u"abc", 3, u"", 1},
        {u"abc", 50, u"", 1},        {u"aA", 1, u"a", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(util::FindFirstNotOf(c.text, c.start, c.set), c.position) << "start " << c.start;
    }
}

}  // namespace
